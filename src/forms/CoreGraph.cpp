// The core graph of column 15: core recovery (CoreRecoveryTable, %) as crosses, the
// maximum core length (CoreLengthRqdTable, cm) as dots and RQD (%) as a step line,
// 0.2 mm per unit on the 20 mm column.
//
// A row covers the range from the previous row's bottom depth to its own; the first
// row is taken as one metre long (b − 1.0 to b, never above the collar). Its value
// stands at the middle of the range. A row without a value breaks the line of its
// series. Values beyond the column's scale are plotted at its edge with their true
// value in the label. The labels keep to the column and clear of each other: each
// tries the place the form gives it first, then its other sides.
#include <algorithm>
#include <string>
#include <vector>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/ColumnText.h"
#include "forms/LabelPlacer.h"
#include "forms/RockColumns.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr int kCoreColumn = 15;
constexpr double kFirstRowLength = 1.0;
constexpr double kCrossHalfWidth = 0.6;
constexpr double kCrossHalfHeight = 0.06;
constexpr double kDotRadius = 0.05;
constexpr double kLabelGap = 0.3;  // a label beside its mark stands this far from it
constexpr double kRecoveryRightAbove = 90.0;

// One row of a core table: its range and its value, when it has one.
struct CoreRow {
  double top = 0.0;
  double bottom = 0.0;
  bool has = false;
  double value = 0.0;
  std::string text;
  double Middle() const { return (top + bottom) / 2.0; }
};

std::vector<CoreRow> RowsOf(const TextTable& table, int valueColumn) {
  std::vector<CoreRow> rows;
  const int count = table.RowCount();
  rows.reserve(static_cast<std::size_t>(count));
  for (int row = 1; row <= count; ++row) {
    CoreRow r;
    r.bottom = TextToDouble(table.get(row, kKeyColumn));
    r.top = rows.empty() ? std::max(r.bottom - kFirstRowLength, 0.0) : rows.back().bottom;
    const std::string& value = table.get(row, valueColumn);
    r.has = StartsLikeNumber(value) > 0;
    r.value = TextToDouble(value);
    r.text = std::string(TrimBlanks(value));
    rows.push_back(r);
  }
  return rows;
}

struct LabelRequest {
  double depth;
  std::string text;
  std::vector<LabelSpot> spots;
};

class CoreGraph {
 public:
  CoreGraph(Canvas& dc, const SheetPass& pass)
      : dc_(dc), pass_(pass), left_(pass.columns.Left(kCoreColumn)), right_(pass.columns.Right(kCoreColumn)) {}

  double X(double value) const {
    return left_ + std::clamp(value, 0.0, 100.0) * (right_ - left_) * 0.01;
  }
  bool Shows(const CoreRow& r) const { return TouchesPage(pass_, r.top, r.bottom); }

  void Recovery(const TextTable& table);
  void CoreLength(const std::vector<CoreRow>& rows);
  void Rqd(const std::vector<CoreRow>& rows);
  void PlaceLabels();

 private:
  void JoinPoints(const std::vector<CoreRow>& rows, int width);

  Canvas& dc_;
  const SheetPass& pass_;
  double left_;
  double right_;
  std::vector<LabelRequest> labels_;
};

void CoreGraph::JoinPoints(const std::vector<CoreRow>& rows, int width) {
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const CoreRow& a = rows[i - 1];
    const CoreRow& b = rows[i];
    if (!a.has || !b.has || !TouchesPage(pass_, a.Middle(), b.Middle())) continue;
    DrawLine(dc_, X(a.value), a.Middle(), X(b.value), b.Middle(), PS_SOLID, width, 0);
  }
}

