#include "forms/Dials.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <string_view>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/SheetFonts.h"
#include "forms/TitleTexts.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr double kCellTop = -6.14;     // top of title-block row 4
constexpr double kCellBottom = -4.58;  // bottom of row 5
constexpr double kMarkGap = 0.02;      // between a dial and a mark above or below it
constexpr double kMarkSideGap = 0.3;   // between a dial and a mark beside it (mm)
constexpr double kValueInset = 0.4;    // a value keeps this far from its cell's lines (mm)
constexpr double kValueGap = 0.03;
constexpr double kNeedleLength = 0.9;  // of the radius
constexpr double kHubRadius = 0.04;
constexpr double kArrowLength = 0.14;  // of the direction needle's head, heading units
constexpr double kArrowAngle = 25.0;   // degrees either side of the needle

// The three cells and their dials (x in mm, y and radius in heading units).
struct DialGeometry {
  double cellLeft;
  double cellRight;
  double cx;
  double cy;
  double radius;
};
constexpr DialGeometry kAngleDial = {55.0, 71.0, 58.0, -5.36, 0.5};
constexpr DialGeometry kDirectionDial = {79.0, 100.0, 88.0, -5.36, 0.4};
constexpr DialGeometry kSlopeDial = {108.0, 124.0, 111.0, -5.85, 0.8};

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Draws on the dials with x and y in their own units: an x distance of `dy`
// heading units is dy × xPerY millimetres, so that circles stay round.
struct DialPen {
  Canvas& dc;
  double xPerY;
  int width;

  double X(const DialGeometry& d, double dy) const { return d.cx + dy * xPerY; }
  void Line(double x1, double y1, double x2, double y2, int w) const {
    DrawLine(dc, x1, y1, x2, y2, PS_SOLID, w, 0);
  }
  void Mark(double x, double y, unsigned align, std::string_view text) const {
    SetTextAlign(dc, align);
    DrawTextAt(dc, x, y, text);
  }
  // A needle from the centre along (sin, cos) scaled to the radius.
  void Needle(const DialGeometry& d, double along, double down, int w) const {
    const double r = d.radius * kNeedleLength;
    Line(d.cx, d.cy, X(d, r * along), d.cy + r * down, w);
    DrawFilledCircle(dc, d.cx, d.cy, kHubRadius, PS_SOLID, 1, 0, 0);
  }
};

bool NeedleAngle(const BoringRecord& record, int slot, double& degrees) {
  const std::string& text = record.heading(slot);
  if (StartsLikeNumber(text) <= 0) return false;
  degrees = TextToDouble(text);
  return std::isfinite(degrees);
}

void AngleMarks(const DialPen& p, double markHeight) {
  const DialGeometry& d = kAngleDial;
  const double top = d.cy - d.radius - kMarkGap;
  const double bottom = d.cy + d.radius + kMarkGap;
  p.Mark(d.cx + kMarkSideGap, top, TA_LEFT | TA_BOTTOM, "180ﾟ");
  p.Mark(d.cx - kMarkSideGap, top, TA_RIGHT | TA_BOTTOM, "上");
  p.Mark(p.X(d, d.radius) + kMarkSideGap, d.cy - markHeight / 2.0, TA_LEFT | TA_TOP, "90ﾟ");
  p.Mark(d.cx - kMarkSideGap, bottom, TA_RIGHT | TA_TOP, "下");
  p.Mark(d.cx + kMarkSideGap, bottom, TA_LEFT | TA_TOP, "Oﾟ");
}

void DirectionMarks(const DialPen& p, double markWidth) {
  const DialGeometry& d = kDirectionDial;
  const double top = d.cy - d.radius - kMarkGap;
  const double bottom = d.cy + d.radius + kMarkGap;
  const double beside = markWidth / 2.0 + kMarkSideGap;
  p.Mark(d.cx, top, TA_CENTER | TA_BOTTOM, "北");
  p.Mark(d.cx + beside, top, TA_LEFT | TA_BOTTOM, "Oﾟ");
  p.Mark(p.X(d, -d.radius) - kMarkSideGap, d.cy + kMarkGap, TA_RIGHT | TA_TOP, "27Oﾟ");
  p.Mark(p.X(d, d.radius) + kMarkSideGap, d.cy + kMarkGap, TA_LEFT | TA_TOP, "9Oﾟ");
  p.Mark(p.X(d, -d.radius) - kMarkSideGap, d.cy - kMarkGap, TA_RIGHT | TA_BOTTOM, "西");
  p.Mark(p.X(d, d.radius) + kMarkSideGap, d.cy - kMarkGap, TA_LEFT | TA_BOTTOM, "東");
  p.Mark(d.cx + beside, bottom, TA_LEFT | TA_TOP, "18Oﾟ");
  p.Mark(d.cx, bottom, TA_CENTER | TA_TOP, "南");
}

