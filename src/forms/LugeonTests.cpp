// Lugeon tests (LugeonTable), one per test range (top and bottom depth):
//
//   - column 19, between lines at the top and the bottom of the range: the Lugeon
//     value and, when the value is a lower bound (a class text is given), "以上"
//     under it;
//   - column 21, the P-Q diagram of the test inside its range: the P axis up the
//     graph's left edge with "P" and the critical pressure "《%s》" above it and the
//     top of its scale (the pressure max scale, lugeonPmaxDecimals) beside it in
//     column 20; the Q axis along the bottom of the range with "Q" at its end.
//     Q is read on the graph's scale of 50 or 60 divisions (rockLugeonScale) times
//     the factor (…, 0.2, 0.5, 1, 2, 5, …) that holds the test's injection max
//     scale and its injections, marked "Q×0.5" (and so on) unless it is 1.
//     P runs from the pressure start at the Q axis to the top of the pressure
//     scale, where the scale's value is written; the axis goes on to the highest
//     pressure of the test when the pairs pass it. The pressure-injection pairs
//     ("P,Q," repeated) are joined in their order, rising pressures with
//     lugeonRisingWidth, falling ones with lugeonFallingWidth in lugeonFallingStyle;
//     the Lugeon line (Q = Lu × P ÷ lugeonPressurePe) runs from the origin to the
//     edge of the diagram.
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/ColumnText.h"
#include "forms/DecimalsSetting.h"
#include "forms/FittedText.h"
#include "forms/RockColumns.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr int kValueColumn = 19;
constexpr int kScaleColumn = 20;
constexpr double kNominalRange = 1.0;  // a test without a bottom depth is drawn one metre long
constexpr double kGapShare = 0.15;     // of a line, between the texts and the range's lines
constexpr double kMarkInset = 0.3;
constexpr double kMarkGap = 1.0;       // between "P" and the critical pressure
constexpr double kTickLength = 0.8;
constexpr double kTextPad = 0.2;
constexpr double kLongDashMm = 2.5;
constexpr double kShortDashMm = 1.0;
constexpr double kDashGapMm = 0.8;

struct PressureInjection {
  double p;
  double q;
};

std::vector<PressureInjection> PairsOf(std::string_view text) {
  std::vector<std::string_view> fields;
  std::size_t from = 0;
  while (from <= text.size()) {
    const std::size_t comma = text.find(',', from);
    const std::size_t end = comma == std::string_view::npos ? text.size() : comma;
    fields.push_back(TrimBlanks(text.substr(from, end - from)));
    if (comma == std::string_view::npos) break;
    from = comma + 1;
  }
  std::vector<PressureInjection> pairs;
  for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
    if (StartsLikeNumber(fields[i]) > 0 && StartsLikeNumber(fields[i + 1]) > 0) {
      pairs.push_back({TextToDouble(fields[i]), TextToDouble(fields[i + 1])});
    }
  }
  return pairs;
}

// The factor of the graph's scale for injections up to `largest` on a graph of
// `divisions`: the smallest of ... 0.1, 0.2, 0.5, 1, 2, 5, 10 ... that holds them.
double InjectionFactor(double largest, int divisions) {
  if (divisions <= 0 || !(largest > 0.0)) return 1.0;
  constexpr double kSteps[] = {1.0, 2.0, 5.0};
  for (int decade = -4; decade <= 6; ++decade) {
    for (const double step : kSteps) {
      const double factor = step * std::pow(10.0, decade);
      if (largest <= divisions * factor * (1.0 + 1e-9)) return factor;
    }
  }
  return largest / divisions;
}

class Diagram {
 public:
  Diagram(const SheetPass& pass, double top, double bottom, double pStart, double pTop, double qFactor)
      : pass_(pass), top_(top), bottom_(bottom), pStart_(pStart), pTop_(pTop), qFactor_(qFactor) {}

  double X(double q) const {
    const GraphSpan& g = pass_.graph;
    return g.left + std::clamp(q / qFactor_, 0.0, static_cast<double>(g.divisions)) * g.Division();
  }
  double Y(double p) const {
    const double share = pTop_ > pStart_ ? (p - pStart_) / (pTop_ - pStart_) : 0.0;
    return bottom_ - std::clamp(share, 0.0, 1.0) * (bottom_ - top_);
  }
  double QRange() const { return pass_.graph.divisions * qFactor_; }

