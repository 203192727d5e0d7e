// A calibration page that exercises every drawing and text operation at known
// physical sizes: a 100 mm ruler across and one down, a 10 mm grid, circles of
// 10 and 5 mm radius, arcs, diamonds, dashed lines, filled shapes, aligned,
// boxed, rotated, spread and vertical Japanese text. Used to check output devices
// (a ruler printed or exported must measure 100 mm) and to time the drawing stack.
#pragma once

#include "draw/Canvas.h"

namespace tesmor {

// Sets dc.transform from the surface's resolution (margins 5 mm, scales 1/100,
// y in centimetres of paper from the top margin) and draws the page; it fits an
// A4 portrait sheet.
void DrawCalibrationPage(Canvas& dc);

// Where the horizontal ruler lies: x from kRulerLeftMm to kRulerLeftMm + 100 (world
// mm) at world y kRulerYCm, that is, at the paper position below.
inline constexpr double kRulerLeftMm = 10.0;
inline constexpr double kRulerYCm = 3.0;
inline constexpr double kCalibrationMarginMm = 5.0;

}  // namespace tesmor
