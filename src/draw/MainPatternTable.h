// The main lithology patterns outside the grain family, as data: each pattern is a
// cycle of rows, and each row places marks (small line drawings: strokes, grain
// dots, circles, arcs) at fixed fractions of the box width. MainPatterns.h draws
// them.
//
// Units, all fractions of the box width W: x of a placement is measured from the
// layout origin, x of a shape from its placement, both in world x units; y of a
// shape is measured from the row's line in centimetres, as are row positions and
// radii. A half width of a diamond is along x, its half height along y.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

namespace tesmor {

enum class ShapeKind : std::uint8_t { kLine, kDiamond, kCircle, kArc };

// Shape flags.
inline constexpr std::uint8_t kThick = 1;           // pen width + 1
inline constexpr std::uint8_t kCutAtBottom = 2;     // a line shortened at the box bottom
inline constexpr std::uint8_t kHalfAtBottom = 4;    // a circle passing the box bottom is
                                                    // drawn as its upper half

struct Shape {
  ShapeKind kind = ShapeKind::kLine;
  std::uint8_t flags = 0;
  double x1 = 0.0;  // line start; centre of the other shapes
  double y1 = 0.0;
  double x2 = 0.0;  // line end; diamond half width; circle and arc radius (y units)
  double y2 = 0.0;  // line end; diamond half height
  double from = 0.0;  // arc: swept counter-clockwise (on the page) from `from` to `to`
  double to = 0.0;    // degrees, 0 pointing right, 90 up
};

constexpr Shape Line(double x1, double y1, double x2, double y2, std::uint8_t flags = 0) {
  return Shape{ShapeKind::kLine, flags, x1, y1, x2, y2, 0.0, 0.0};
}
constexpr Shape Diamond(double cx, double cy, double halfWidth, double halfHeight) {
  return Shape{ShapeKind::kDiamond, 0, cx, cy, halfWidth, halfHeight, 0.0, 0.0};
}
constexpr Shape Circle(double cx, double cy, double r, std::uint8_t flags = 0) {
  return Shape{ShapeKind::kCircle, flags, cx, cy, r, 0.0, 0.0, 0.0};
}
constexpr Shape Arc(double cx, double cy, double r, double from, double to) {
  return Shape{ShapeKind::kArc, 0, cx, cy, r, 0.0, from, to};
}

// A mark: the shapes drawn at one placement. A row draws a mark only when the
// mark does not reach below the box (its `bottom`; lines cut at the bottom and
// circles that turn into half circles only need to start inside) and, for an
// anchored mark, when its anchor lies right of the box's left edge.
struct Mark {
  std::span<const Shape> shapes;
  double bottom = 0.0;       // lowest y the mark needs inside the box
  bool anchored = true;      // false: lines across the width, always drawn (clipped)
  double anchor = 0.0;       // x of the anchor from the placement
  double anchorSlack = 0.0;  // the anchor may lie this much left of the box edge
};

// Whether an arc swept counter-clockwise from `from` to `to` (0 ≤ from < 360)
// passes the lowest point of its circle (270 degrees).
constexpr bool SweepsBottom(double from, double to) {
  return (from <= 270.0 && to >= 270.0) || to >= 630.0;
}

// The mark's bottom computed from its shapes.
constexpr double MarkBottom(std::span<const Shape> shapes) {
  double bottom = -1.0;
  for (const Shape& s : shapes) {
    double b = s.y1;
    if (s.kind == ShapeKind::kLine) {
      b = (s.flags & kCutAtBottom) != 0 ? std::min(s.y1, s.y2) : std::max(s.y1, s.y2);
    } else if (s.kind == ShapeKind::kDiamond) {
      b = s.y1 + s.y2;
    } else if (s.kind == ShapeKind::kCircle) {
      b = (s.flags & kHalfAtBottom) != 0 ? s.y1 : s.y1 + s.x2;
    } else if (SweepsBottom(s.from, s.to)) {
      b = s.y1 + s.x2;  // an arc through the lowest point of its circle
    }  // other arcs stay at or above their centre line
    bottom = std::max(bottom, b);
  }
  return bottom;
}

constexpr Mark MakeMark(std::span<const Shape> shapes) {
  return Mark{shapes, MarkBottom(shapes), true, 0.0, 0.0};
}
// Lines across the covered width: no anchor.
constexpr Mark MakeSpanMark(std::span<const Shape> shapes) {
  return Mark{shapes, MarkBottom(shapes), false, 0.0, 0.0};
}
// A cell of the igneous-rock grid: drawn when its left edge is not left of the
// box's left edge by more than 0.001.
constexpr Mark MakeCellMark(std::span<const Shape> shapes, double halfWidth) {
  return Mark{shapes, MarkBottom(shapes), true, -halfWidth, 0.001};
}

// One mark at several x positions of a row.
struct Placement {
  const Mark* mark = nullptr;
  std::span<const double> xs;
};

struct PatternRow {
  std::span<const Placement> placements;
};

struct MainPattern {
  int type = 0;
  double firstRow = 0.0;  // line of the first row below the box top
  double rowStep = 0.0;   // between row lines
  std::span<const PatternRow> rows;  // the cycle of rows: row k uses rows[k % size]
};

// The main patterns in their listed order.
std::span<const MainPattern> MainPatterns();

}  // namespace tesmor
