// The N-value plot of a graph column (soil column 20, rock column 21): one point
// per standard penetration test at one millimetre per blow, joined in depth order,
// with the point markers, the overflow arrows of tests above the blow limit and the
// notes of tests without blows ("自沈") or without penetration ("貫入不能").
//
//   std::vector<NValuePoint> points;
//   for (each test) points.push_back(NValuePointOf(total, start));
//   DrawNValuePlot(dc, pass, NValuePlotStyleOf(pass, graphLeft), points);
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "forms/SheetPass.h"
#include "settings/Settings.h"

namespace tesmor {

// The N value of a blow-count text converted to 30 cm, its penetration, and the
// depth of its plot point: the middle of the actual penetration.
struct NValuePoint {
  double nValue = 0.0;
  int penetration = 30;  // cm
  double y = 0.0;
};

// The point of a test that starts at `start` (m) with the total blow-count text
// `total` ("50/12", or "12" for 12 blows over 30 cm).
NValuePoint NValuePointOf(std::string_view total, double start);

// The blow limit of the plot: 50, or 60 when maxBlowCountChoice is 1.
int BlowLimit(const Settings& settings);

struct NValuePlotStyle {
  double graphLeft = 0.0;  // x of N = 0
  double unit = 1.0;       // x per blow: one millimetre, or one division of a graph of other scale
  int blowLimit = 50;      // points above it stand at the limit with an arrow
  int overflowSymbol = 1;  // plotOverflowSymbol: 0 "○", 1 "－,→", 2 "－,→と○"
  bool blackDot = true;    // plotNAsBlackDot
  int lineWidth = 1;       // nValuePlotWidth
  std::string noteZeroBlows = "自沈";
  std::string noteZeroPenetration = "貫入不能";
  double charHeight = 0.0;  // of the notes' font
};

// The style the settings of the page give, on a graph whose N = 0 lies at graphLeft.
NValuePlotStyle NValuePlotStyleOf(const SheetPass& pass, double graphLeft);

// x of a point on the graph: graphLeft + N × unit, N held to 0 ... blowLimit.
double NValuePlotX(const NValuePlotStyle& style, double nValue);

// Draws the points (in the order given, normally by depth): the joining lines, the
// markers and the notes. Points far outside the page are skipped. Leaves the text
// alignment as it found it.
void DrawNValuePlot(Canvas& dc, const SheetPass& pass, const NValuePlotStyle& style,
                    std::span<const NValuePoint> points);

}  // namespace tesmor
