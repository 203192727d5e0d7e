#include "readers/XmlConversions.h"

#include <cmath>
#include <span>

#include "readers/XmlCodeTexts.h"
#include "record/SjisText.h"
#include "record/TextSlices.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

std::string TextOfCode(std::span<const CodeText> list, int code, std::string_view otherwise = {}) {
  for (const CodeText& entry : list) {
    if (entry.code == code) return std::string(entry.text);
  }
  return std::string(otherwise);
}

// The text before the first occurrence of cut when that occurrence is not at the
// start; the whole text otherwise.
std::string CutBefore(std::string_view text, std::string_view cut) {
  std::string before;
  TextBeforeOrAll(before, text, cut);
  return before;
}

std::string Mid(std::string_view text, int start, int count) {
  std::string part;
  MidBytesSafe(part, text, start, count);
  return part;
}

}  // namespace

std::string SplitDatePart(std::string_view date, int part) {
  if (SjisWidth(date) < 10) return {};
  switch (part) {
    case 1: return Mid(date, 1, 4);
    case 2: return Mid(date, 6, 2);
    case 3: return Mid(date, 9, 2);
    default: return {};
  }
}

std::string DropYear(std::string_view date) {
  if (SjisWidth(date) > 5) {
    if (TextToInt(date) >= 1900 || date.starts_with("0000-")) date.remove_prefix(SjisOffset(date, 5));
  }
  return ReplaceAll(date, "-", "/");
}

std::string HammerText(std::string_view code) { return TextOfCode(kHammerTexts, TextToInt(code)); }

std::string SamplingMark(std::string_view code) {
  return TextOfCode(kSamplingMarks, TextToInt(code), kOtherSamplingMark);
}

std::string GeoAgeText(std::string_view code, std::string_view name) {
  if (code.empty()) return std::string(name);
  const double hundredths = std::floor(TextToDouble(code) * 0.01 + 0.000001);
  if (!(hundredths > -1e9 && hundredths < 1e9)) return {};
  return TextOfCode(kGeoAgeTexts, static_cast<int>(hundredths));
}

std::string WaterLevelKindText(std::string_view code) {
  const double v = TextToDouble(code);
  if (!(v > 0.0 && v <= 99999.9)) return {};
  std::string text = TextOfCode(kWaterLevelKindTexts, DecimalDigit(v, 10));
  if (DecimalDigit(v, 1) == 1) text.append(text.empty() ? kNoWaterLevel : kNoWaterLevelSuffix);
  return text;
}

std::string WallProtectionText(std::string_view code) { return TextOfCode(kWallProtectionTexts, TextToInt(code)); }

std::string TubeBitText(std::string_view tubeName, std::string_view bitName) {
  std::string text = CutBefore(tubeName, kCoreTubeCut);
  text.append(CutBefore(bitName, kBitCut));
  return text;
}

std::string WaterKindText(std::string_view code) { return TextOfCode(kWaterKindTexts, TextToInt(code)); }

std::string LugeonClassText(std::string_view code) { return TextOfCode(kLugeonClassTexts, TextToInt(code)); }

std::string FaultPropertyText(std::string_view code) { return TextOfCode(kFaultPropertyTexts, TextToInt(code)); }

}  // namespace tesmor