 private:
  const SheetPass& pass_;
  double top_;
  double bottom_;
  double pStart_;
  double pTop_;
  double qFactor_;
};

void DrawSegment(Canvas& dc, const Settings& s, double x1, double y1, double x2, double y2, bool falling) {
  if (!falling) {
    DrawLine(dc, x1, y1, x2, y2, PS_SOLID, s.lugeonRisingWidth, 0);
    return;
  }
  const int style = s.lugeonFallingStyle;
  if (style != 1 && style != 2) {
    DrawLine(dc, x1, y1, x2, y2, PS_SOLID, s.lugeonFallingWidth, 0);
    return;
  }
  const double pxPerMm = dc.transform.pxPerMmX;
  const int dash = std::max(1, ToDeviceCoordinate((style == 1 ? kShortDashMm : kLongDashMm) * pxPerMm));
  const int gap = std::max(1, ToDeviceCoordinate(kDashGapMm * pxPerMm));
  DrawDashedLine(dc, x1, y1, x2, y2, dash, gap, s.lugeonFallingWidth, 0);
}

class LugeonDrawer {
 public:
  LugeonDrawer(Canvas& dc, const SheetPass& pass) : dc_(dc), pass_(pass), s_(pass.sheet.settings) {}
  void Test(const TextTable& table, int row);

 private:
  void Values(const TextTable& table, int row, double top, double bottom);
  void PQDiagram(const TextTable& table, int row, double top, double bottom);

  Canvas& dc_;
  const SheetPass& pass_;
  const Settings& s_;
  double usedValues_ = std::numeric_limits<double>::lowest();
};

void LugeonDrawer::Test(const TextTable& table, int row) {
  const double top = TextToDouble(table.get(row, lugeon::kTopDepth));
  const std::string& bottomText = table.get(row, lugeon::kBottomDepth);
  double bottom = TextToDouble(bottomText);
  if (StartsLikeNumber(bottomText) <= 0 || bottom <= top) bottom = top + kNominalRange;
  Values(table, row, top, bottom);
  if (TouchesPage(pass_, top, bottom, 0.0)) PQDiagram(table, row, top, bottom);
}

void LugeonDrawer::Values(const TextTable& table, int row, double top, double bottom) {
  const ColumnGeometry& g = pass_.columns;
  std::string text(TrimBlanks(table.get(row, lugeon::kLugeonValue)));
  if (!TrimBlanks(table.get(row, lugeon::kClass)).empty()) text += text.empty() ? "以上" : "\r\n以上";
  const TextBlock block = FitTextBlock(dc_, pass_, text, g.Width(kValueColumn) - 2.0 * kTextPad);
  const double y = std::max(top + kGapShare * pass_.charHeight, usedValues_);
  usedValues_ = y + block.Height();
  if (!TouchesPage(pass_, top, std::max(bottom, usedValues_))) return;
  const int w = s_.ruleLineWidth;
  for (const double line : {top, bottom}) {
    DrawLine(dc_, g.Left(kValueColumn), line, g.Right(kValueColumn), line, PS_SOLID, w, 0);
  }
  DrawTextBlock(dc_, pass_, block, g.Centre(kValueColumn), y, TA_CENTER);
}

