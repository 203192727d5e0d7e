#include "forms/TitleTexts.h"

#include <array>

#include "record/SjisText.h"
#include "record/TextSlices.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr int kOneLineRoleChars = 4;
constexpr std::array<std::string_view, 4> kRoleEndings = {"技術者", "責任者", "代理人", "鑑定者"};

std::string Padded(std::string_view text, int width) {
  const int pad = width - SjisWidth(text);
  return std::string(pad > 0 ? static_cast<std::size_t>(pad) : 0U, ' ') + std::string(text);
}

std::string Coordinate(const BoringRecord& record, int firstSlot) {
  const std::string& degrees = record.heading(firstSlot);
  const std::string& minutes = record.heading(firstSlot + 1);
  const std::string& seconds = record.heading(firstSlot + 2);
  if (degrees.empty() && minutes.empty() && seconds.empty()) return {};
  return Padded(degrees, 3) + "ﾟ" + minutes + "'" + seconds + "\"";
}

std::string Date(const BoringRecord& record, int yearSlot) {
  return record.heading(yearSlot) + "年" + record.heading(yearSlot + 1) + "月" +
         record.heading(yearSlot + 2) + "日";
}

// Character number (from 0) where text holds find, -1 when it does not.
int CharacterIndexOf(std::string_view text, std::string_view find) {
  const std::size_t at = text.find(find);
  return at == std::string_view::npos ? -1 : CharacterCount(text.substr(0, at));
}

RoleLabelLines SplitAtCharacter(std::string_view label, int firstChars) {
  const int total = CharacterCount(label);
  return {MidChars(label, 1, firstChars), MidChars(label, firstChars + 1, total - firstChars)};
}

}  // namespace

std::string LabelledText(std::string_view label, std::string_view text) {
  return std::string(label) + "  " + std::string(text);
}

std::string ElevationText(const BoringRecord& record) {
  const std::string& elevation = record.heading(slot::kCollarElevation);
  if (TextToInt(record.heading(slot::kElevationAsText)) != 0) return elevation;
  if (StartsLikeNumber(elevation) > 0) return Format("%6.2fm", TextToDouble(elevation));
  return {};
}

std::string TotalLengthText(const BoringRecord& record) {
  const std::string& length = record.heading(slot::kTotalLength);
  if (StartsLikeNumber(length) <= 0) return {};
  return Format("%6.2fm", TextToDouble(length));
}

std::string LatitudeText(const BoringRecord& record) { return Coordinate(record, slot::kLatitudeDegrees); }
std::string LongitudeText(const BoringRecord& record) { return Coordinate(record, slot::kLongitudeDegrees); }

std::string SurveyPeriodText(const BoringRecord& record) {
  bool any = false;
  for (const int s : {slot::kStartYear, slot::kStartMonth, slot::kStartDay, slot::kEndYear, slot::kEndMonth,
                      slot::kEndDay, slot::kStartDateLead, slot::kEndDateLead}) {
    any = any || !record.heading(s).empty();
  }
  if (!any) return {};
  return record.heading(slot::kStartDateLead) + Date(record, slot::kStartYear) + "～" +
         record.heading(slot::kEndDateLead) + Date(record, slot::kEndYear);
}

std::string SheetNumberText(const BoringRecord& record) { return "シート№ " + record.heading(slot::kSheetNumber); }

std::string DialValueText(std::string_view text) {
  if (text.empty()) return {};
  return std::string(SjisPrefix(text, 3)) + "ﾟ";
}

RoleLabelLines SplitRoleLabel(std::string_view label) {
  const int total = CharacterCount(label);
  if (total <= kOneLineRoleChars) return {std::string(label), {}};
  const std::size_t at = label.find('@');
  if (at != std::string_view::npos) {
    return {std::string(label.substr(0, at)), std::string(label.substr(at + 1))};
  }
  for (const std::string_view ending : kRoleEndings) {
    const int index = CharacterIndexOf(label, ending);
    if (index >= 1) return SplitAtCharacter(label, index >= 3 ? index - 1 : index);
  }
  return SplitAtCharacter(label, (total + 1) / 2);
}

}  // namespace tesmor
