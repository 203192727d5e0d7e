// Conversions of the values of boring-information files into the texts the boring
// record keeps: dates, and the codes of hammers, samples, geological ages, water
// levels, wall protection, core tubes, water kinds, Lugeon classes and fault zones.
#pragma once

#include <string>
#include <string_view>

namespace tesmor {

// Part 1 (year, characters 1-4), 2 (month, 6-7) or 3 (day, 9-10) of a date written
// year-month-day; empty when the text is shorter than 10 characters.
std::string SplitDatePart(std::string_view date, int part);

// A date without its year, "-" written as "/": "2004-05-06" gives "05/06".
std::string DropYear(std::string_view date);

std::string HammerText(std::string_view code);
std::string SamplingMark(std::string_view code);
// The age name of a code (its hundredths select the name); the name when the code is empty.
std::string GeoAgeText(std::string_view code, std::string_view name);
std::string WaterLevelKindText(std::string_view code);
std::string WallProtectionText(std::string_view code);
// The tube name cut before "コア", followed by the bit name cut before "クラウン".
std::string TubeBitText(std::string_view tubeName, std::string_view bitName);
std::string WaterKindText(std::string_view code);
std::string LugeonClassText(std::string_view code);
std::string FaultPropertyText(std::string_view code);

}  // namespace tesmor
