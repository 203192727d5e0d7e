// Drilling conditions (DrillingConditionTable) and drilling progress
// (DrillingProgressTable) in the 掘進状況 columns 24 to 32.
//
// A value is shown when its presence bit is set or its cell holds a text, so that
// tables filled without presence bits lose nothing. Values stand above a line
// across their column at the row's depth, right-aligned, in a smaller size when
// they are wider than the column; a value that would run into the one above it in
// the same column stands below its line instead. The rows need not be in depth
// order.
//
// The wall protection (column 26), the core tube and bit (column 27) and the water
// kind (column 31) are written downwards, one character under the other, ending at
// the row's depth (above the diameter, or the water supply, written there) and
// starting below the previous row's depth: a text longer than its range is set
// smaller, or in two lines read from right to left. The water kind has a 3 mm line
// at its depth, the others a line across their column.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/ColumnText.h"
#include "forms/DateFraction.h"
#include "forms/DecimalsSetting.h"
#include "forms/GeologicalAge.h"
#include "forms/RockColumns.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr int kDateColumn = 24;
constexpr int kDiameterColumn = 26;
constexpr int kTubeColumn = 27;
constexpr int kWaterKindColumn = 31;  // beside the water supply
constexpr double kWaterKindLine = 3.0;
constexpr double kTextPad = 0.2;
constexpr double kStackPad = 0.3;  // stacked texts keep this far from the column lines
constexpr double kSingleLineScale = 0.7;  // a stack is set this much smaller before it takes two lines
constexpr double kSameDepth = 0.001;

struct ConditionValue {
  int tableColumn;
  int bit;
  int sheetColumn;
  double rightInset;
};

// Speed, feed pressure, rotation, water pressure, water supply, drainage.
constexpr std::array<ConditionValue, 6> kConditionValues = {{
    {drilling_condition::kSpeed, drilling_condition::bit::kSpeed, 25, 0.0},
    {drilling_condition::kFeedPressure, drilling_condition::bit::kFeedPressure, 28, 0.0},
    {drilling_condition::kRotation, drilling_condition::bit::kRotation, 29, 0.0},
    {drilling_condition::kWaterPressure, drilling_condition::bit::kWaterPressure, 30, 0.0},
    {drilling_condition::kWaterSupply, drilling_condition::bit::kWaterSupply, 31, 0.0},
    {drilling_condition::kDrainage, drilling_condition::bit::kDrainage, 32, 1.0},
}};

struct Presence {
  bool known = false;
  int bits = 0;
  bool Has(int bit, std::string_view text) const {
    return (known && (bits & bit) != 0) || !TrimBlanks(text).empty();
  }
};

Presence PresenceOf(const TextTable& table, int row, int column) {
  const std::string& text = table.get(row, column);
  if (StartsLikeNumber(text) <= 0) return {};
  return {true, TextToInt(text)};
}

struct Mark {
  double depth;
  std::string text;
};

// Values of one column right-aligned above their lines, in depth order, each below
// the one above it when they would overlap.
void DrawValues(Canvas& dc, const SheetPass& pass, int k, double rightInset, std::vector<Mark> marks) {
  std::stable_sort(marks.begin(), marks.end(), [](const Mark& a, const Mark& b) { return a.depth < b.depth; });
  const double left = pass.columns.Left(k);
  const double right = pass.columns.Right(k);
  const int w = pass.sheet.settings.ruleLineWidth;
  const double h = pass.charHeight;
  double used = std::numeric_limits<double>::lowest();
  for (const Mark& mark : marks) {
    const double b = mark.depth;
    double y = b;
    if (!mark.text.empty()) {
      if (y - h < used) y = std::max(used, b) + h;
      used = y;
    }
    if (!TouchesPage(pass, b, y)) continue;
    DrawLine(dc, left, b, right, b, PS_SOLID, w, 0);
    if (mark.text.empty()) continue;
    SetTextAlign(dc, TA_RIGHT | TA_BOTTOM);
    DrawFittedText(dc, pass, right - rightInset, y, mark.text, right - rightInset - left - kTextPad);
  }
}

bool HasSupplyAt(const TextTable& conditions, double depth) {
  for (int row = 1; row <= conditions.RowCount(); ++row) {
    if (std::fabs(TextToDouble(conditions.get(row, drilling_condition::kBottomDepth)) - depth) > kSameDepth) continue;
    const Presence presence = PresenceOf(conditions, row, drilling_condition::kPresence);
    if (presence.Has(drilling_condition::bit::kWaterSupply, conditions.get(row, drilling_condition::kWaterSupply))) {
      return true;
    }
  }
  return false;
}

// How a stacked text is set: in how many lines and at what size.
struct StackLayout {
  int lines = 1;
  double scale = 1.0;
};

// One line at full size when the text fits its range; else one line down to
// kSingleLineScale; else two lines (when the column holds them) down to
// kSmallestFit; else one line at kSmallestFit that runs above its range.
StackLayout LayOutStack(const SheetPass& pass, int k, int n, double room) {
  const double cell = pass.charHeight;
  for (int lines = 1; lines <= 2; ++lines) {
    const int perLine = (n + lines - 1) / lines;
    double scale = std::min(1.0, room / (perLine * cell));
    if (lines == 2) {
      scale = std::min(scale, (pass.columns.Width(k) - 2.0 * kStackPad) / (2.0 * pass.charWidth + kStackPad));
    }
    if (scale >= (lines == 1 ? kSingleLineScale : kSmallestFit)) return {lines, scale};
  }
  return {1, kSmallestFit};
}

