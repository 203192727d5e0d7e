#include "forms/WaterLevels.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/ColumnText.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr double kHighestLevel = -6.0;     // levels further above the collar are not drawn
constexpr double kUnclippedRange = 0.5;    // below the page top, drawn again unclipped
constexpr double kSymbolInset = 1.2;       // symbol centre from the column's left edge
constexpr double kTriangleHalf = 0.8;
constexpr double kTriangleHeight = 0.16;
constexpr double kLevelLineHalf = 1.6;
constexpr double kLabelInset = 0.6;        // labels from the column's left edge
constexpr double kTextMargin = 0.1;        // texts keep this far from the column's edges
constexpr double kBelowSymbol = 0.12;      // first line below the symbol
constexpr double kAboveStep = 0.8;         // baselines above the symbol, in character heights

struct Line {
  std::string text;
  bool right = false;  // right-aligned at the column's right edge
};

// One level and where its texts go.
struct Level {
  int row = 0;
  double y = 0.0;             // symbol; a level above the collar stands at the collar
  std::vector<Line> above;    // nearest the symbol first
  std::vector<Line> below;
  double belowTop = 0.0;
};

struct Column {
  double left = 0.0;
  double right = 0.0;
};

Column WaterColumn(const SheetPass& pass) {
  const int k = pass.columns.roles.waterLevel;
  return {pass.columns.Left(k), pass.columns.Right(k)};
}

void AddKindLines(Canvas& dc, const Column& c, const std::string& kind, bool right,
                  std::vector<Line>& to) {
  for (std::string& text : BreakIntoLines(dc, kind, c.right - c.left - kTextMargin)) {
    to.push_back(Line{std::move(text), right});
  }
}

std::vector<Level> LayOutLevels(Canvas& dc, const SheetPass& pass) {
  const TextTable& table = pass.sheet.record.WaterLevelTable;
  const Column c = WaterColumn(pass);
  const double h = pass.charHeight;
  std::vector<Level> levels;
  for (int row = 1; row <= table.RowCount(); ++row) {
    const double d = -TextToDouble(table.get(row, water_level::kLevel));
    if (d < kHighestLevel) continue;
    const int flags = TextToInt(table.get(row, water_level::kPresence));
    Level level;
    level.row = row;
    level.y = std::max(d, 0.0);
    if (flags & water_level::bit::kShowsLevel) {
      level.above.push_back({d >= 0.0 ? Format("%4.2f", d) : Format("%+4.2f", -d)});
    }
    if ((flags & water_level::bit::kShowsDate) && !TrimBlanks(table.get(row, water_level::kDate)).empty()) {
      level.above.push_back({table.get(row, water_level::kDate)});
    }
    const std::string& kind = table.get(row, water_level::kKind);
    if (!TrimBlanks(kind).empty()) {
      if ((flags & water_level::bit::kKindBelow) || flags < water_level::bit::kKindBelow) {
        AddKindLines(dc, c, kind, false, level.below);
      } else if (flags & water_level::bit::kKindAbove) {
        AddKindLines(dc, c, kind, true, level.above);
      } else if (flags & water_level::bit::kKindRight) {
        AddKindLines(dc, c, kind, true, level.below);
      }
    }
    levels.push_back(std::move(level));
  }
  std::stable_sort(levels.begin(), levels.end(),
                   [](const Level& a, const Level& b) { return a.y < b.y; });

  // Texts of one level never run into those of the level above it.
  const double ascent = FontAscent(dc);
  double used = -1.0e9;
  for (Level& level : levels) {
    const double aboveTop = level.y - kAboveStep * h * static_cast<double>(level.above.size()) - ascent;
    // Levels on the page keep their texts below its top.
    const double limit = level.y >= pass.pageTop ? std::max(used, pass.pageTop) : used;
    if (!level.above.empty() && aboveTop < limit) {
      level.below.insert(level.below.begin(), level.above.begin(), level.above.end());
      level.above.clear();
    }
    level.belowTop = std::max(level.y + kBelowSymbol, used);
    used = level.below.empty() ? std::max(used, level.y + kBelowSymbol)
                               : level.belowTop + h * static_cast<double>(level.below.size());
  }
  return levels;
}

double LineX(Canvas& dc, const Column& c, const Line& line) {
  const double width = FittedWidth(dc, line.text, c.right - c.left - 2.0 * kTextMargin);
  if (line.right) return std::max(c.right - kTextMargin - width, c.left + kTextMargin);
  // Left at the label position, moved left when the text is wider than the room right
  // of it.
  return std::max(std::min(c.left + kLabelInset, c.right - kTextMargin - width), c.left + kTextMargin);
}

void DrawSymbol(Canvas& dc, const SheetPass& pass, double cx, double y) {
  const int w = pass.sheet.settings.ruleLineWidth;
  const double top = y - kTriangleHeight;
  DrawLine(dc, cx, y, cx - kTriangleHalf, top, PS_SOLID, w, 0);
  DrawLine(dc, cx - kTriangleHalf, top, cx + kTriangleHalf, top, PS_SOLID, w, 0);
  DrawLine(dc, cx + kTriangleHalf, top, cx, y, PS_SOLID, w, 0);
  DrawLine(dc, cx - kLevelLineHalf, y, cx + kLevelLineHalf, y, PS_SOLID, w, 0);
  DrawLine(dc, cx - 0.8, y + 0.04, cx + 0.8, y + 0.04, PS_SOLID, w, 0);
  DrawLine(dc, cx - 0.2, y + 0.08, cx + 0.2, y + 0.08, PS_SOLID, w, 0);
}

void DrawLevel(Canvas& dc, const SheetPass& pass, const Level& level) {
  const Column c = WaterColumn(pass);
  const double h = pass.charHeight;
  DrawSymbol(dc, pass, c.left + kSymbolInset, level.y);
  SetTextAlign(dc, TA_LEFT | TA_BASELINE);
  double baseline = level.y;
  for (const Line& line : level.above) {
    baseline -= kAboveStep * h;
    DrawFittedText(dc, pass, LineX(dc, c, line), baseline, line.text, c.right - c.left - 2.0 * kTextMargin);
  }
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  double top = level.belowTop;
  for (const Line& line : level.below) {
    DrawFittedText(dc, pass, LineX(dc, c, line), top, line.text, c.right - c.left - 2.0 * kTextMargin);
    top += h;
  }
}

void DrawLevels(Canvas& dc, SheetPass& pass, bool unclipped) {
  const unsigned align = dc.surface.TextAlign();
  for (const Level& level : LayOutLevels(dc, pass)) {
    const double bottom = level.belowTop + pass.charHeight * static_cast<double>(level.below.size());
    if (unclipped ? (level.y < pass.pageTop || level.y > pass.pageTop + kUnclippedRange)
                  : !TouchesPage(pass, level.y, bottom)) {
      continue;
    }
    DrawLevel(dc, pass, level);
  }
  SetTextAlign(dc, align);
}

}  // namespace

void DrawWaterLevels(Canvas& dc, SheetPass& pass) { DrawLevels(dc, pass, false); }

void DrawWaterLevelsUnclipped(Canvas& dc, SheetPass& pass) { DrawLevels(dc, pass, true); }

}  // namespace tesmor
