// In-situ tests (InSituTable), columns 21 to 23 of the soil form: a line across the
// depth column at the test's depth with the depth above it, and the test's result
// and name in the test column. The result stands above the depth line and the name
// below it; for the kinds "Ｋ値", "透水" and "水圧" the name stands above and the
// result under it, so that the value reads as the kind's figure. Texts of a test
// that would meet those of the test above move down below them.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/ColumnText.h"
#include "forms/DepthLabels.h"
#include "forms/SoilColumns.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr int kDepthColumn = 21;
constexpr int kTestColumn = 23;
constexpr double kInset = 0.5;
constexpr double kTextMargin = 0.15;
constexpr double kNameGap = 0.05;
constexpr std::array<std::string_view, 3> kKindsNamedFirst = {"Ｋ値", "透水", "水圧"};

bool NamedFirst(std::string_view name) {
  return std::any_of(kKindsNamedFirst.begin(), kKindsNamedFirst.end(),
                     [&](std::string_view kind) { return name.find(kind) != std::string_view::npos; });
}

}  // namespace

void DrawInSituColumns(Canvas& dc, SheetPass& pass) {
  const TextTable& table = pass.sheet.record.InSituTable;
  const ColumnGeometry& g = pass.columns;
  const int w = pass.sheet.settings.ruleLineWidth;
  const double h = pass.charHeight;
  const double x = g.Left(kTestColumn) + kInset;
  const double room = g.Right(kTestColumn) - kTextMargin - x;
  const unsigned align = dc.surface.TextAlign();
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  double used = -1.0e9;
  for (int row = 1; row <= table.RowCount(); ++row) {
    const double d = TextToDouble(table.get(row, in_situ::kTopDepth));
    const std::string_view result = TrimBlanks(table.get(row, in_situ::kSoilResult));
    const std::string_view name = TrimBlanks(table.get(row, in_situ::kSoilTestName));
    std::string_view first = result;
    std::string_view second = name;
    if (NamedFirst(name)) std::swap(first, second);
    // The first text ends at the depth line, the second starts just below it.
    double y1 = std::max(d - h, used);
    double y2 = std::max(d + kNameGap, y1 + (first.empty() ? 0.0 : h));
    used = y2 + (second.empty() ? 0.0 : h);
    if (!TouchesPage(pass, std::min(y1, d), used)) continue;

    DrawLine(dc, g.Left(kDepthColumn), d, g.Right(kDepthColumn), d, PS_SOLID, w, 0);
    DrawLine(dc, g.Left(kDepthColumn + 1), d, x - kInset / 2.0, d, PS_SOLID, w, 0);
    SetTextAlign(dc, TA_CENTER | TA_BOTTOM);
    DrawFittedText(dc, pass, g.Centre(kDepthColumn), d, TrimBlanks(FormatDepthOrElevation(pass, d, 5)),
                   g.Width(kDepthColumn) - 2.0 * kTextMargin);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    if (!first.empty()) DrawFittedText(dc, pass, x, y1, first, room);
    if (!second.empty()) DrawFittedText(dc, pass, x, y2, second, room);
  }
  SetTextAlign(dc, align);
}

}  // namespace tesmor
