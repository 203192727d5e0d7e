// The texts of the title block made from the heading slots of the boring.
#pragma once

#include <string>
#include <string_view>

#include "record/BoringRecord.h"

namespace tesmor {

// "%s  %s" of a label and a heading text (survey name, project name).
std::string LabelledText(std::string_view label, std::string_view text);

// Collar elevation: "%6.2fm" of slot::kCollarElevation when it is numeric-looking;
// the slot as it is when slot::kElevationAsText asks for the elevation as text
// (non-zero); else empty.
std::string ElevationText(const BoringRecord& record);

// Total drilled length: "%6.2fm" of slot::kTotalLength; empty when it is not
// numeric-looking.
std::string TotalLengthText(const BoringRecord& record);

// Latitude (slot::kLatitudeDegrees and the two slots after it) or longitude
// (slot::kLongitudeDegrees ...) as degrees padded to three
// Shift_JIS bytes and "ﾟ", minutes and "'", seconds and '"'; empty when the three
// slots are empty.
std::string LatitudeText(const BoringRecord& record);
std::string LongitudeText(const BoringRecord& record);

// Survey period: slot::kStartDateLead, the start date, "～", slot::kEndDateLead, the
// end date, each date as year "年" month "月" day "日" (slot::kStartYear to kStartDay
// and kEndYear to kEndDay); empty when all of these slots are empty.
std::string SurveyPeriodText(const BoringRecord& record);

// Sheet number: "シート№" + " " + slot::kSheetNumber.
std::string SheetNumberText(const BoringRecord& record);

// A dial value: the first three Shift_JIS bytes of the text and "ﾟ"; empty for an
// empty text.
std::string DialValueText(std::string_view text);

// A role label of the engineers' row on one or two lines. A label of at most four
// characters stays on one line (second empty). A longer one is split at an "@"
// (dropped), else so that the second line starts one character before the first of
// the endings "技術者", "責任者", "代理人", "鑑定者" ("ボーリン" / "グ責任者",
// "現　" / "場代理人") when two characters or more stay on the first line, at the
// ending otherwise ("主任" / "技術者"), else at half its characters (the first line
// the longer).
struct RoleLabelLines {
  std::string first;
  std::string second;
};
RoleLabelLines SplitRoleLabel(std::string_view label);

}  // namespace tesmor