// A text written downwards in column k from its left edge, its last character
// ending at `end`, within the range from `limit` as far as it can: see LayOutStack.
// Two lines read from right to left.
void DrawStack(Canvas& dc, const SheetPass& pass, int k, double limit, double end, std::string_view text) {
  const std::vector<StackedCharacter> characters = StackedCharacters(TrimBlanks(text));
  if (characters.empty()) return;
  const int n = static_cast<int>(characters.size());
  const StackLayout layout = LayOutStack(pass, k, n, end - limit);
  const int perLine = (n + layout.lines - 1) / layout.lines;
  const double cell = pass.charHeight * layout.scale;
  const double width = pass.charWidth * layout.scale;
  const double top = end - perLine * cell;
  if (!TouchesPage(pass, top, end)) return;
  const double firstX = pass.columns.Left(k) + kStackPad + width / 2.0 + (layout.lines - 1) * (width + kStackPad);
  for (int line = 0; line < layout.lines; ++line) {
    const auto from = characters.begin() + std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(line) * perLine, n);
    const auto to = characters.begin() + std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(line + 1) * perLine, n);
    DrawStackedText(dc, pass, firstX - line * (width + kStackPad), top, std::vector<StackedCharacter>(from, to),
                    layout.scale);
  }
}

}  // namespace

void DrawDrillingConditions(Canvas& dc, SheetPass& pass) {
  const Settings& s = pass.sheet.settings;
  const TextTable& table = pass.sheet.record.DrillingConditionTable;
  const int rows = table.RowCount();
  std::array<std::vector<Mark>, kConditionValues.size()> marks;
  for (int row = 1; row <= rows; ++row) {
    const double b = TextToDouble(table.get(row, drilling_condition::kBottomDepth));
    const Presence presence = PresenceOf(table, row, drilling_condition::kPresence);
    const std::string& date = table.get(row, drilling_condition::kDate);
    if (presence.Has(drilling_condition::bit::kDate, date) && TouchesPage(pass, b, b)) {
      DrawDateFraction(dc, pass, kDateColumn, b, date);
    }
    for (std::size_t i = 0; i < kConditionValues.size(); ++i) {
      const ConditionValue& v = kConditionValues[i];
      const std::string& text = table.get(row, v.tableColumn);
      if (!presence.Has(v.bit, text)) continue;
      int decimals = 0;
      if (v.tableColumn == drilling_condition::kFeedPressure) decimals = s.supplyPressureDecimals;
      if (v.tableColumn == drilling_condition::kWaterPressure) decimals = s.waterPressureDecimals;
      marks[i].push_back({b, WithDecimals(text, decimals)});
    }
  }
  for (std::size_t i = 0; i < kConditionValues.size(); ++i) {
    DrawValues(dc, pass, kConditionValues[i].sheetColumn, kConditionValues[i].rightInset, std::move(marks[i]));
  }
}

void DrawDrillingProgress(Canvas& dc, SheetPass& pass) {
  const BoringRecord& record = pass.sheet.record;
  const TextTable& table = record.DrillingProgressTable;
  const int w = pass.sheet.settings.ruleLineWidth;
  const double h = pass.charHeight;
  const int rows = table.RowCount();
  std::vector<Mark> diameters;
  double protectionTop = 0.0;
  double tubeTop = 0.0;
  double kindTop = 0.0;
  for (int row = 1; row <= rows; ++row) {
    const double b = TextToDouble(table.get(row, drilling_progress::kBottomDepth));
    const Presence presence = PresenceOf(table, row, drilling_progress::kPresence);
    const std::string& diameter = table.get(row, drilling_progress::kHoleDiameter);
    const bool hasDiameter = presence.Has(drilling_progress::bit::kHoleDiameter, diameter);
    if (hasDiameter) diameters.push_back({b, std::string(TrimBlanks(diameter))});

    const std::string& protection = table.get(row, drilling_progress::kWallProtection);
    if (presence.Has(drilling_progress::bit::kWallProtection, protection)) {
      const double end = hasDiameter && !TrimBlanks(diameter).empty() ? b - h : b;
      DrawStack(dc, pass, kDiameterColumn, protectionTop, end, protection);
      protectionTop = b;
    }
    const std::string& tube = table.get(row, drilling_progress::kCoreTubeBit);
    if (presence.Has(drilling_progress::bit::kCoreTubeBit, tube)) {
      if (TouchesPage(pass, b, b)) {
        DrawLine(dc, pass.columns.Left(kTubeColumn), b, pass.columns.Right(kTubeColumn), b, PS_SOLID, w, 0);
      }
      DrawStack(dc, pass, kTubeColumn, tubeTop, b, tube);
      tubeTop = b;
    }
    const std::string& kind = table.get(row, drilling_progress::kWaterKind);
    if (presence.Has(drilling_progress::bit::kWaterKind, kind)) {
      const double left = pass.columns.Left(kWaterKindColumn);
      if (TouchesPage(pass, b, b)) DrawLine(dc, left, b, left + kWaterKindLine, b, PS_SOLID, w, 0);
      const double end = HasSupplyAt(record.DrillingConditionTable, b) ? b - h : b;
      DrawStack(dc, pass, kWaterKindColumn, kindTop, end, kind);
      kindTop = b;
    }
  }
  DrawValues(dc, pass, kDiameterColumn, 0.0, std::move(diameters));
}

}  // namespace tesmor
