// Water levels (WaterLevelTable) in the form's water-level column (soil 13, rock
// 18): the level symbol, and by the row's presence bits (water_level::bit) its depth,
// its measuring date and its kind text (kKindBelow, kKindAbove or kKindRight say
// where it stands).
//
// The depth and the date stand above the symbol; when they would rise above the
// page top or into the texts of the level above, they stand below it. The kind
// text stands below the symbol (kKindBelow and kKindRight, or bits below kKindBelow)
// or above the date (kKindAbove), broken into lines of the column's width. A level
// above the collar (a negative depth) is drawn at the collar with its height as "+h.hh"; levels more
// than 6 m above the collar are not drawn.
#pragma once

#include "forms/SheetPass.h"

namespace tesmor {

// With the other data columns, clipped to the body.
void DrawWaterLevels(Canvas& dc, SheetPass& pass);

// After the clip is restored: the levels within 0.5 m below the page top again, so
// that their symbols reaching above the body are drawn whole.
void DrawWaterLevelsUnclipped(Canvas& dc, SheetPass& pass);

}  // namespace tesmor