void LugeonDrawer::PQDiagram(const TextTable& table, int row, double top, double bottom) {
  const GraphSpan& graph = pass_.graph;
  const double h = pass_.charHeight;
  const double gap = kGapShare * h;
  const std::vector<PressureInjection> pairs = PairsOf(table.get(row, lugeon::kPairs));

  // The marks above the P axis: "P" and the critical pressure.
  const unsigned align = dc_.surface.TextAlign();
  SetTextAlign(dc_, TA_LEFT | TA_TOP);
  const double markY = top + gap;
  DrawTextAt(dc_, graph.left + kMarkInset, markY, "P");
  const std::string critical(TrimBlanks(table.get(row, lugeon::kCriticalPressure)));
  if (!critical.empty()) {
    const double x = graph.left + kMarkInset + TextWidth(dc_, "P") + kMarkGap;
    DrawFittedText(dc_, pass_, x, markY, "《" + critical + "》", graph.right - x - kTextPad);
  }

  const double axisTop = markY + h + gap;
  const double axisBottom = bottom - gap;
  if (axisBottom - axisTop < gap) {
    SetTextAlign(dc_, align);
    return;
  }

  // Scales: P from its start up to the top of the test's pressure max scale,
  // or higher when the test went higher; Q on the graph's divisions times a factor
  // that holds the test's injection max scale and its injections.
  double highest = 0.0;
  double largestQ = 0.0;
  for (const PressureInjection& pq : pairs) {
    highest = std::max(highest, pq.p);
    largestQ = std::max(largestQ, pq.q);
  }
  const std::string& pStartText = table.get(row, lugeon::kPressureStart);
  const std::string& pScaleText = table.get(row, lugeon::kPressureMaxScale);
  const std::string& qScaleText = table.get(row, lugeon::kInjectionMaxScale);
  const double pStart = StartsLikeNumber(pStartText) > 0 ? TextToDouble(pStartText) : 0.0;
  const bool hasPScale = StartsLikeNumber(pScaleText) > 0 && TextToDouble(pScaleText) > pStart;
  const double pScale = hasPScale ? TextToDouble(pScaleText) : std::max(highest, pStart + 1.0);
  const double pTop = std::max(pScale, highest);
  const std::string pScaleLabel = hasPScale ? WithDecimals(pScaleText, s_.lugeonPmaxDecimals) : Format("%g", pScale);
  const double qScale = StartsLikeNumber(qScaleText) > 0 ? TextToDouble(qScaleText) : 0.0;
  const double qFactor = InjectionFactor(std::max(qScale, largestQ), graph.divisions);
  const Diagram diagram(pass_, axisTop, axisBottom, pStart, pTop, qFactor);

  // Axes, their marks and the top of the P scale.
  DrawLine(dc_, graph.left, axisBottom, graph.left, axisTop, PS_SOLID, s_.lugeonAxisYWidth, 0);
  DrawLine(dc_, graph.left, axisBottom, graph.right, axisBottom, PS_SOLID, s_.lugeonAxisXWidth, 0);
  const double scaleY = diagram.Y(pScale);
  DrawLine(dc_, graph.left, scaleY, graph.left + kTickLength, scaleY, PS_SOLID, s_.ruleLineWidth, 0);
  const std::string qMark = qFactor != 1.0 ? Format("Q×%g", qFactor) : std::string("Q");
  SetTextAlign(dc_, TA_RIGHT | TA_BOTTOM);
  DrawFittedText(dc_, pass_, graph.right - kMarkInset, axisBottom, qMark, graph.right - graph.left - kTextPad);
  const ColumnGeometry& g = pass_.columns;
  SetTextAlign(dc_, TA_RIGHT | TA_TOP);
  DrawFittedText(dc_, pass_, g.Right(kScaleColumn) - kTextPad, scaleY - h / 2.0, pScaleLabel,
                 g.Width(kScaleColumn) - 2.0 * kTextPad);
  SetTextAlign(dc_, align);

  // The Lugeon line through the origin, then the test's pairs.
  const std::string& luText = table.get(row, lugeon::kLugeonValue);
  const double lu = TextToDouble(luText);
  const double pe = s_.lugeonPressurePe;
  if (StartsLikeNumber(luText) > 0 && lu > 0.0 && pe > 0.0) {
    const double pEnd = std::min(pTop, pe * diagram.QRange() / lu);
    const double p0 = std::max(pStart, 0.0);
    if (pEnd > p0) {
      DrawLine(dc_, diagram.X(lu * p0 / pe), diagram.Y(p0), diagram.X(lu * pEnd / pe), diagram.Y(pEnd),
               PS_SOLID, s_.lugeonLineWidth, 0);
    }
  }
  for (std::size_t i = 1; i < pairs.size(); ++i) {
    const PressureInjection& a = pairs[i - 1];
    const PressureInjection& b = pairs[i];
    DrawSegment(dc_, s_, diagram.X(a.q), diagram.Y(a.p), diagram.X(b.q), diagram.Y(b.p), b.p < a.p);
  }
}

}  // namespace

void DrawLugeonTests(Canvas& dc, SheetPass& pass) {
  const TextTable& table = pass.sheet.record.LugeonTable;
  LugeonDrawer drawer(dc, pass);
  const int rows = table.RowCount();
  for (int row = 1; row <= rows; ++row) drawer.Test(table, row);
}

}  // namespace tesmor
