#include "draw/DrawOps.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace tesmor {

namespace {

constexpr int kMaxDashes = 10001;
constexpr int kMaxPolygonVertices = 10;

int ToInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

PxRect BoxAround(int cx, int cy, int rx, int ry) {
  return PxRect{ToInt(1LL * cx - rx), ToInt(1LL * cy - ry), ToInt(1LL * cx + rx),
                ToInt(1LL * cy + ry)};
}

}  // namespace

// ---- Device pixels ----------------------------------------------------------

void DrawLinePx(Canvas& dc, int x1, int y1, int x2, int y2, int penStyle, int width,
                Colour colour) {
  if (width <= 0) return;
  dc.surface.Line(x1, y1, x2, y2, Pen{penStyle, width, colour});
}

void DrawDashedLinePx(Canvas& dc, int x1, int y1, int x2, int y2, int dash, int gap, int width,
                      Colour colour) {
  if (width <= 0) return;
  if (gap <= 0) {
    DrawLinePx(dc, x1, y1, x2, y2, PS_SOLID, width, colour);
    return;
  }
  if (dash <= 0) return;
  // Steps follow the longer axis one pixel at a time; the shorter axis moves in
  // proportion, so horizontal, vertical and 45-degree lines step by whole pixels on
  // each axis and a slanted line keeps its dashes on the line.
  const long long dx = 1LL * x2 - x1;
  const long long dy = 1LL * y2 - y1;
  const long long major = std::max(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
  if (major == 0) return;
  const double ux = static_cast<double>(dx) / static_cast<double>(major);
  const double uy = static_cast<double>(dy) / static_cast<double>(major);
  const auto at = [&](long long along, int origin, double unit) {
    return ToInt(origin + std::llround(static_cast<double>(along) * unit));
  };
  const Pen pen{PS_SOLID, width, colour};
  const long long advance = 1LL * dash + gap;
  long long along = 0;
  for (int n = 0; n < kMaxDashes; ++n) {
    dc.surface.Line(at(along, x1, ux), at(along, y1, uy), at(along + dash, x1, ux),
                    at(along + dash, y1, uy), pen);
    along += advance;
    if (major - along <= dash) break;  // no longer short of the end by more than a dash
  }
}

void FillRectPx(Canvas& dc, int left, int top, int right, int bottom, int penStyle, int width,
                Colour penColour, Colour fillColour) {
  dc.surface.Rectangle(PxRect{left, top, right, bottom}, Pen{penStyle, width, penColour},
                       Brush::Solid(fillColour));
}

void FrameRectPx(Canvas& dc, int left, int top, int right, int bottom, int penStyle, int width,
                 Colour colour) {
  const PxPoint corners[5] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
  dc.surface.Polyline(corners, Pen{penStyle, width, colour});
}

void CirclePx(Canvas& dc, int cx, int cy, int r, int penStyle, int width, Colour colour) {
  dc.surface.Ellipse(BoxAround(cx, cy, r, r), Pen{penStyle, width, colour}, Brush::Hollow());
}

void EllipsePx(Canvas& dc, int cx, int cy, int rx, int ry, int penStyle, int width, Colour colour) {
  dc.surface.Ellipse(BoxAround(cx, cy, rx, ry), Pen{penStyle, width, colour}, Brush::Hollow());
}

void ArcPx(Canvas& dc, int cx, int cy, int r, int startX, int startY, int endX, int endY,
           int penStyle, int width, Colour colour) {
  dc.surface.Arc(BoxAround(cx, cy, r, r), PxPoint{startX, startY}, PxPoint{endX, endY},
                 Pen{penStyle, width, colour});
}

void FilledCirclePx(Canvas& dc, int cx, int cy, int r, int penStyle, int width, Colour penColour,
                    Colour fillColour) {
  dc.surface.Ellipse(BoxAround(cx, cy, r, r), Pen{penStyle, width, penColour},
                     Brush::Solid(fillColour));
}

// ---- World coordinates ------------------------------------------------------

void DrawLine(Canvas& dc, double x1, double y1, double x2, double y2, int penStyle, int width,
              Colour colour) {
  const PageTransform& t = dc.transform;
  DrawLinePx(dc, MapX(t, x1), MapY(t, y1), MapX(t, x2), MapY(t, y2), penStyle, width, colour);
}

void DrawDashedLine(Canvas& dc, double x1, double y1, double x2, double y2, int dashPx, int gapPx,
                    int width, Colour colour) {
  const PageTransform& t = dc.transform;
  DrawDashedLinePx(dc, MapX(t, x1), MapY(t, y1), MapX(t, x2), MapY(t, y2), dashPx, gapPx, width,
                   colour);
}

void FrameRect(Canvas& dc, double x1, double y1, double x2, double y2, int penStyle, int width,
               Colour colour) {
  const PageTransform& t = dc.transform;
  FrameRectPx(dc, MapX(t, x1), MapY(t, y1), MapX(t, x2), MapY(t, y2), penStyle, width, colour);
}

void FillRect(Canvas& dc, double x1, double y1, double x2, double y2, int penStyle, int width,
              Colour penColour, Colour fillColour) {
  const PageTransform& t = dc.transform;
  FillRectPx(dc, MapX(t, x1), MapY(t, y1), MapX(t, x2), MapY(t, y2), penStyle, width, penColour,
             fillColour);
}

void FillPolygon(Canvas& dc, std::span<const double> xs, std::span<const double> ys,
                 Colour colour) {
  const std::size_t count =
      std::min({xs.size(), ys.size(), static_cast<std::size_t>(kMaxPolygonVertices)});
  if (count == 0) return;
  PxPoint points[kMaxPolygonVertices];
  for (std::size_t i = 0; i < count; ++i) {
    points[i] = PxPoint{MapX(dc.transform, xs[i]), MapY(dc.transform, ys[i])};
  }
  dc.surface.Polygon(std::span<const PxPoint>(points, count), Pen{PS_SOLID, 1, 0},
                     Brush::Solid(colour));
}

void DrawCircle(Canvas& dc, double cx, double cy, double r, int penStyle, int width,
                Colour colour) {
  const PageTransform& t = dc.transform;
  CirclePx(dc, MapX(t, cx), MapY(t, cy), ToDeviceCoordinate(t.yFactor * r), penStyle, width,
           colour);
}

void DrawFilledCircle(Canvas& dc, double cx, double cy, double r, int penStyle, int width,
                      Colour penColour, Colour fillColour) {
  const PageTransform& t = dc.transform;
  FilledCirclePx(dc, MapX(t, cx), MapY(t, cy), ToDeviceCoordinate(t.yFactor * r), penStyle, width,
                 penColour, fillColour);
}

void DrawEllipse(Canvas& dc, double cx, double cy, double rx, double ry, int penStyle, int width,
                 Colour colour) {
  const PageTransform& t = dc.transform;
  EllipsePx(dc, MapX(t, cx), MapY(t, cy), ToDeviceCoordinate(t.xFactor * rx),
            ToDeviceCoordinate(t.yFactor * ry), penStyle, width, colour);
}

void DrawArc(Canvas& dc, double cx, double cy, double r, double startX, double startY, double endX,
             double endY, int penStyle, int width, Colour colour) {
  const PageTransform& t = dc.transform;
  ArcPx(dc, MapX(t, cx), MapY(t, cy), ToDeviceCoordinate(t.yFactor * r), MapX(t, startX),
        MapY(t, startY), MapX(t, endX), MapY(t, endY), penStyle, width, colour);
}

void DrawDiamond(Canvas& dc, double cx, double cy, double halfWidth, double halfHeight,
                 int penStyle, int width, Colour colour) {
  DrawLine(dc, cx - halfWidth, cy, cx, cy - halfHeight, penStyle, width, colour);
  DrawLine(dc, cx, cy - halfHeight, cx + halfWidth, cy, penStyle, width, colour);
  DrawLine(dc, cx + halfWidth, cy, cx, cy + halfHeight, penStyle, width, colour);
  DrawLine(dc, cx, cy + halfHeight, cx - halfWidth, cy, penStyle, width, colour);
}

void DrawDiamondBar(Canvas& dc, double cx, double cy, double halfWidth, double halfHeight,
                    int penStyle, int width, Colour colour) {
  DrawDiamond(dc, cx, cy, halfWidth, halfHeight, penStyle, width, colour);
  DrawLine(dc, cx, cy - 0.7 * halfHeight, cx, cy + 0.7 * halfHeight, penStyle, width, colour);
}

// ---- Clipping -----------------------------------------------------------------

void ClipToRect(Canvas& dc, double x1, double y1, double x2, double y2) {
  const PageTransform& t = dc.transform;
  dc.surface.PushClip(Normalised(PxRect{MapX(t, x1), MapY(t, y1), MapX(t, x2), MapY(t, y2)}));
}

void RestoreClip(Canvas& dc) { dc.surface.PopClip(); }

}  // namespace tesmor
