#include "forms/HeadingBand.h"

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/SheetFonts.h"
#include "record/SjisText.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr double kLastRow = 10.0;
constexpr double kSpreadInset = 0.3;  // a spread line keeps this far from its column lines
constexpr double kTurnedClockwise = -90.0;

struct XRange {
  double left;
  double right;
};

XRange XRangeOf(const SheetPass& pass, const HeadingItem& item) {
  if (item.first < 0) return {item.x1, item.x2};
  return {pass.columns.Left(item.first), pass.columns.Right(item.last)};
}

// The parts of a stack: split at '|' when the text holds one, else its characters.
template <typename Visit>
void ForEachStackPart(std::string_view text, Visit visit) {
  if (text.find('|') != std::string_view::npos) {
    std::size_t from = 0;
    for (std::size_t bar = text.find('|'); ; bar = text.find('|', from)) {
      visit(text.substr(from, bar == std::string_view::npos ? std::string_view::npos : bar - from));
      if (bar == std::string_view::npos) return;
      from = bar + 1;
    }
  }
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, pos);
    visit(text.substr(pos, length));
    pos += length;
  }
}

int StackPartCount(std::string_view text) {
  int n = 0;
  ForEachStackPart(text, [&](std::string_view) { ++n; });
  return n;
}

// A line centred on row line `row` within x.
void CentreOnRow(Canvas& dc, XRange x, double row, std::string_view text) {
  DrawTextCentred(dc, x.left, HeadingRowY(row - 0.5), x.right, HeadingRowY(row + 0.5), text);
}

void DrawStack(Canvas& dc, XRange x, double firstRow, std::string_view text) {
  const int n = StackPartCount(text);
  const double step = n > 1 ? (kLastRow - firstRow) / (n - 1) : 0.0;
  int i = 0;
  ForEachStackPart(text, [&](std::string_view part) { CentreOnRow(dc, x, firstRow + step * i++, part); });
}

void DrawTurned(Canvas& dc, const SheetPass& pass, XRange x, double top, std::string_view text) {
  const FontSetting& font = pass.sheet.settings.fonts[kItemFont];
  SelectSheetFont(dc, font, kPointFactor, kTurnedClockwise);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  // Turned clockwise, the character cell lies to the left of the reference point.
  DrawTextAt(dc, (x.left + x.right + pass.charWidth) / 2.0, top, text);
  SelectSheetFont(dc, font);
}

}  // namespace

void DrawHeadingItem(Canvas& dc, const SheetPass& pass, const HeadingItem& item) {
  const XRange x = XRangeOf(pass, item);
  switch (item.style) {
    case HeadingStyle::kStack:
      DrawStack(dc, x, item.y1, item.text);
      break;
    case HeadingStyle::kCentred:
      CentreOnRow(dc, x, item.y1, item.text);
      break;
    case HeadingStyle::kSpread: {
      const double inset = item.first < 0 ? 0.0 : kSpreadInset;
      DrawTextSpread(dc, x.left + inset, x.right - inset, HeadingRowY(item.y1 - 0.5),
                     HeadingRowY(item.y1 + 0.5), pass.charWidth, pass.charHeight, item.text);
      break;
    }
    case HeadingStyle::kVertical:
      DrawTextVertical(dc, x.left, x.right, item.y1, item.y2, pass.charWidth, pass.charHeight,
                       item.text);
      break;
    case HeadingStyle::kTurned:
      DrawTurned(dc, pass, x, item.y1, item.text);
      break;
  }
}

void DrawHeadingBand(Canvas& dc, SheetPass& pass, const HeadingLayout& layout) {
  const Settings& s = pass.sheet.settings;
  const ColumnGeometry& g = pass.columns;
  DrawLine(dc, g.FormLeft(), kHeadingBandTop, g.FormRight(), kHeadingBandTop, PS_SOLID,
           s.outerFrameWidth, 0);
  DrawLine(dc, g.FormLeft(), 0.0, g.FormRight(), 0.0, PS_SOLID, s.ruleLineWidth, 0);
  for (int edge = 2; edge < g.count; ++edge) {
    double top = kHeadingBandTop;
    for (const HeadingLine& line : layout.lines) {
      if (line.edge == edge) top = line.top;
    }
    if (top < 0.0) DrawLine(dc, g.Edge(edge), top, g.Edge(edge), 0.0, PS_SOLID, s.ruleLineWidth, 0);
  }
  for (const HeadingRule& rule : layout.rules) {
    DrawLine(dc, g.Left(rule.first), rule.y, g.Right(rule.last), rule.y, PS_SOLID, s.ruleLineWidth, 0);
  }
  for (const double x : {g.FormLeft(), g.FormRight()}) {
    DrawLine(dc, x, kHeadingBandTop, x, 0.0, PS_SOLID, s.outerFrameWidth, 0);
  }
  for (const HeadingItem& item : layout.items) DrawHeadingItem(dc, pass, item);
  DrawGraphScaleLabels(dc, pass);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
}

void DrawGraphScaleLabels(Canvas& dc, const SheetPass& pass) {
  const GraphSpan& graph = pass.graph;
  for (int d = 0; d <= graph.divisions; d += 10) {
    unsigned align = TA_CENTER;
    double x = graph.left + d * graph.Division();
    if (d == 0) {
      align = TA_LEFT;
    } else if (d == graph.divisions) {
      align = TA_RIGHT;
      x = graph.right;
    }
    SetTextAlign(dc, align | TA_BOTTOM);
    DrawTextAt(dc, x, 0.0, Format("%d", d));
  }
  SetTextAlign(dc, TA_LEFT | TA_TOP);
}

}  // namespace tesmor
