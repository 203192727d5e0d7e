// The layer columns of the rock form (LayerTable, FaultZoneTable): the elevation
// (column 2) and depth (column 3) of each layer boundary, the geology column
// (column 4) and the rock classification (column 5), with the fault zones.
//
// They are drawn after the body's clip is removed, yet nothing of them may leave the
// page's depth range: a layer that crosses the page bottom, or lies below it, would
// otherwise run over the footer and off the paper. So everything here is clipped to
// the body again, and the boundary labels are placed inside it: above their line,
// moved up when they would meet the next one, and under their line when the
// boundary lies too close to the page top for the label to stand above it.
//
// A fault zone blanks the geology column over its range and is drawn there as a
// framed, cross-hatched band; its property text stands in column 5 among
// the layer names, which never overlap it.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/CellColumn.h"
#include "forms/ColumnText.h"
#include "forms/DepthLabels.h"
#include "forms/GeologyPattern.h"
#include "forms/LayerRows.h"
#include "forms/RockColumns.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr int kElevationColumn = 2;
constexpr int kDepthColumn = 3;
constexpr int kGeologyColumn = 4;
constexpr int kNameColumn = 5;
constexpr double kPatternInset = 0.1;  // the pattern stops short of the column's right line
constexpr double kNameEndPiece = 1.0;
constexpr double kTextMargin = 0.15;
constexpr double kHatchStep = 1.5;     // mm of paper between the hatch lines of a fault zone
constexpr Colour kWhite = 0xFFFFFF;

struct Range {
  double top;
  double bottom;
};

// The part of a range that the page shows; empty when bottom <= top.
Range OnPage(const SheetPass& pass, double top, double bottom) {
  return {std::max(top, pass.pageTop), std::min(bottom, pass.pageBottom)};
}

// A cross-hatched band of the geology column: lines at 45 degrees on paper both
// ways, kHatchStep apart.
void DrawHatch(Canvas& dc, double x1, double y1, double x2, double y2) {
  const PageTransform& t = dc.transform;
  if (t.xFactor <= 0.0001 || t.yFactor <= 0.0001) return;
  const double paperPerX = t.xFactor / t.pxPerMmX;  // mm of paper per world x unit
  const double paperPerY = t.yFactor / t.pxPerMmY;  // mm of paper per metre
  const double step = kHatchStep / paperPerX;
  const double run = (y2 - y1) * paperPerY / paperPerX;  // x run of a 45 degree line over the band
  ClipToRect(dc, x1, y1, x2, y2);
  for (double c = x1 - run; c < x2; c += step) {
    DrawLine(dc, c, y1, c + run, y2, PS_SOLID, 1, 0);
    DrawLine(dc, c + run, y1, c, y2, PS_SOLID, 1, 0);
  }
  RestoreClip(dc);
}

void DrawFaultZones(Canvas& dc, const SheetPass& pass) {
  const TextTable& faults = pass.sheet.record.FaultZoneTable;
  const ColumnGeometry& g = pass.columns;
  const double x1 = g.Left(kGeologyColumn);
  const double x2 = g.Right(kGeologyColumn) - kPatternInset;
  const int w = pass.sheet.settings.ruleLineWidth;
  for (int row = 1; row <= faults.RowCount(); ++row) {
    const double top = TextToDouble(faults.get(row, fault_zone::kTopDepth));
    const double bottom = TextToDouble(faults.get(row, fault_zone::kBottomDepth));
    const Range r = OnPage(pass, std::min(top, bottom), std::max(top, bottom));
    if (r.bottom <= r.top) continue;
    FillRect(dc, x1, r.top, x2, r.bottom, PS_SOLID, w, 0, kWhite);
    DrawHatch(dc, x1, r.top, x2, r.bottom);
  }
}

