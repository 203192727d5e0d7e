// Standard penetration tests (SptTable), columns 14 to 20 of the soil form.
#include <algorithm>
#include <cmath>
#include <vector>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/ColumnText.h"
#include "forms/DepthLabels.h"
#include "forms/NValuePlot.h"
#include "forms/SoilColumns.h"
#include "record/SjisText.h"
#include "record/SptText.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr int kDepthColumn = 14;
constexpr int kFirstPartColumn = 15;  // 0-10, 10-20, 20-30 cm in columns 15 to 17
constexpr int kTotalColumn = 18;
constexpr int kNColumn = 19;
constexpr int kNominalCm = 30;
constexpr int kPartCm = 10;
constexpr int kBlowCap = 999;
constexpr double kShortestInterval = 0.03;
constexpr double kLongestInterval = 0.9;
constexpr double kBarWidth = 0.5;
constexpr double kRuleRise = 0.04;
constexpr double kTextMargin = 0.1;
// N values above this are printed as "- " (no penetration).
constexpr double kNoNValue = 2100.0;

// Depth labels of column 14: soilSptDepthPosition 0 above the end line, 1 below it,
// 2 none.
constexpr int kEndDepthAbove = 0;
constexpr int kEndDepthNone = 2;

double Interval(int penetration) {
  return std::clamp(penetration * 0.01, kShortestInterval, kLongestInterval);
}

// Text that fits column k, drawn with the alignment in force.
void DrawInColumn(Canvas& dc, const SheetPass& pass, int k, double y, std::string_view text) {
  DrawFittedText(dc, pass, pass.columns.Centre(k), y, text, pass.columns.Width(k) - 2.0 * kTextMargin);
}

// A blow-count text of a part (columns 15 to 17) or of the total (column 18) at the
// label line yL: not numeric-looking, its first three bytes; "n/d", n over d; "n", n
// alone, over 30 for the total.
void DrawBlowCount(Canvas& dc, const SheetPass& pass, int k, double yL, std::string_view text,
                   bool total) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.empty()) return;
  const int w = pass.sheet.settings.ruleLineWidth;
  SetTextAlign(dc, TA_CENTER | TA_BOTTOM);
  if (StartsLikeNumber(trimmed) <= 0) {
    DrawInColumn(dc, pass, k, yL, SjisPrefix(trimmed, 3));
    return;
  }
  const bool slash = trimmed.find('/') != std::string_view::npos;
  DrawInColumn(dc, pass, k, yL, Format("%d", BlowCountOf(trimmed, kBlowCap)));
  if (!slash && !total) return;
  const double left = pass.columns.Left(k);
  const double right = pass.columns.Right(k);
  DrawLine(dc, left + (slash ? 1.0 : 1.5), yL, right - 1.0, yL - kRuleRise, PS_SOLID, w, 0);
  SetTextAlign(dc, TA_CENTER | TA_TOP);
  DrawInColumn(dc, pass, k, yL,
               Format("%d", slash ? PenetrationOf(trimmed, total ? kNominalCm : kPartCm) : kNominalCm));
}

std::string NValueText(double n) {
  if (n > kNoNValue) return "- ";
  if (std::fabs(n - std::round(n)) < 0.001) return Format("%d ", static_cast<int>(std::round(n)));
  return Format("%.1f", n);
}

}  // namespace

void DrawSptColumns(Canvas& dc, SheetPass& pass) {
  const TextTable& table = pass.sheet.record.SptTable;
  const Settings& s = pass.sheet.settings;
  const ColumnGeometry& g = pass.columns;
  const int w = s.ruleLineWidth;
  const double h = pass.charHeight;
  const unsigned align = dc.surface.TextAlign();
  std::vector<NValuePoint> points;
  double lastEndLabel = -1.0e9;  // y of the previous end-depth label (below its line)
  for (int row = 1; row <= table.RowCount(); ++row) {
    const std::string& totalText = table.get(row, spt::kTotal);
    if (StartsLikeNumber(totalText) <= 0) continue;
    const double start = TextToDouble(table.get(row, spt::kStartDepth));
    const NValuePoint point = NValuePointOf(totalText, start);
    points.push_back(point);
    const double interval = Interval(point.penetration);
    const double end = start + interval;
    if (!TouchesPage(pass, start, end)) continue;
    const double yL = std::min(start + interval / 2.0, end - h);

    // Start line and depth; the interval bar and the end line and depth.
    DrawLine(dc, g.Left(kDepthColumn), start, g.Right(kDepthColumn), start, PS_SOLID, w, 0);
    const std::string startLabel = FormatDepthOrElevation(pass, start, 5);
    SetTextAlign(dc, TA_CENTER | TA_BOTTOM);
    // A test that starts where the previous one ended has its depth printed once.
    if (s.soilSptDepthPosition == kEndDepthAbove || !(std::fabs(lastEndLabel - start) < 0.001)) {
      DrawInColumn(dc, pass, kDepthColumn, start, startLabel);
    }
    FillRect(dc, g.Left(kDepthColumn), start, g.Left(kDepthColumn) + kBarWidth, end, PS_SOLID, 1, 0, 0);
    DrawLine(dc, g.Left(kDepthColumn), end, g.Left(kTotalColumn), end, PS_SOLID, w, 0);
    if (s.soilSptDepthPosition != kEndDepthNone) {
      const double endDepth = start + point.penetration * 0.01;
      const bool above = s.soilSptDepthPosition == kEndDepthAbove;
      SetTextAlign(dc, TA_CENTER | (above ? TA_BOTTOM : TA_TOP));
      DrawInColumn(dc, pass, kDepthColumn, end, FormatDepthOrElevation(pass, endDepth, 5));
      lastEndLabel = above ? -1.0e9 : end;
    }

    // Blow counts of the three parts and the total, and the N value.
    for (int part = 0; part < 3; ++part) {
      DrawBlowCount(dc, pass, kFirstPartColumn + part, yL, table.get(row, spt::kBlows0To10 + part), false);
    }
    DrawBlowCount(dc, pass, kTotalColumn, yL, totalText, true);
    if (s.printConvertedN != 0) {
      SetTextAlign(dc, TA_CENTER | TA_TOP);
      DrawInColumn(dc, pass, kNColumn, yL, NValueText(point.nValue));
    }
  }
  DrawNValuePlot(dc, pass, NValuePlotStyleOf(pass, pass.graph.left), points);
  SetTextAlign(dc, align);
}

}  // namespace tesmor
