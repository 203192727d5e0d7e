#include "PatternFixture.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tesmor::test {

std::vector<RecordedOp> MarksOf(const RecordingSurface& surface) {
  std::vector<RecordedOp> marks;
  for (const RecordedOp& op : surface.ops) {
    if (op.kind == RecordedOp::Kind::kLine || op.kind == RecordedOp::Kind::kPolyline ||
        op.kind == RecordedOp::Kind::kEllipse || op.kind == RecordedOp::Kind::kArc) {
      marks.push_back(op);
    }
  }
  return marks;
}

PxRect ExtentOf(const RecordedOp& op) {
  std::vector<PxPoint> points = op.points;
  if (op.kind == RecordedOp::Kind::kEllipse) {
    points = {{op.rect.left, op.rect.top}, {op.rect.right, op.rect.bottom}};
  } else if (op.kind == RecordedOp::Kind::kArc) {
    // Sample the swept part of the circle degree by degree.
    const double cx = (op.rect.left + op.rect.right) / 2.0;
    const double cy = (op.rect.top + op.rect.bottom) / 2.0;
    const double r = (op.rect.right - op.rect.left) / 2.0;
    const auto angle = [&](PxPoint p) { return std::atan2(cy - p.y, p.x - cx) * 180.0 / std::numbers::pi; };
    const double from = angle(op.points[0]);
    double sweep = angle(op.points[1]) - from;
    while (sweep <= 0.0) sweep += 360.0;
    points.clear();
    const int steps = static_cast<int>(std::ceil(sweep));
    for (int i = 0; i <= steps; ++i) {
      const double rad = (from + sweep * i / steps) * std::numbers::pi / 180.0;
      points.push_back({static_cast<int>(std::lround(cx + r * std::cos(rad))),
                        static_cast<int>(std::lround(cy - r * std::sin(rad)))});
    }
  }
  PxRect e{points.front().x, points.front().y, points.front().x, points.front().y};
  for (const PxPoint& p : points) {
    e.left = std::min(e.left, p.x);
    e.right = std::max(e.right, p.x);
    e.top = std::min(e.top, p.y);
    e.bottom = std::max(e.bottom, p.y);
  }
  return e;
}

std::string Describe(const RecordedOp& op) {
  const PxRect e = ExtentOf(op);
  const char* kind = op.kind == RecordedOp::Kind::kLine      ? "line"
                     : op.kind == RecordedOp::Kind::kEllipse ? "ellipse"
                     : op.kind == RecordedOp::Kind::kArc     ? "arc"
                                                             : "polyline";
  return std::string(kind) + " (" + std::to_string(e.left) + "," + std::to_string(e.top) + ")-(" +
         std::to_string(e.right) + "," + std::to_string(e.bottom) + ")";
}

}  // namespace tesmor::test
