// The box one lithology pattern fills, and the drawing helpers that every pattern
// renderer shares.
//
// Pattern coordinates: x in world x units (millimetres at horizontal scale 1/100),
// y in centimetres of paper (yFactor = 10 × pxPerMmY), so a pattern looks the same
// at every depth scale. Every size inside a pattern is a fraction of the box width
// W: k × W world x units along x, k × W centimetres along y and for radii (a radius
// of r centimetres spans 10 × r world x units at scale 1/100).
//
// Coverage: a pattern is laid out as for a full-width box shifted left by
// (1 − coverage) × W, so that its right edge sits at x1 + coverage × W (`right`);
// with coverage 0.5 the left half of the box shows the right half of the full
// layout. Nothing is drawn outside [x1, right] × [y1, y2]: lines are clipped to it,
// and circles, ellipses, diamonds and arcs are drawn only when they lie inside.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "draw/Canvas.h"

namespace tesmor {

// World x units spanned by one centimetre of radius at scale 1/100.
inline constexpr double kXUnitsPerCentimetre = 10.0;

// A point of a pattern in world coordinates.
struct WorldPoint {
  double x = 0.0;
  double y = 0.0;
};

struct PatternBox {
  Canvas& dc;
  double x1 = 0.0;
  double y1 = 0.0;
  double x2 = 0.0;
  double y2 = 0.0;
  double w = 0.0;       // box width W
  double origin = 0.0;  // where a full-width layout starts: x1 − (1 − coverage) × W
  double right = 0.0;   // right edge of the covered part: x1 + coverage × W
  int lineWidth = 1;    // pen width in pixels; every element is drawn with a solid pen
  Colour colour = 0;

  // Whether [left, rightEdge] × [top, bottom] lies in the covered part of the box.
  bool Holds(double left, double top, double rightEdge, double bottom) const;

  // A line clipped to the covered part of the box (shortened along its own slope);
  // nothing when no length is left. extraWidth widens the pen (the "width + 1" lines).
  void Line(double xa, double ya, double xb, double yb, int extraWidth = 0) const;

  // Connected lines through points (at most kMaxPolylinePoints): one polyline when
  // every point lies in the covered part, else each line clipped as by Line.
  static constexpr std::size_t kMaxPolylinePoints = 8;
  void Polyline(std::span<const WorldPoint> points, int extraWidth = 0) const;

  // Shapes, each drawn only when it lies wholly inside the covered part. Radii and
  // half heights are in centimetres, half widths in world x units.
  void Circle(double cx, double cy, double r) const;
  void Ellipse(double cx, double cy, double rx, double ry) const;
  void Diamond(double cx, double cy, double halfWidth, double halfHeight) const;
  void DiamondBar(double cx, double cy, double halfWidth, double halfHeight) const;
  // The arc of the circle (cx, cy, r) swept counter-clockwise (as seen on the page)
  // from fromDegrees to toDegrees, 0 pointing right and 90 up.
  void Arc(double cx, double cy, double r, double fromDegrees, double toDegrees) const;
  // The upper half of the circle, from its right point over its top to its left point.
  void UpperHalfCircle(double cx, double cy, double r) const;
};

// The box of one pattern call; nothing (draw nothing) when the box is narrower or
// shorter than 0.001 units or not a number. Coverage is held to 0 ... 1.
std::optional<PatternBox> MakePatternBox(Canvas& dc, double x1, double y1, double x2, double y2,
                                         double coverage, int lineWidth, Colour colour);

// Extent of an arc swept counter-clockwise from fromDegrees to toDegrees, as
// multiples of its radius around the centre, y growing downward.
struct ArcExtent {
  double left;
  double top;
  double right;
  double bottom;
};
ArcExtent ArcExtentOf(double fromDegrees, double toDegrees);

}  // namespace tesmor
