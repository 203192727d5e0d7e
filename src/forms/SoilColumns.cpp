#include "forms/SoilColumns.h"

namespace tesmor {

// The soil form's data columns are drawn here; until a column is written its
// drawer leaves the column empty.

void DrawWaterLevels(Canvas&, SheetPass&) {}
void DrawWaterLevelsUnclipped(Canvas&, SheetPass&) {}
void DrawSptColumns(Canvas&, SheetPass&) {}
void DrawMiniRamPlot(Canvas&, SheetPass&) {}
void DrawMiniRamValues(Canvas&, SheetPass&) {}
void DrawRelativeDensity(Canvas&, SheetPass&) {}
void DrawRelativeConsistency(Canvas&, SheetPass&) {}
void PrepareDensityLabelsLegacy(Canvas&, SheetPass&) {}
void PrepareDensityLabelsXml(Canvas&, SheetPass&) {}
void DrawInSituColumns(Canvas&, SheetPass&) {}
void DrawSampleColumns(Canvas&, SheetPass&) {}
void DrawGeologicalAge(Canvas&, SheetPass&) {}
void DrawDrillingDates(Canvas&, SheetPass&) {}
void DrawDescriptionColumn(Canvas&, SheetPass&) {}
void DrawLayerColumns(Canvas&, SheetPass&) {}

}  // namespace tesmor
