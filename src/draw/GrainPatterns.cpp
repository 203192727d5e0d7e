#include "draw/GrainPatterns.h"

#include <algorithm>

namespace tesmor {

namespace {

// Boulders are flatter than the other grains: their half height is 0.09 × W ÷ r.
constexpr double kBoulderHeight = 0.09;
// Grain marks and circles of r ≤ 22 carry a small circle inside the diamond.
constexpr double kInnerCircleMaxSize = 22.0;
constexpr double kInnerCircleRadius = 0.8;
constexpr double kMarkMinSize = 20.0;
// Where the rows start, in columns from the layout origin.
constexpr double kOddRowStart = 1.8;
constexpr double kFirstBoulderRowStart = 2.2;

struct RowLayout {
  int count;
  double start;  // x of the first element
};

void DrawGrain(const PatternBox& box, const GrainParameters& p, double x, double y,
               double halfWidth, double halfHeight) {
  if (p.barFlag == 1) {
    if (!box.Holds(x - halfWidth, y - halfHeight, x + halfWidth, y + halfHeight)) return;
    box.DiamondBar(x, y, halfWidth, halfHeight);
    if (p.sizeDiv <= kInnerCircleMaxSize) box.Circle(x, y, kInnerCircleRadius * halfHeight);
  } else if (p.sizeDiv >= kMarkMinSize) {
    box.Diamond(x, y, halfWidth, halfHeight);
  } else {
    box.Circle(x, y, halfHeight);
  }
}

// A boulder whose lower half would pass the bottom limit is drawn as its upper half.
void DrawBoulder(const PatternBox& box, double x, double y, double rx, double ry,
                 double bottomLimit) {
  if (y + ry > bottomLimit) {
    box.UpperHalfCircle(x, y, ry);
  } else {
    box.Ellipse(x, y, rx, ry);
  }
}

}  // namespace

const GrainParameters* FindGrainPattern(int type) {
  const auto it = std::find_if(kGrainPatterns.begin(), kGrainPatterns.end(),
                               [type](const GrainParameters& p) { return p.type == type; });
  return it == kGrainPatterns.end() ? nullptr : &*it;
}

void DrawGrainPattern(const PatternBox& box, const GrainParameters& p) {
  const double w = box.w;
  const bool boulders = p.layout == GrainLayout::kElliptic;
  const double rowUnit = 0.1 * w / p.rowDiv;
  const double colUnit = w / p.colDiv;
  const double halfWidth = w / p.sizeDiv;
  const double halfHeight = (boulders ? kBoulderHeight : 0.1) * w / p.sizeDiv;
  const double colStep = p.colStep * colUnit;
  const double rowStep = p.rowStep * rowUnit;
  const double bottomLimit = box.y2 - halfHeight;

  RowLayout rows[2] = {{p.countEven, box.origin + colUnit}, {p.countEven, box.origin + colUnit}};
  if (p.layout == GrainLayout::kStaggered) {
    rows[1] = {p.countOdd, box.origin + kOddRowStart * colUnit};
  } else if (boulders) {
    rows[0] = {p.countOdd, box.origin + kFirstBoulderRowStart * colUnit};
  }

  int k = 0;
  for (double y = box.y1 + std::max(2.0 * halfHeight, rowUnit); y < bottomLimit;
       y += rowStep, k ^= 1) {
    double x = rows[k].start;
    for (int i = 0; i < rows[k].count; ++i, x += colStep) {
      if (boulders) {
        DrawBoulder(box, x, y, halfWidth, halfHeight, bottomLimit);
      } else {
        DrawGrain(box, p, x, y, halfWidth, halfHeight);
      }
    }
  }
}

}  // namespace tesmor
