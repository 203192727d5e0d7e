// The title of the sheet ("ボーリング柱状図", survey and project names) and the
// title block: the boring number cells, the sheet number and the framed table of
// the boring's heading texts with the angle, direction and slope dials.
#pragma once

#include "forms/Sheet.h"
#include "forms/SheetFonts.h"

namespace tesmor {

// The title and the survey and project name lines, heading system in force. Leaves
// font 1 selected and returns its character size.
CharSize DrawTitle(Canvas& dc, const SheetContext& sheet);

// The title block with font 1 selected (charSize its world size); leaves font 1
// selected and the alignment left and top.
void DrawTitleBlock(Canvas& dc, const SheetContext& sheet, CharSize charSize);

// Geometry of the boring number cells.
inline constexpr double kBoringNumberBoxLeft = 210.0;
inline constexpr double kBoringNumberCellsLeft = 228.5;
inline constexpr double kBoringNumberBoxRight = 273.3;
inline constexpr double kBoringNumberBoxTop = -9.8;
inline constexpr double kBoringNumberBoxBottom = -9.15;
inline constexpr int kBoringNumberCells = 11;
inline constexpr double kBoringNumberCellWidth =
    (kBoringNumberBoxRight - kBoringNumberCellsLeft) / kBoringNumberCells;

}  // namespace tesmor
