#include "record/SptText.h"

#include <algorithm>

#include "record/TextUtil.h"

namespace tesmor {

std::string FormatSptBlows(std::string_view blows1, std::string_view blows2, std::string_view blows3) {
  const std::string_view increments[] = {blows1, blows2, blows3};
  if (std::none_of(std::begin(increments), std::end(increments),
                   [](std::string_view t) { return StartsLikeNumber(t) > 0; })) {
    return {};
  }
  // Sums start from 0, so the first increment's "N = ..." and the others' "N += ..." agree.
  long long blows = 0;
  long long penetration = 0;
  for (const std::string_view increment : increments) {
    if (StartsLikeNumber(increment) <= 0) continue;
    const std::size_t slash = increment.find('/');
    if (slash == std::string_view::npos) {
      blows += TextToInt(increment);
      penetration += 10;
      continue;
    }
    blows += TextToInt(increment.substr(0, slash));
    const std::string_view after = increment.substr(slash + 1);
    if (StartsLikeNumber(after) > 0) penetration += TextToInt(after);
  }
  const int n = static_cast<int>(std::clamp<long long>(blows, -9, 999));
  if (penetration == 30) return Format("%2d", n);
  return Format("%2d/%lld", n, penetration);
}

int BlowCountOf(std::string_view text, int cap) {
  const std::size_t slash = text.find('/');
  const int blows = slash != std::string_view::npos && slash > 0 ? TextToInt(text.substr(0, slash)) : TextToInt(text);
  return std::min(blows, cap);
}

int PenetrationOf(std::string_view text, int defaultCm) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) return defaultCm;
  const std::string_view after = text.substr(slash + 1);
  return StartsLikeNumber(after) > 0 ? TextToInt(after) : defaultCm;
}

double ConvertedNValue(std::string_view text, int nominalCm) {
  const int blows = BlowCountOf(text, 999);
  const int penetration = PenetrationOf(text, nominalCm);
  if (penetration <= 0) return kConvertedNValueCap;
  return std::min(static_cast<double>(nominalCm) / penetration * blows, kConvertedNValueCap);
}

}  // namespace tesmor
