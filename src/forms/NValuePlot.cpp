#include "forms/NValuePlot.h"

#include <algorithm>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/ColumnText.h"
#include "record/SptText.h"

namespace tesmor {

namespace {

constexpr int kNominalCm = 30;
constexpr double kHalfCmInMetres = 0.005;
constexpr double kMarkerRadius = 0.08;
constexpr int kMarkerPenWidth = 2;
constexpr double kArrowLength = 3.4;
constexpr double kBarbLength = 2.0;
constexpr double kBarbRise = 0.1;
constexpr double kOverflowGap = 0.1;       // lines to and from an overflow point stop short of it
constexpr double kZeroNoteX = 3.0;         // "自沈" from the graph's left edge
constexpr double kNoPenetrationNoteX = 2.0;  // "貫入不能" ends this far left of the limit
constexpr double kNoteClearance = 0.6;     // notes keep clear of the arrows

bool IsZero(const NValuePoint& p) { return p.nValue <= 0.0; }

bool Overflows(const NValuePlotStyle& style, const NValuePoint& p) { return p.nValue > style.blowLimit; }

// Whether the marker is an arrow (plotOverflowSymbol 1 and 2): above the limit, or no
// blows over the full 30 cm or more.
bool HasArrow(const NValuePlotStyle& style, const NValuePoint& p) {
  if (style.overflowSymbol != 1 && style.overflowSymbol != 2) return false;
  return Overflows(style, p) || (IsZero(p) && p.penetration >= kNominalCm);
}

void DrawCircleMarker(Canvas& dc, const NValuePlotStyle& style, double x, double y) {
  if (style.blackDot) {
    DrawFilledCircle(dc, x, y, kMarkerRadius, PS_SOLID, kMarkerPenWidth, 0, 0);
  } else {
    DrawCircle(dc, x, y, kMarkerRadius, PS_SOLID, kMarkerPenWidth, 0);
  }
}

void DrawMarker(Canvas& dc, const NValuePlotStyle& style, const NValuePoint& p) {
  const double x = NValuePlotX(style, p.nValue);
  const double y = p.y;
  if (!HasArrow(style, p)) {
    DrawCircleMarker(dc, style, x, y);
    return;
  }
  const int w = style.lineWidth;
  if (Overflows(style, p)) {
    DrawLine(dc, x, y, x - kArrowLength, y, PS_SOLID, w, 0);
    DrawLine(dc, x, y, x - kBarbLength, y - kBarbRise, PS_SOLID, w, 0);
  } else {
    DrawLine(dc, x, y, x + kArrowLength, y, PS_SOLID, w, 0);
  }
  if (style.overflowSymbol == 2) DrawCircleMarker(dc, style, x, y);
}

void DrawNotes(Canvas& dc, const NValuePlotStyle& style, const NValuePoint& p) {
  const double y = p.y - style.charHeight / 2.0;
  const bool arrow = HasArrow(style, p);
  if (IsZero(p) && !style.noteZeroBlows.empty()) {
    const double x = arrow ? kArrowLength + kNoteClearance : kZeroNoteX;
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    DrawTextAt(dc, style.graphLeft + std::max(x, kZeroNoteX), y, style.noteZeroBlows);
  }
  if (p.penetration == 0 && !style.noteZeroPenetration.empty()) {
    const double gap = arrow ? kArrowLength + kNoteClearance : kNoPenetrationNoteX;
    SetTextAlign(dc, TA_RIGHT | TA_TOP);
    DrawTextAt(dc, NValuePlotX(style, style.blowLimit) - std::max(gap, kNoPenetrationNoteX), y,
               style.noteZeroPenetration);
  }
}

}  // namespace

NValuePoint NValuePointOf(std::string_view total, double start) {
  NValuePoint p;
  p.nValue = ConvertedNValue(total, kNominalCm);
  p.penetration = PenetrationOf(total, kNominalCm);
  p.y = start + p.penetration * kHalfCmInMetres;
  return p;
}

int BlowLimit(const Settings& settings) { return settings.maxBlowCountChoice == 1 ? 60 : 50; }

NValuePlotStyle NValuePlotStyleOf(const SheetPass& pass, double graphLeft) {
  const Settings& s = pass.sheet.settings;
  NValuePlotStyle style;
  style.graphLeft = graphLeft;
  style.blowLimit = BlowLimit(s);
  style.overflowSymbol = s.plotOverflowSymbol;
  style.blackDot = s.plotNAsBlackDot == 1;
  style.lineWidth = s.nValuePlotWidth;
  style.noteZeroBlows = s.noteZeroBlows;
  style.noteZeroPenetration = s.noteZeroPenetration;
  style.charHeight = pass.charHeight;
  return style;
}

double NValuePlotX(const NValuePlotStyle& style, double nValue) {
  return style.graphLeft + style.unit * std::clamp(nValue, 0.0, static_cast<double>(style.blowLimit));
}

void DrawNValuePlot(Canvas& dc, const SheetPass& pass, const NValuePlotStyle& style,
                    std::span<const NValuePoint> points) {
  const unsigned align = dc.surface.TextAlign();
  for (std::size_t i = 1; i < points.size(); ++i) {
    const NValuePoint& from = points[i - 1];
    const NValuePoint& to = points[i];
    if (!TouchesPage(pass, from.y, to.y)) continue;
    const double y1 = Overflows(style, from) ? from.y + kOverflowGap : from.y;
    const double y2 = Overflows(style, to) ? to.y - kOverflowGap : to.y;
    DrawLine(dc, NValuePlotX(style, from.nValue), y1, NValuePlotX(style, to.nValue), y2, PS_SOLID,
             style.lineWidth, 0);
  }
  for (const NValuePoint& p : points) {
    if (!TouchesPage(pass, p.y, p.y)) continue;
    DrawMarker(dc, style, p);
    DrawNotes(dc, style, p);
  }
  SetTextAlign(dc, align);
}

}  // namespace tesmor
