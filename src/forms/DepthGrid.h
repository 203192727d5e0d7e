// The depth ruler and the graph grids of the body.
#pragma once

#include "forms/SheetPass.h"

namespace tesmor {

// The graph of the N values of a form: soil column 20 with 60 divisions, rock
// column 21 with rockLugeonScale × 10 + 50 divisions.
GraphSpan GraphSpanOf(const ColumnGeometry& columns, int formSelector, const Settings& settings);

// Depth system in force, font 3 selected. The vertical lines of pass.graph (1 mm
// lines only with nValueGrid 0), then per metre of the page (from one metre above
// its top): ruler ticks every 0.1 m at both outer lines of the form, the metre
// label "%4d" right-aligned left of the ruler column's right line (not "0" at the
// top of the first page), and the horizontal graph lines inside the page.
void DrawDepthGrid(Canvas& dc, const SheetPass& pass);

// The grid of the soil form's in-situ graph (column 23) or the rock form's core
// graph (column 15).
void DrawColumnGrids(Canvas& dc, const SheetPass& pass);

}  // namespace tesmor