void CoreGraph::Recovery(const TextTable& table) {
  const std::vector<CoreRow> rows = RowsOf(table, core_recovery::kRecovery);
  JoinPoints(rows, pass_.sheet.settings.recoveryPlotWidth);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const CoreRow& r = rows[i];
    if (!r.has || !Shows(r)) continue;
    const double x = X(r.value);
    const double m = r.Middle();
    const int w = pass_.sheet.settings.ruleLineWidth;
    DrawLine(dc_, x - kCrossHalfWidth, m - kCrossHalfHeight, x + kCrossHalfWidth, m + kCrossHalfHeight,
             PS_SOLID, w, 0);
    DrawLine(dc_, x - kCrossHalfWidth, m + kCrossHalfHeight, x + kCrossHalfWidth, m - kCrossHalfHeight,
             PS_SOLID, w, 0);
    // Right of the cross up to 90 %, left of it above.
    const unsigned side = r.value > kRecoveryRightAbove ? TA_RIGHT : TA_LEFT;
    const unsigned other = side == TA_RIGHT ? TA_LEFT : TA_RIGHT;
    double y = m;
    unsigned vertical = TA_TOP;
    switch (TextToInt(table.get(static_cast<int>(i) + 1, core_recovery::kLabelPlace))) {
      case core_recovery::label::kAbove: vertical = TA_BOTTOM; break;
      case core_recovery::label::kBeside: y = m - pass_.charHeight / 2.0; break;
      default:
        break;
    }
    const unsigned flipped = vertical == TA_BOTTOM ? TA_TOP : TA_BOTTOM;
    labels_.push_back({m, Format("(%d)", static_cast<int>(r.value)),
                       {{x, y, side | vertical},
                        {x, y, other | vertical},
                        {x, m, side | flipped},
                        {x, m, other | flipped}}});
  }
}

void CoreGraph::CoreLength(const std::vector<CoreRow>& rows) {
  JoinPoints(rows, pass_.sheet.settings.coreLengthPlotWidth);
  for (const CoreRow& r : rows) {
    if (!r.has || !Shows(r)) continue;
    const double x = X(r.value);
    const double m = r.Middle();
    DrawFilledCircle(dc_, x, m, kDotRadius, PS_SOLID, 1, 0, 0);
    const double h = pass_.charHeight;
    labels_.push_back({m, r.text,
                       {{x, m, TA_RIGHT | TA_BOTTOM},
                        {x + kLabelGap, m, TA_LEFT | TA_BOTTOM},
                        {x, m, TA_RIGHT | TA_TOP},
                        {x + kLabelGap, m, TA_LEFT | TA_TOP},
                        {x, m - h, TA_RIGHT | TA_BOTTOM},
                        {x + kLabelGap, m - h, TA_LEFT | TA_BOTTOM}}});
  }
}

void CoreGraph::Rqd(const std::vector<CoreRow>& rows) {
  const int w = pass_.sheet.settings.rqdPlotWidth;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const CoreRow& r = rows[i];
    if (!r.has) continue;
    const double x = X(r.value);
    if (i + 1 < rows.size() && rows[i + 1].has && TouchesPage(pass_, r.bottom, r.bottom)) {
      DrawLine(dc_, x, r.bottom, X(rows[i + 1].value), r.bottom, PS_SOLID, w, 0);
    }
    if (!Shows(r)) continue;
    DrawLine(dc_, x, r.top, x, r.bottom, PS_SOLID, w, 0);
    const double m = r.Middle();
    const double h = pass_.charHeight;
    labels_.push_back({m, "〔" + r.text + "〕",
                       {{x, m, TA_RIGHT | TA_BASELINE},
                        {x + kLabelGap, m, TA_LEFT | TA_BASELINE},
                        {x, m, TA_RIGHT | TA_TOP},
                        {x + kLabelGap, m, TA_LEFT | TA_TOP},
                        {x, m - h, TA_RIGHT | TA_BASELINE},
                        {x + kLabelGap, m - h, TA_LEFT | TA_BASELINE},
                        {x, m + h, TA_RIGHT | TA_TOP},
                        {x + kLabelGap, m + h, TA_LEFT | TA_TOP}}});
  }
}

void CoreGraph::PlaceLabels() {
  std::stable_sort(labels_.begin(), labels_.end(),
                   [](const LabelRequest& a, const LabelRequest& b) { return a.depth < b.depth; });
  LabelPlacer placer(dc_, left_, right_);
  for (const LabelRequest& label : labels_) placer.Place(label.text, label.spots);
}

}  // namespace

void DrawCoreGraph(Canvas& dc, SheetPass& pass) {
  const BoringRecord& record = pass.sheet.record;
  CoreGraph graph(dc, pass);
  graph.Recovery(record.CoreRecoveryTable);
  const std::vector<CoreRow> lengths = RowsOf(record.CoreLengthRqdTable, core_rqd::kMaxCoreLength);
  graph.CoreLength(lengths);
  graph.Rqd(RowsOf(record.CoreLengthRqdTable, core_rqd::kRqd));
  graph.PlaceLabels();
}

}  // namespace tesmor
