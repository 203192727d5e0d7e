#include "draw/PatternBox.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "draw/DrawOps.h"

namespace tesmor {

namespace {

constexpr double kMinBoxSize = 0.001;
// Rounding allowance of the inside tests and the clipping, in world units.
constexpr double kSlack = 1e-7;
// Length in pixels of the rays that give an arc's ends to the device: long enough
// that the rounding of their end points does not turn the ray.
constexpr double kRayLengthPx = 1024.0;

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Liang-Barsky: the part of the segment inside the rectangle, as parameters t0 < t1.
bool ClipParameters(double xa, double ya, double dx, double dy, double left, double top,
                    double right, double bottom, double& t0, double& t1) {
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {xa - left, right - xa, ya - top, bottom - ya};
  t0 = 0.0;
  t1 = 1.0;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
  }
  return true;
}

}  // namespace

std::optional<PatternBox> MakePatternBox(Canvas& dc, double x1, double y1, double x2, double y2,
                                         double coverage, int lineWidth, Colour colour) {
  const double w = x2 - x1;
  // Written so that NaN boxes fail too.
  if (!(w >= kMinBoxSize) || !(y2 - y1 >= kMinBoxSize) || !std::isfinite(w) ||
      !std::isfinite(y2 - y1)) {
    return std::nullopt;
  }
  const double c = coverage >= 0.0 ? std::min(coverage, 1.0) : 0.0;  // NaN gives 0
  return PatternBox{dc, x1, y1, x2, y2, w, x1 - (1.0 - c) * w, x1 + c * w, lineWidth, colour};
}

bool PatternBox::Holds(double left, double top, double rightEdge, double bottom) const {
  return left >= x1 - kSlack && rightEdge <= right + kSlack && top >= y1 - kSlack &&
         bottom <= y2 + kSlack;
}

void PatternBox::Line(double xa, double ya, double xb, double yb, int extraWidth) const {
  const double dx = xb - xa;
  const double dy = yb - ya;
  double t0 = 0.0;
  double t1 = 0.0;
  if (!ClipParameters(xa, ya, dx, dy, x1 - kSlack, y1 - kSlack, right + kSlack, y2 + kSlack, t0,
                      t1)) {
    return;
  }
  const double length = std::hypot(dx, dy);
  if ((t1 - t0) * length <= kSlack) return;
  DrawLine(dc, xa + t0 * dx, ya + t0 * dy, xa + t1 * dx, ya + t1 * dy, PS_SOLID,
           lineWidth + extraWidth, colour);
}

void PatternBox::Polyline(std::span<const WorldPoint> points, int extraWidth) const {
  const bool inside = points.size() <= kMaxPolylinePoints &&
                      std::all_of(points.begin(), points.end(), [this](const WorldPoint& p) {
                        return Holds(p.x, p.y, p.x, p.y);
                      });
  if (!inside) {
    for (std::size_t i = 1; i < points.size(); ++i) {
      Line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, extraWidth);
    }
    return;
  }
  if (lineWidth + extraWidth <= 0 || points.size() < 2) return;
  PxPoint px[kMaxPolylinePoints];
  for (std::size_t i = 0; i < points.size(); ++i) {
    px[i] = PxPoint{MapX(dc.transform, points[i].x), MapY(dc.transform, points[i].y)};
  }
  dc.surface.Polyline(std::span<const PxPoint>(px, points.size()),
                      Pen{PS_SOLID, lineWidth + extraWidth, colour});
}

void PatternBox::Circle(double cx, double cy, double r) const {
  const double rx = kXUnitsPerCentimetre * r;
  if (!Holds(cx - rx, cy - r, cx + rx, cy + r)) return;
  DrawCircle(dc, cx, cy, r, PS_SOLID, lineWidth, colour);
}

void PatternBox::Ellipse(double cx, double cy, double rx, double ry) const {
  if (!Holds(cx - rx, cy - ry, cx + rx, cy + ry)) return;
  DrawEllipse(dc, cx, cy, rx, ry, PS_SOLID, lineWidth, colour);
}

void PatternBox::Diamond(double cx, double cy, double halfWidth, double halfHeight) const {
  if (!Holds(cx - halfWidth, cy - halfHeight, cx + halfWidth, cy + halfHeight)) return;
  DrawDiamond(dc, cx, cy, halfWidth, halfHeight, PS_SOLID, lineWidth, colour);
}

void PatternBox::DiamondBar(double cx, double cy, double halfWidth, double halfHeight) const {
  if (!Holds(cx - halfWidth, cy - halfHeight, cx + halfWidth, cy + halfHeight)) return;
  DrawDiamondBar(dc, cx, cy, halfWidth, halfHeight, PS_SOLID, lineWidth, colour);
}

void PatternBox::Arc(double cx, double cy, double r, double fromDegrees, double toDegrees) const {
  const ArcExtent e = ArcExtentOf(fromDegrees, toDegrees);
  const double rx = kXUnitsPerCentimetre * r;
  if (!Holds(cx + e.left * rx, cy + e.top * r, cx + e.right * rx, cy + e.bottom * r)) return;
  // The arc is given to the device as its circle and two rays in pixels, so that
  // it keeps its angles whatever the horizontal scale.
  const PageTransform& t = dc.transform;
  const int px = MapX(t, cx);
  const int py = MapY(t, cy);
  const double from = Radians(fromDegrees);
  const double to = Radians(toDegrees);
  ArcPx(dc, px, py, ToDeviceCoordinate(t.yFactor * r),
        ToDeviceCoordinate(px + kRayLengthPx * std::cos(from)),
        ToDeviceCoordinate(py - kRayLengthPx * std::sin(from)),
        ToDeviceCoordinate(px + kRayLengthPx * std::cos(to)),
        ToDeviceCoordinate(py - kRayLengthPx * std::sin(to)), PS_SOLID, lineWidth, colour);
}

void PatternBox::UpperHalfCircle(double cx, double cy, double r) const { Arc(cx, cy, r, 0.0, 180.0); }

ArcExtent ArcExtentOf(double fromDegrees, double toDegrees) {
  double sweep = std::fmod(toDegrees - fromDegrees, 360.0);
  if (sweep <= 0.0) sweep += 360.0;
  const auto at = [](double degrees, ArcExtent& e) {
    const double x = std::cos(Radians(degrees));
    const double y = -std::sin(Radians(degrees));
    e.left = std::min(e.left, x);
    e.right = std::max(e.right, x);
    e.top = std::min(e.top, y);
    e.bottom = std::max(e.bottom, y);
  };
  ArcExtent e{1.0, 1.0, -1.0, -1.0};
  at(fromDegrees, e);
  at(fromDegrees + sweep, e);
  // The quarter points the sweep passes: right, top, left, bottom.
  const double firstQuarter = std::ceil(fromDegrees / 90.0) * 90.0;
  for (double q = firstQuarter; q < fromDegrees + sweep; q += 90.0) at(q, e);
  return e;
}

}  // namespace tesmor
