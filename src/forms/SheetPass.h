// What the drawers of a page's columns receive: the sheet, the column edges of the
// page, its depth range, the current font and the values computed once per page.
//
// Every column drawer has the same signature:
//
//   void DrawSomething(Canvas& dc, SheetPass& pass);
//
// It is called with the page transform in the depth system (world y = depth in
// metres, yOrigin = -pageTop) and the body clipped to the page, except the heading
// band drawers (heading system, y 0 at the top of the body, negative y up) and the
// drawers that run after the clip is restored (the water levels' unclipped pass and
// the layer columns). charWidth and charHeight are those of the font selected for
// the drawer, in world units of the transform in force. A drawer may change the
// text alignment and select other fonts; it restores the transform if it changes it.
#pragma once

#include <array>

#include "draw/Surface.h"
#include "forms/Sheet.h"
#include "forms/SheetLayout.h"

namespace tesmor {

// A collar elevation that is not given (slot::kCollarElevation not numeric-looking).
inline constexpr double kMissingElevation = -999.99;

// The graph of the N values (soil column 20, rock column 21): its edges and the
// number of its divisions (60 on the soil form, 50 or 60 on the rock form).
struct GraphSpan {
  double left = 0.0;
  double right = 0.0;
  int divisions = 60;
  double Division() const { return divisions > 0 ? (right - left) / divisions : 0.0; }
};

// Grid colours of the page (all black when the grid is monochrome).
struct GridColours {
  Colour major = 0;   // gridColour: 10 mm lines of the N-value graph
  Colour detail = 0;  // detailGridColour: 1 mm lines
  Colour core = 0;    // coreGridColour
  Colour inSitu = 0;  // inSituGridColour
};

// Tops of the relative density and consistency labels, rows 1 ... 300, prepared
// before the body is drawn (soil form) and read by those two columns.
struct DensityLabelTops {
  std::array<double, DensityRows::kRows + 1> top{};             // relative density
  std::array<double, DensityRows::kRows + 1> consistencyTop{};  // consistency
  int rows = 0;
};

struct SheetPass {
  SheetPass(const SheetContext& context, const ColumnGeometry& geometry)
      : sheet(context), columns(geometry) {}

  const SheetContext& sheet;  // record, form, settings, colours, page model
  ColumnGeometry columns;     // column edges of this page's form
  double pageTop = 0.0;       // depth at the top of the body (m)
  double pageBottom = 0.0;    // pageTop + DepthPerPage
  double charWidth = 0.0;     // current font, world units
  double charHeight = 0.0;
  GridColours grid;
  GraphSpan graph;
  double collarElevation = kMissingElevation;  // slot::kCollarElevation, or kMissingElevation
  double drillingAngle = 0.0;  // slot::kDrillingAngle when in (0.1, 180], else 0 (0 points down)
  double totalDepth = 0.0;     // TotalDepth of the boring
  DensityLabelTops densityLabels;
};

using ColumnDrawer = void (*)(Canvas& dc, SheetPass& pass);

}  // namespace tesmor
