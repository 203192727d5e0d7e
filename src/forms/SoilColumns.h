// The data columns of the soil form (and the ones the rock form shares: water
// levels, description, geological age). Each takes the drawing context and the
// page's SheetPass (see SheetPass.h for what holds when it is called).
#pragma once

#include "forms/DescriptionColumn.h"
#include "forms/GeologicalAge.h"
#include "forms/SheetPass.h"
#include "forms/WaterLevels.h"

namespace tesmor {

// Standard penetration tests (SptTable), columns 14 to 20 with the N-value plot on
// pass.graph.
void DrawSptColumns(Canvas& dc, SheetPass& pass);

// Mini-Ram soundings (MiniRamTable): the plot, then the values; into the N-value
// graph or the in-situ graph as heading slot 60 chooses.
void DrawMiniRamPlot(Canvas& dc, SheetPass& pass);
void DrawMiniRamValues(Canvas& dc, SheetPass& pass);

// Relative density (column 8) and consistency (column 9) from DensityRows, with the
// label tops of pass.densityLabels.
void DrawRelativeDensity(Canvas& dc, SheetPass& pass);
void DrawRelativeConsistency(Canvas& dc, SheetPass& pass);

// Label tops of the density and consistency columns, before the body is drawn: for
// rows read from legacy files (DensityRows depth[0] >= -8.0) or from XML files.
void PrepareDensityLabelsLegacy(Canvas& dc, SheetPass& pass);
void PrepareDensityLabelsXml(Canvas& dc, SheetPass& pass);

// In-situ tests (InSituTable), columns 21 to 23.
void DrawInSituColumns(Canvas& dc, SheetPass& pass);

// Samples (SampleTable), columns 24 to 27.
void DrawSampleColumns(Canvas& dc, SheetPass& pass);

// Drilling dates (DrillingConditionTable), column 28.
void DrawDrillingDates(Canvas& dc, SheetPass& pass);

// Elevation, thickness, depth, geology column, soil classification and colour tone
// (LayerTable), columns 2 to 7; after the clip is restored.
void DrawLayerColumns(Canvas& dc, SheetPass& pass);

}  // namespace tesmor
