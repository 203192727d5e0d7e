// N values of the rock form (SptTable): the total blows over the total penetration
// as a fraction in column 19 at the middle of the test, and the N value plotted on
// the graph of column 21 with the soil form's markers, joining line, blow limit and
// overflow arrows.
//
// The graph has 50 or 60 divisions (rockLugeonScale) on its 50 mm; a point lies at
// one division per blow, so that it reads against the scale of the heading, and
// the blow limit never passes the graph's right edge.
//
// With rockSptDepthData, column 20 lists from the test's start depth down: the start
// depth (1), the blows of the three 10 cm parts, one a line, with their penetration
// when it is not 10 cm (2), or both (3), each line in a smaller size when it is wider
// than the column.
#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/ColumnText.h"
#include "forms/DepthLabels.h"
#include "forms/FittedText.h"
#include "forms/NValuePlot.h"
#include "forms/RockColumns.h"
#include "record/SjisText.h"
#include "record/SptText.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr int kValueColumn = 19;
constexpr int kDepthDataColumn = 20;
constexpr int kNominalCm = 30;
constexpr int kPartCm = 10;
constexpr int kBlowCap = 999;
constexpr double kStrokeLeft = 1.5;
constexpr double kStrokeRight = 1.0;
constexpr double kStrokeRise = 0.04;
constexpr double kTextPad = 0.2;
constexpr int kTextPartBytes = 3;
constexpr double kLookAboveLines = 40.0;

enum DepthData { kNoDepthData = 0, kStartDepth = 1, kPartBlows = 2, kBoth = 3 };

void DrawFraction(Canvas& dc, const SheetPass& pass, double y, std::string_view total) {
  const ColumnGeometry& g = pass.columns;
  const double centre = g.Centre(kValueColumn);
  const double width = g.Width(kValueColumn) - kTextPad;
  SetTextAlign(dc, TA_CENTER | TA_BOTTOM);
  DrawFittedText(dc, pass, centre, y, Format("%3d", BlowCountOf(total, kBlowCap)), width);
  DrawLine(dc, g.Left(kValueColumn) + kStrokeLeft, y, g.Right(kValueColumn) - kStrokeRight, y - kStrokeRise,
           PS_SOLID, pass.sheet.settings.ruleLineWidth, 0);
  SetTextAlign(dc, TA_CENTER | TA_TOP);
  DrawFittedText(dc, pass, centre, y, Format("%3d", PenetrationOf(total, kNominalCm)), width);
}

// The blows of a 10 cm part, with its penetration when that is not 10 cm; the first
// bytes of a text that is not a number.
std::string PartText(std::string_view part) {
  const std::string_view text = TrimBlanks(part);
  if (text.empty()) return "";
  if (StartsLikeNumber(text) <= 0) return std::string(SjisPrefix(text, kTextPartBytes));
  const int penetration = PenetrationOf(text, kPartCm);
  const int blows = BlowCountOf(text, kBlowCap);
  return penetration == kPartCm ? Format("%d", blows) : Format("%d/%d", blows, penetration);
}

std::string DepthDataText(const SheetPass& pass, const TextTable& table, int row, double start, int mode) {
  std::string text;
  if (mode == kStartDepth || mode == kBoth) text = std::string(TrimBlanks(FormatDepthOrElevation(pass, start, 5)));
  if (mode == kPartBlows || mode == kBoth) {
    std::string parts;
    bool any = false;
    for (int column = spt::kBlows0To10; column <= spt::kBlows20To30; ++column) {
      const std::string part = PartText(table.get(row, column));
      any = any || !part.empty();
      parts += (column > spt::kBlows0To10 ? "\r\n" : "") + (part.empty() ? std::string(" ") : part);
    }
    if (any) text += (text.empty() ? "" : "\r\n") + parts;
  }
  return text;
}

}  // namespace

void DrawRockSpt(Canvas& dc, SheetPass& pass) {
  const TextTable& table = pass.sheet.record.SptTable;
  const int mode = pass.sheet.settings.rockSptDepthData;
  NValuePlotStyle style = NValuePlotStyleOf(pass, pass.graph.left);
  style.unit = pass.graph.Division();
  style.blowLimit = std::min(style.blowLimit, pass.graph.divisions);

  std::vector<NValuePoint> points;
  double used = std::numeric_limits<double>::lowest();
  const double dataX = pass.columns.Centre(kDepthDataColumn);
  const double dataWidth = pass.columns.Width(kDepthDataColumn) - 2.0 * kTextPad;
  const double lookAbove = kLookAboveLines * pass.charHeight;  // texts further up cannot reach the page
  const int rows = table.RowCount();
  for (int row = 1; row <= rows; ++row) {
    const std::string& total = table.get(row, spt::kTotal);
    if (StartsLikeNumber(total) <= 0) continue;
    const double start = TextToDouble(table.get(row, spt::kStartDepth));
    const NValuePoint point = NValuePointOf(total, start);
    points.push_back(point);
    if (TouchesPage(pass, point.y, point.y)) DrawFraction(dc, pass, point.y, total);

    if (mode < kStartDepth || mode > kBoth || start < pass.pageTop - lookAbove || start > pass.pageBottom) continue;
    const std::string text = DepthDataText(pass, table, row, start, mode);
    if (text.empty()) continue;
    const TextBlock block = FitTextBlock(dc, pass, text, dataWidth);
    const double top = std::max(start, used);
    used = top + block.Height();
    if (TouchesPage(pass, top, used)) DrawTextBlock(dc, pass, block, dataX, top, TA_CENTER);
  }
  DrawNValuePlot(dc, pass, style, points);
}

}  // namespace tesmor
