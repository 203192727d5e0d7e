// Water levels (WaterLevelTable) in the form's water-level column (soil 13, rock
// 18): the level symbol, and by the row's flags (column 4) its depth (1), its
// measuring date (2) and its kind text (column 3; 4, 8 or 16 say where it stands).
//
// The depth and the date stand above the symbol; when they would rise above the
// page top or into the texts of the level above, they stand below it. The kind
// text stands below the symbol (flags 4 and 16, or flags below 4) or above the
// date (flag 8), broken into lines of the column's width. A level above the collar
// (a negative depth) is drawn at the collar with its height as "+h.hh"; levels more
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
