#include "forms/DepthGrid.h"

#include <algorithm>
#include <cmath>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr int kGroupDivisions = 10;
constexpr double kTickStep = 0.1;
constexpr double kTickLength = 0.8;
constexpr double kHalfMetreTickLength = 1.4;
constexpr double kRightTickExtra = 0.2;
constexpr double kMetreTickLeft = 1.8;
constexpr double kMetreTickRight = 2.0;
constexpr double kLabelGap = 0.5;  // the metre labels end this far left of the ruler's right line

struct DashPen {
  int dash;
  int gap;
  int width;
  Colour colour;
};

void Dashed(Canvas& dc, double x1, double y1, double x2, double y2, const DashPen& pen) {
  DrawDashedLine(dc, x1, y1, x2, y2, pen.dash, pen.gap, pen.width, pen.colour);
}

// Whether depth y already lies below the device's coordinate range (nothing more
// can show on the page).
bool BelowDevice(const Canvas& dc, double y) { return MapY(dc.transform, y) >= kMaxDeviceCoordinate; }

// Whole-metre start for a page top: the top truncated, minus one.
int FirstMetre(double top) { return static_cast<int>(top) - 1; }

// Horizontal lines of a column grid at the multiples of step, inside the page only.
void HorizontalLines(Canvas& dc, const SheetPass& pass, double left, double right, double step,
                     const DashPen& pen) {
  const double first = std::floor(FirstMetre(pass.pageTop) / step) * step + step;
  for (double y = first; y < pass.pageBottom; y += step) {
    if (BelowDevice(dc, y)) break;
    if (y > pass.pageTop) Dashed(dc, left, y, right, y, pen);
  }
}

}  // namespace

GraphSpan GraphSpanOf(const ColumnGeometry& columns, int formSelector, const Settings& settings) {
  const int column = columns.roles.graph;
  GraphSpan span{columns.Left(column), columns.Right(column), 60};
  if (formSelector != kSoilForm) span.divisions = std::clamp(settings.rockLugeonScale, 0, 1) * 10 + 50;
  return span;
}

void DrawDepthGrid(Canvas& dc, const SheetPass& pass) {
  const Settings& s = pass.sheet.settings;
  const GraphSpan& graph = pass.graph;
  const double top = pass.pageTop;
  const double bottom = pass.pageBottom;
  const bool minor = s.nValueGrid == 0 && s.gridMinorWidth >= 1;
  const DashPen minorPen{s.gridMinorDash, s.gridMinorGap, s.gridMinorWidth, pass.grid.detail};
  const DashPen majorPen{s.gridMajorDash, s.gridMajorGap, s.gridMajorWidth, pass.grid.major};
  const double division = graph.Division();

  for (int start = 0; start < graph.divisions; start += kGroupDivisions) {
    if (minor) {
      for (int j = start + 1; j < start + kGroupDivisions && j < graph.divisions; ++j) {
        const double x = graph.left + j * division;
        Dashed(dc, x, top, x, bottom, minorPen);
      }
    }
    const int end = start + kGroupDivisions;
    if (end < graph.divisions) {
      const double x = graph.left + end * division;
      Dashed(dc, x, top, x, bottom, majorPen);
    }
  }

  const ColumnGeometry& g = pass.columns;
  const double left = g.FormLeft();
  const double right = g.FormRight();
  const int rule = s.ruleLineWidth;
  const bool firstPage = std::fabs(top) < 0.001;
  SetTextAlign(dc, TA_RIGHT | TA_TOP);
  for (int m = FirstMetre(top); m <= bottom; ++m) {
    if (BelowDevice(dc, m)) break;
    for (int i = 1; i <= 9; ++i) {
      const double y = m + kTickStep * i;
      const double length = i == 5 ? kHalfMetreTickLength : kTickLength;
      DrawLine(dc, left, y, left + length, y, PS_SOLID, rule, 0);
      DrawLine(dc, right, y, right - length - kRightTickExtra, y, PS_SOLID, rule, 0);
      if (minor && y > top && y < bottom) Dashed(dc, graph.left, y, graph.right, y, minorPen);
    }
    if (!(m == 0 && firstPage)) {
      DrawTextAt(dc, g.Edge(2) - kLabelGap, m - 0.5 * pass.charHeight, Format("%4d", m));
    }
    if (m > top && m < bottom) {
      DrawLine(dc, left, m, left + kMetreTickLeft, m, PS_SOLID, rule, 0);
      DrawLine(dc, right, m, right - kMetreTickRight, m, PS_SOLID, rule, 0);
      Dashed(dc, graph.left, m, graph.right, m, majorPen);
    }
  }
}

void DrawColumnGrids(Canvas& dc, const SheetPass& pass) {
  const Settings& s = pass.sheet.settings;
  const ColumnGeometry& g = pass.columns;
  const int column = g.roles.gridColumn;
  const double left = g.Left(column);
  const double right = g.Right(column);
  const double width = right - left;
  const bool soil = pass.sheet.formSelector == kSoilForm;
  // The soil form's in-situ graph and the rock form's core graph each have their own
  // pens and colour.
  const DashPen vertical =
      soil ? DashPen{s.inSituVerticalDash, s.inSituVerticalGap, s.inSituVerticalWidth, pass.grid.inSitu}
           : DashPen{s.coreVerticalDash, s.coreVerticalGap, s.coreVerticalWidth, pass.grid.core};
  const DashPen horizontal =
      soil ? DashPen{s.inSituHorizontalDash, s.inSituHorizontalGap, s.inSituHorizontalWidth,
                     pass.grid.inSitu}
           : DashPen{s.coreHorizontalDash, s.coreHorizontalGap, s.coreHorizontalWidth, pass.grid.core};
  const bool dense = (soil ? s.soilInSituGrid : s.rockCoreGrid) == 0;

  if (dense) {
    for (int i = 1; i < 10; ++i) {
      const double x = left + width * i / 10.0;
      Dashed(dc, x, pass.pageTop, x, pass.pageBottom, vertical);
    }
  } else if (!soil) {
    const double x = left + width / 2.0;
    Dashed(dc, x, pass.pageTop, x, pass.pageBottom, vertical);
  }
  const double step = dense ? 0.5 : (soil ? 5.0 : 1.0);
  HorizontalLines(dc, pass, left, right, step, horizontal);
}

}  // namespace tesmor
