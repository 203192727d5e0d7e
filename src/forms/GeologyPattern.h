// The lithology pattern of one layer in the geology column (柱状図), from the
// layer's pattern codes ("%ld.%d": pattern number and sub-code) of its first and
// second geology name:
//
//   - a composed number is split into its main pattern (hundreds and up), its
//     qualifier (tens, the names ending in 質) and its admixture (units, 混り); the
//     main pattern fills the box, the qualifier and the admixture are drawn over it
//     (the admixture staggered between the qualifier's bands when both are there),
//     over the whole width, or over the left half when mixQualityChoice is 1;
//   - an alternation (互層, 90000 + first + second ÷ 100) is drawn in horizontal
//     bands of its two members, 4 mm apart on paper; without members it is drawn as
//     the pattern 4600 (互層);
//   - a fill symbol (10000 to 10004) with a second name is drawn in the left half
//     (with the middle line) and the second name's pattern in the right half; alone
//     it covers the box; the rock-mass grades (10091 to 10093) fill the box;
//   - two other names (砂・礫) share the box: the first in the left half, the
//     second in the right half, with a line between them.
#pragma once

#include <string_view>

#include "forms/SheetPass.h"

namespace tesmor {

// The parts of one pattern number.
struct PatternParts {
  int main = 0;        // multiple of 100, or a symbol of 10000 and more
  int qualifier = 0;   // 10 ... 50
  int admixture = 0;   // 1 ... 9
  int alternate = 0;   // second member of an alternation (0 when none)
  bool alternation = false;
};

// Splits a pattern number (the integer part of a layer code).
PatternParts SplitPatternNumber(int number);

// Draws the layer's pattern into the box (x1, y1)-(x2, y2), y in the depth system.
void DrawGeologyPattern(Canvas& dc, const SheetPass& pass, std::string_view code1,
                        std::string_view code2, double x1, double y1, double x2, double y2);

}  // namespace tesmor
