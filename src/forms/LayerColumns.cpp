// The layer columns of the soil form (LayerTable): elevation, thickness and depth of
// each boundary (columns 2 to 4), the geology column (5), the soil classification
// (6) and the colour tone (7). Drawn after the body's clip is removed, so that
// boundary texts near the page's edges stay whole; everything else is held to the
// page's depth range here.
#include <algorithm>
#include <string>
#include <vector>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/ColumnText.h"
#include "forms/DepthLabels.h"
#include "forms/GeologyPattern.h"
#include "forms/LayerRows.h"
#include "forms/SoilColumns.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr int kElevationColumn = 2;
constexpr int kThicknessColumn = 3;
constexpr int kDepthColumn = 4;
constexpr int kGeologyColumn = 5;
constexpr int kNameColumn = 6;
constexpr int kColourColumn = 7;
constexpr int kDensityColumn = 8;
constexpr double kPatternInset = 0.1;   // the pattern stops short of the column's right line
constexpr double kTextMargin = 0.15;    // texts keep this far from the column lines
constexpr double kBoundaryInset = 0.6;  // the name column's boundary is drawn in three pieces

// Texts of one column placed inside their layers: above the layer's bottom when the
// layer (or the part of it the page shows) is thick enough, else from its top, and
// never over the text above.
class CellTexts {
 public:
  CellTexts(Canvas& dc, const SheetPass& pass, int k) : dc_(dc), pass_(pass), k_(k), used_(pass.pageTop) {}

  void Add(double layerTop, double layerBottom, std::string_view text) {
    const double left = pass_.columns.Left(k_) + kTextMargin;
    const double width = pass_.columns.Width(k_) - 2.0 * kTextMargin;
    if (!TouchesPage(pass_, layerTop, layerBottom, 0.0) && layerBottom < used_) return;
    const auto lines = BreakIntoLines(dc_, text, width);
    if (lines.empty()) return;
    const double h = pass_.charHeight;
    const double height = h * static_cast<double>(lines.size());
    const double top = std::max(layerTop, pass_.pageTop);
    const double bottom = std::min(layerBottom, pass_.pageBottom);
    double y = bottom - top >= height ? bottom - height : top;
    y = std::max(y, used_);
    if (y > pass_.pageBottom) return;
    for (const std::string& line : lines) {
      if (y + h > pass_.pageTop && y < pass_.pageBottom) DrawTextAt(dc_, left, y, line);
      y += h;
    }
    used_ = y;
  }

 private:
  Canvas& dc_;
  const SheetPass& pass_;
  int k_;
  double used_;
};

// Elevation, thickness and depth above each boundary inside the page; labels that
// would meet the next one are moved up (and down again from the page top when they
// would leave it), so that they never overlap.
void DrawBoundaryTexts(Canvas& dc, const SheetPass& pass, const std::vector<Layer>& layers) {
  const ColumnGeometry& g = pass.columns;
  const int w = pass.sheet.settings.ruleLineWidth;
  std::vector<const Layer*> shown;
  std::vector<double> depths;
  for (const Layer& l : layers) {
    if (l.boundary && BoundaryInPage(pass, l.bottom)) {
      shown.push_back(&l);
      depths.push_back(l.bottom);
    }
  }
  const std::vector<double> base = BoundaryLabelBaselines(pass, depths);
  SetTextAlign(dc, TA_CENTER | TA_BOTTOM);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const Layer& l = *shown[i];
    const double b = l.bottom;
    DrawLine(dc, g.Left(kElevationColumn), b, g.Left(kGeologyColumn), b, PS_SOLID, w, 0);
    DrawLine(dc, g.Left(kDensityColumn), b, g.Right(kDensityColumn + 1), b, PS_SOLID, w, 0);
    const std::string texts[] = {
        FormatDepthOrElevation(pass, b, 7, 2, true), Format("%4.2f", b - l.layerTop),
        Format("%5.2f", b)};
    const int columns[] = {kElevationColumn, kThicknessColumn, kDepthColumn};
    for (int c = 0; c < 3; ++c) {
      DrawFittedText(dc, pass, g.Centre(columns[c]), base[i], TrimBlanks(texts[c]),
                     g.Width(columns[c]) - 2.0 * kTextMargin);
    }
  }
}

}  // namespace

void DrawLayerColumns(Canvas& dc, SheetPass& pass) {
  const TextTable& t = pass.sheet.record.LayerTable;
  const Settings& s = pass.sheet.settings;
  const ColumnGeometry& g = pass.columns;
  const int w = s.ruleLineWidth;
  const unsigned align = dc.surface.TextAlign();
  const std::vector<Layer> layers = LayersOf(t);

  // Geology column and the layer lines, held to the page. Rows that only change the
  // colour belong to the layer below them.
  for (const Layer& l : layers) {
    if (!l.boundary) continue;
    const double top = std::max(l.layerTop, pass.pageTop);
    const double bottom = std::min(l.bottom, pass.pageBottom);
    if (bottom <= top) continue;
    const double x1 = g.Left(kGeologyColumn);
    const double x2 = g.Right(kGeologyColumn) - kPatternInset;
    ClipToRect(dc, x1, top, x2, bottom);
    DrawGeologyPattern(dc, pass, t.get(l.row, layer::kPatternCode1), t.get(l.row, layer::kPatternCode2), x1, top, x2,
                       bottom);
    RestoreClip(dc);
    DrawLine(dc, x1, top, x1, bottom, PS_SOLID, w, 0);
  }
  for (const Layer& l : layers) {
    if (!BoundaryInPage(pass, l.bottom)) continue;
    const double b = l.bottom;
    const double left = g.Left(kNameColumn);
    const double right = g.Right(kNameColumn);
    DrawLine(dc, right, b, g.Right(kColourColumn), b, PS_SOLID, w, 0);
    if (!l.boundary) continue;
    DrawLine(dc, g.Left(kGeologyColumn), b, g.Right(kGeologyColumn), b, PS_SOLID, w, 0);
    DrawLine(dc, left, b, left + kBoundaryInset, b, PS_SOLID, w, 0);
    DrawLine(dc, left + kBoundaryInset, b, right - 1.0, b, PS_SOLID, w, 0);
    DrawLine(dc, right - 1.0, b, right, b, PS_SOLID, w, 0);
  }
  if (!layers.empty() && layers.front().top >= pass.pageTop && layers.front().top < pass.pageBottom) {
    DrawLine(dc, g.Left(kGeologyColumn), layers.front().top, g.Right(kGeologyColumn),
             layers.front().top, PS_SOLID, w, 0);
  }
  DrawBoundaryTexts(dc, pass, layers);

  // Soil classification and colour tone.
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  CellTexts names(dc, pass, kNameColumn);
  CellTexts colours(dc, pass, kColourColumn);
  for (const Layer& l : layers) {
    if (l.boundary) names.Add(l.layerTop, l.bottom, LayerNameText(t, l.row, s));
    colours.Add(l.top, l.bottom, t.get(l.row, layer::kColourTone));
  }
  SetTextAlign(dc, align);
}

}  // namespace tesmor
