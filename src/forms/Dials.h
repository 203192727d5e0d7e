// The three dials of the title block: drilling angle (cell 55 to 71), drilling
// direction (79 to 100) and ground slope (108 to 124), in rows 4 and 5.
//
// Angle: a half circle open to the left, 180ﾟ (上) at the top, 90ﾟ to the right,
// 0ﾟ (下) at the bottom; the needle points along the hole (0ﾟ straight down).
// Direction: a compass with 北 0ﾟ at the top, 東 90ﾟ, 南 180ﾟ, 西 270ﾟ; the needle
// points to the azimuth. Slope: a quarter circle from 水平 0ﾟ (to the right) to
// 鉛直 90ﾟ (down); the needle leans by the slope.
//
// A needle is drawn when its heading slot (24, 25, 26) is numeric-looking; the
// slot's first three bytes and "ﾟ" are written in the dial's cell. The fixed marks
// use font 1 at kDialMarkScale of its size.
#pragma once

#include "forms/Sheet.h"

namespace tesmor {

inline constexpr double kDialMarkScale = 0.6;

// Heading system in force; leaves font 1 selected.
void DrawTitleDials(Canvas& dc, const SheetContext& sheet);

}  // namespace tesmor
