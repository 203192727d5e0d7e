// The symbols of the rock-class codes that the rock form shows (硬軟, コア形状,
// 割れ目, 風化, 変質), by colour-table column. Codes compare by integer value.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "readers/XmlCodeTexts.h"
#include "record/RecordLayout.h"

namespace tesmor {

inline constexpr std::array kHardnessSymbols = {
    CodeText{11, "A"}, CodeText{12, "B"}, CodeText{13, "C"}, CodeText{14, "D"}, CodeText{15, "E"},
    CodeText{21, "A"}, CodeText{22, "B"}, CodeText{23, "C"}, CodeText{24, "D"}, CodeText{25, "E"}};

inline constexpr std::array kCoreShapeSymbols = {
    CodeText{11, "I"},  CodeText{12, "II"}, CodeText{13, "III"}, CodeText{14, "IV"}, CodeText{15, "V"},
    CodeText{16, "VI"}, CodeText{17, "VII"}, CodeText{18, "VIII"}, CodeText{21, "I"}, CodeText{22, "II"},
    CodeText{23, "III"}, CodeText{24, "IV"}, CodeText{25, "V"},   CodeText{26, "VI"}};

inline constexpr std::array kFractureSymbols = {
    CodeText{11, "a"}, CodeText{12, "b"}, CodeText{13, "c"}, CodeText{14, "d"}};

inline constexpr std::array kWeatheringSymbols = {
    CodeText{11, "α"}, CodeText{12, "β"}, CodeText{13, "γ"}, CodeText{14, "δ"}, CodeText{15, "ε"},
    CodeText{21, "α"}, CodeText{22, "β"}, CodeText{23, "γ"}, CodeText{24, "δ"}, CodeText{25, "ε"},
    CodeText{31, "α"}, CodeText{32, "β"}, CodeText{33, "γ"}, CodeText{34, "δ"}, CodeText{35, "ε"},
    CodeText{51, "αβ"}, CodeText{52, "γ"}, CodeText{53, "δ"}, CodeText{54, "ε"}, CodeText{55, "ε"},
    CodeText{56, "-"}};

inline constexpr std::array kAlterationSymbols = {
    CodeText{11, "1"}, CodeText{12, "2"}, CodeText{13, "3"}, CodeText{14, "4"},
    CodeText{21, "1"}, CodeText{22, "2"}, CodeText{23, "3"}, CodeText{24, "4"}};

// The first five rock-class columns of the colour table, in column order.
inline constexpr std::array<std::span<const CodeText>, 5> kRockClassSymbolLists = {
    kHardnessSymbols, kCoreShapeSymbols, kFractureSymbols, kWeatheringSymbols, kAlterationSymbols};
inline constexpr int kFirstSymbolColumn = colour::kHardness;
// 変質 codes of 8 and below are left as they are.
inline constexpr int kAlterationColumn = colour::kAlteration;
inline constexpr int kAlterationLowestCode = 9;

}  // namespace tesmor
