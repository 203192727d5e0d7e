// The texts of the title block made from the heading slots of the boring.
#pragma once

#include <string>
#include <string_view>

#include "record/BoringRecord.h"

namespace tesmor {

// "%s  %s" of a label and a heading text (survey name, project name).
std::string LabelledText(std::string_view label, std::string_view text);

// Collar elevation: "%6.2fm" of slot 13 when it is numeric-looking; slot 13 as it is
// when slot 38 asks for the elevation as text (non-zero); else empty.
std::string ElevationText(const BoringRecord& record);

// Total drilled length: "%6.2fm" of slot 37; empty when slot 37 is not numeric-looking.
std::string TotalLengthText(const BoringRecord& record);

// Latitude (slots 51 to 53) or longitude (slots 54 to 56) as degrees padded to three
// Shift_JIS bytes and "ﾟ", minutes and "'", seconds and '"'; empty when the three
// slots are empty.
std::string LatitudeText(const BoringRecord& record);
std::string LongitudeText(const BoringRecord& record);

// Survey period: slot 34, the start date, "～", slot 35, the end date, each date as
// year "年" month "月" day "日" (slots 6 to 8 and 9 to 11); empty when all of these
// slots are empty.
std::string SurveyPeriodText(const BoringRecord& record);

// Sheet number: "シート№" + " " + slot 28.
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
