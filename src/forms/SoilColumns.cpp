#include "forms/SoilColumns.h"

namespace tesmor {

// Mini-Ram soundings are read by the legacy readers only and have no drawing of
// their own on the sheet.

void DrawMiniRamPlot(Canvas&, SheetPass&) {}
void DrawMiniRamValues(Canvas&, SheetPass&) {}

}  // namespace tesmor