void DrawBoundaryLabels(Canvas& dc, const SheetPass& pass, const std::vector<Layer>& layers) {
  const ColumnGeometry& g = pass.columns;
  std::vector<double> depths;
  for (const Layer& l : layers) {
    if (l.boundary && BoundaryInPage(pass, l.bottom)) depths.push_back(l.bottom);
  }
  const std::vector<double> base = BoundaryLabelBaselines(pass, depths);
  SetTextAlign(dc, TA_CENTER | TA_BOTTOM);
  for (std::size_t i = 0; i < depths.size(); ++i) {
    const std::string texts[] = {FormatDepthOrElevation(pass, depths[i], 7, 2, true),
                                 Format("%5.2f", depths[i])};
    const int columns[] = {kElevationColumn, kDepthColumn};
    for (int c = 0; c < 2; ++c) {
      DrawFittedText(dc, pass, g.Centre(columns[c]), base[i], TrimBlanks(texts[c]),
                     g.Width(columns[c]) - 2.0 * kTextMargin);
    }
  }
}

// Rock names and fault-zone texts in column 5, from the top down.
void DrawNames(Canvas& dc, const SheetPass& pass, const std::vector<Layer>& layers) {
  struct Item {
    double top;
    double bottom;
    std::string text;
    bool layer;
  };
  const BoringRecord& record = pass.sheet.record;
  std::vector<Item> items;
  for (const Layer& l : layers) {
    if (l.boundary) items.push_back({l.layerTop, l.bottom, LayerNameText(record.LayerTable, l.row, pass.sheet.settings), true});
  }
  const TextTable& faults = record.FaultZoneTable;
  for (int row = 1; row <= faults.RowCount(); ++row) {
    const double a = TextToDouble(faults.get(row, fault_zone::kTopDepth));
    const double b = TextToDouble(faults.get(row, fault_zone::kBottomDepth));
    items.push_back({std::min(a, b), std::max(a, b), faults.get(row, fault_zone::kProperty), false});
  }
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.top < b.top; });
  const ColumnGeometry& g = pass.columns;
  CellColumn names(dc, pass, {g.Left(kNameColumn), g.Right(kNameColumn), kNameEndPiece, false});
  for (const Item& item : items) {
    if (item.layer) {
      names.AddCell(item.top, item.bottom, item.text, true);
    } else {
      names.AddText(item.top, item.bottom, item.text);
    }
  }
}

}  // namespace

void DrawRockLayerColumns(Canvas& dc, SheetPass& pass) {
  const TextTable& table = pass.sheet.record.LayerTable;
  const ColumnGeometry& g = pass.columns;
  const int w = pass.sheet.settings.ruleLineWidth;
  const unsigned align = dc.surface.TextAlign();
  const std::vector<Layer> layers = LayersOf(table);
  ClipToRect(dc, 0.0, pass.pageTop, pass.sheet.page.ScreenSheetWidthMm, pass.pageBottom);

  // Geology column: each layer's pattern and the column's left line, held to the
  // page; rows that only change the colour belong to the layer below them.
  const double x1 = g.Left(kGeologyColumn);
  const double x2 = g.Right(kGeologyColumn) - kPatternInset;
  for (const Layer& l : layers) {
    if (!l.boundary) continue;
    const Range r = OnPage(pass, l.layerTop, l.bottom);
    if (r.bottom <= r.top) continue;
    ClipToRect(dc, x1, r.top, x2, r.bottom);
    DrawGeologyPattern(dc, pass, table.get(l.row, layer::kPatternCode1), table.get(l.row, layer::kPatternCode2), x1,
                       r.top, x2, r.bottom);
    RestoreClip(dc);
    DrawLine(dc, x1, r.top, x1, r.bottom, PS_SOLID, w, 0);
  }
  DrawFaultZones(dc, pass);

  // Boundary lines across columns 2 to 4 and the top line of the geology column.
  for (const Layer& l : layers) {
    if (!l.boundary || !BoundaryInPage(pass, l.bottom)) continue;
    DrawLine(dc, g.Left(kElevationColumn), l.bottom, g.Right(kGeologyColumn), l.bottom, PS_SOLID, w, 0);
  }
  if (!layers.empty() && layers.front().top >= pass.pageTop && layers.front().top < pass.pageBottom) {
    DrawLine(dc, x1, layers.front().top, g.Right(kGeologyColumn), layers.front().top, PS_SOLID, w, 0);
  }
  DrawBoundaryLabels(dc, pass, layers);
  DrawNames(dc, pass, layers);

  RestoreClip(dc);
  SetTextAlign(dc, align);
}

}  // namespace tesmor
