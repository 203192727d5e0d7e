#include "draw/MainPatterns.h"

#include <algorithm>

namespace tesmor {

namespace {

void DrawShape(const PatternBox& box, const Shape& s, double x, double y) {
  const double w = box.w;
  switch (s.kind) {
    case ShapeKind::kLine:
      box.Line(x + s.x1 * w, y + s.y1 * w, x + s.x2 * w, y + s.y2 * w,
               (s.flags & kThick) != 0 ? 1 : 0);
      break;
    case ShapeKind::kDiamond:
      box.Diamond(x + s.x1 * w, y + s.y1 * w, s.x2 * w, s.y2 * w);
      break;
    case ShapeKind::kCircle: {
      const double cy = y + s.y1 * w;
      const double r = s.x2 * w;
      if ((s.flags & kHalfAtBottom) != 0 && cy + r > box.y2) {
        box.UpperHalfCircle(x + s.x1 * w, cy, r);
      } else {
        box.Circle(x + s.x1 * w, cy, r);
      }
      break;
    }
    case ShapeKind::kArc:
      box.Arc(x + s.x1 * w, y + s.y1 * w, s.x2 * w, s.from, s.to);
      break;
  }
}

bool Joins(const Shape& a, const Shape& b) {
  return a.kind == ShapeKind::kLine && b.kind == ShapeKind::kLine && a.flags == b.flags &&
         a.x2 == b.x1 && a.y2 == b.y1;
}

// A mark's shapes at (x, y); lines that join end to start go to the device as one
// polyline (a triangle is one primitive, not three).
void DrawMark(const PatternBox& box, const Mark& mark, double x, double y) {
  const std::span<const Shape> shapes = mark.shapes;
  const double w = box.w;
  std::size_t i = 0;
  while (i < shapes.size()) {
    std::size_t end = i + 1;
    while (end < shapes.size() && end - i < PatternBox::kMaxPolylinePoints - 1 &&
           Joins(shapes[end - 1], shapes[end])) {
      ++end;
    }
    if (end - i == 1) {
      DrawShape(box, shapes[i], x, y);
    } else {
      WorldPoint points[PatternBox::kMaxPolylinePoints];
      points[0] = {x + shapes[i].x1 * w, y + shapes[i].y1 * w};
      for (std::size_t j = i; j < end; ++j) {
        points[j - i + 1] = {x + shapes[j].x2 * w, y + shapes[j].y2 * w};
      }
      box.Polyline(std::span<const WorldPoint>(points, end - i + 1),
                   (shapes[i].flags & kThick) != 0 ? 1 : 0);
    }
    i = end;
  }
}

}  // namespace

const MainPattern* FindMainPattern(int type) {
  const std::span<const MainPattern> patterns = MainPatterns();
  const auto it = std::find_if(patterns.begin(), patterns.end(),
                               [type](const MainPattern& p) { return p.type == type; });
  return it == patterns.end() ? nullptr : &*it;
}

void DrawMainPattern(const PatternBox& box, const MainPattern& pattern) {
  const double w = box.w;
  const double rowStep = pattern.rowStep * w;
  const std::size_t cycle = pattern.rows.size();
  std::size_t k = 0;
  for (double y = box.y1 + pattern.firstRow * w; y < box.y2; y += rowStep, k = (k + 1) % cycle) {
    for (const Placement& placement : pattern.rows[k].placements) {
      const Mark& mark = *placement.mark;
      if (y + mark.bottom * w > box.y2) continue;  // would reach below the box
      for (const double px : placement.xs) {
        const double x = box.origin + px * w;
        if (mark.anchored && !(x + mark.anchor * w > box.x1 - mark.anchorSlack)) continue;
        DrawMark(box, mark, x, y);
      }
    }
  }
}

}  // namespace tesmor
