// The data columns of the rock form. Water levels, description and geological age
// are shared with the soil form (SoilColumns.h). Each takes the drawing context and
// the page's SheetPass (see SheetPass.h for what holds when it is called).
#pragma once

#include "forms/SheetPass.h"

namespace tesmor {

// Colour tone and the six rock classes (ColourTable), columns 6 to 11 and 16.
void DrawRockProperties(Canvas& dc, SheetPass& pass);

// N values (SptTable) in column 19, their plot on pass.graph, and the depth data of
// rockSptDepthData in column 20.
void DrawRockSpt(Canvas& dc, SheetPass& pass);

// In-situ tests (InSituTable), column 22.
void DrawRockInSitu(Canvas& dc, SheetPass& pass);

// Laboratory tests (SampleTable), column 23.
void DrawLaboratoryTests(Canvas& dc, SheetPass& pass);

// Core recovery, maximum core length and RQD (CoreRecoveryTable,
// CoreLengthRqdTable), column 15.
void DrawCoreGraph(Canvas& dc, SheetPass& pass);

// Lugeon tests (LugeonTable): values in column 19, P-Q diagrams in column 21.
void DrawLugeonTests(Canvas& dc, SheetPass& pass);

// Drilling conditions (DrillingConditionTable), columns 24, 25 and 28 to 32.
void DrawDrillingConditions(Canvas& dc, SheetPass& pass);

// Drilling progress (DrillingProgressTable), columns 26, 27 and 31.
void DrawDrillingProgress(Canvas& dc, SheetPass& pass);

// Elevation, depth, geology column and rock classification with the fault zones
// (LayerTable, FaultZoneTable), columns 2 to 5; after the clip is restored, held to
// the page's depth range.
void DrawRockLayerColumns(Canvas& dc, SheetPass& pass);

}  // namespace tesmor