void SlopeMarks(const DialPen& p, double markHeight) {
  const DialGeometry& d = kSlopeDial;
  p.Mark(d.cx + kMarkSideGap, d.cy - kMarkGap, TA_LEFT | TA_BOTTOM, "水平");
  p.Mark(d.cx - kMarkSideGap, d.cy + kMarkGap * 4.0, TA_RIGHT | TA_TOP, "鉛");
  p.Mark(d.cx - kMarkSideGap, d.cy + kMarkGap * 4.0 + markHeight, TA_RIGHT | TA_TOP, "直");
  p.Mark(d.cx, d.cy + d.radius + kMarkGap, TA_CENTER | TA_TOP, "9Oﾟ");
  p.Mark(p.X(d, d.radius) + kMarkSideGap, d.cy - markHeight / 2.0, TA_LEFT | TA_TOP, "Oﾟ");
}

// A unit vector of a needle (y down) for an angle in radians.
struct NeedleDirection {
  double along;
  double down;
};
NeedleDirection AlongTheHole(double a) { return {std::sin(a), std::cos(a)}; }  // 0 down, 180 up
NeedleDirection Azimuth(double a) { return {std::sin(a), -std::cos(a)}; }      // 0 north, 90 east
NeedleDirection SlopeFromLevel(double a) { return {std::cos(a), std::sin(a)}; }  // 0 level, 90 down

// The needle of a dial when its slot holds a number (its direction then), and the
// slot's value at the right of the cell, at its top or bottom.
std::optional<NeedleDirection> NeedleAndValue(const DialPen& p, const DialGeometry& d,
                                              const BoringRecord& record, int slot,
                                              NeedleDirection (*direction)(double), bool valueAtTop) {
  std::optional<NeedleDirection> drawn;
  double degrees = 0.0;
  if (NeedleAngle(record, slot, degrees)) {
    drawn = direction(Radians(degrees));
    p.Needle(d, drawn->along, drawn->down, p.width + 1);
  }
  p.Mark(d.cellRight - kValueInset, valueAtTop ? kCellTop + kValueGap : kCellBottom - kValueGap,
         TA_RIGHT | (valueAtTop ? TA_TOP : TA_BOTTOM), DialValueText(record.heading(slot)));
  return drawn;
}

void AngleDial(const DialPen& p, const BoringRecord& record) {
  const DialGeometry& d = kAngleDial;
  const double top = d.cy - d.radius;
  const double bottom = d.cy + d.radius;
  DrawArc(p.dc, d.cx, d.cy, d.radius, d.cx, bottom, d.cx, top, PS_SOLID, p.width, 0);
  p.Line(d.cx, top, d.cx, bottom, p.width);
  NeedleAndValue(p, d, record, slot::kDrillingAngle, AlongTheHole, false);
}

void DirectionDial(const DialPen& p, const BoringRecord& record) {
  const DialGeometry& d = kDirectionDial;
  DrawCircle(p.dc, d.cx, d.cy, d.radius, PS_SOLID, p.width, 0);
  const std::optional<NeedleDirection> needle = NeedleAndValue(p, d, record, slot::kDrillingDirection, Azimuth, true);
  if (!needle) return;
  // The head: two strokes back from the tip, turned either way from the needle.
  const double r = d.radius * kNeedleLength;
  const double tipX = p.X(d, r * needle->along);
  const double tipY = d.cy + r * needle->down;
  for (const double side : {-1.0, 1.0}) {
    const double turn = side * Radians(kArrowAngle);
    const double backX = -(needle->along * std::cos(turn) - needle->down * std::sin(turn));
    const double backY = -(needle->along * std::sin(turn) + needle->down * std::cos(turn));
    p.Line(tipX, tipY, tipX + kArrowLength * backX * p.xPerY, tipY + kArrowLength * backY,
           p.width + 1);
  }
}

void SlopeDial(const DialPen& p, const BoringRecord& record) {
  const DialGeometry& d = kSlopeDial;
  const double right = p.X(d, d.radius);
  const double bottom = d.cy + d.radius;
  DrawArc(p.dc, d.cx, d.cy, d.radius, d.cx, bottom, right, d.cy, PS_SOLID, p.width, 0);
  p.Line(d.cx, d.cy, right, d.cy, p.width);
  p.Line(d.cx, d.cy, d.cx, bottom, p.width);
  NeedleAndValue(p, d, record, slot::kGroundSlope, SlopeFromLevel, false);
}

}  // namespace

void DrawTitleDials(Canvas& dc, const SheetContext& sheet) {
  const PageTransform& t = dc.transform;
  const double xPerY = t.xFactor > 0.0001 ? t.yFactor / t.xFactor : 0.0;
  const DialPen pen{dc, xPerY, sheet.settings.ruleLineWidth};
  const FontSetting& font = sheet.settings.fonts[kHeadingFont];

  const CharSize mark = SelectSheetFont(dc, font, kPointFactor * kDialMarkScale);
  AngleMarks(pen, mark.height);
  DirectionMarks(pen, mark.width);
  SlopeMarks(pen, mark.height);

  SelectSheetFont(dc, font);
  AngleDial(pen, sheet.record);
  DirectionDial(pen, sheet.record);
  SlopeDial(pen, sheet.record);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
}

}  // namespace tesmor
