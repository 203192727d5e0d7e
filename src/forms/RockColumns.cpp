#include "forms/RockColumns.h"

namespace tesmor {

// The rock form's data columns are drawn here; until a column is written its
// drawer leaves the column empty.

void DrawRockProperties(Canvas&, SheetPass&) {}
void DrawRockSpt(Canvas&, SheetPass&) {}
void DrawRockInSitu(Canvas&, SheetPass&) {}
void DrawLaboratoryTests(Canvas&, SheetPass&) {}
void DrawCoreGraph(Canvas&, SheetPass&) {}
void DrawLugeonTests(Canvas&, SheetPass&) {}
void DrawDrillingConditions(Canvas&, SheetPass&) {}
void DrawDrillingProgress(Canvas&, SheetPass&) {}
void DrawRockLayerColumns(Canvas&, SheetPass&) {}

}  // namespace tesmor
