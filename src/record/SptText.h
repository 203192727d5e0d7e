// The standard-penetration-test value text of one test, and the N value of such a
// text converted to the nominal penetration.
#pragma once

#include <string>
#include <string_view>

namespace tesmor {

// The value text of one test from the texts of its three 10 cm increments, each a
// count n (n blows over 10 cm) or n/d (n blows over d cm): the total blows, clamped
// to -9 .. 999, formatted "%2d" when the penetration is 30 cm, else "%2d/%d" with the
// total penetration. Empty when no increment is numeric-looking.
std::string FormatSptBlows(std::string_view blows1, std::string_view blows2, std::string_view blows3);

// The blow count of a value text: the integer before a "/" standing after the first
// byte, else of the whole text; at most cap.
int BlowCountOf(std::string_view text, int cap);

// The penetration of a value text: the integer after the first "/" when that part is
// numeric-looking, else defaultCm (also when the text has no "/").
int PenetrationOf(std::string_view text, int defaultCm);

// nominalCm / penetration * blows, capped at 2999.99; 2999.99 when the penetration is
// 0 or less. The forms call it with nominalCm = 30.
double ConvertedNValue(std::string_view text, int nominalCm);

inline constexpr double kConvertedNValueCap = 2999.99;

}  // namespace tesmor
