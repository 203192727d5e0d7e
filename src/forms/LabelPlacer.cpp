#include "forms/LabelPlacer.h"

#include <algorithm>

#include "draw/TextOps.h"

namespace tesmor {

namespace {

constexpr double kEdgePad = 0.1;  // labels keep this far from the column lines
// The empty leading above the characters and room below the baseline of a text's
// cell, as shares of its height: labels may touch there.
constexpr double kTopLeading = 0.12;
constexpr double kBottomRoom = 0.1;

}  // namespace

LabelPlacer::LabelPlacer(Canvas& dc, double left, double right) : dc_(dc), left_(left), right_(right) {}

LabelPlacer::Box LabelPlacer::BoxAt(const LabelSpot& spot, double width, double& shift) const {
  const PageTransform& t = dc_.transform;
  const TextMetrics metrics = dc_.surface.Metrics();
  const double height = t.yFactor > 0.0001 ? metrics.height / t.yFactor : 0.0;
  const double ascent = t.yFactor > 0.0001 ? metrics.ascent / t.yFactor : 0.0;
  double left = spot.x;
  const unsigned horizontal = spot.align & TA_HORIZONTAL_MASK;
  if (horizontal == TA_CENTER) left -= width / 2.0;
  if (horizontal == TA_RIGHT) left -= width;
  const double wanted = left;
  left = std::max(std::min(left, right_ - kEdgePad - width), left_ + kEdgePad);
  shift = left - wanted;
  double top = spot.y;
  const unsigned vertical = spot.align & TA_VERTICAL_MASK;
  if (vertical == TA_BOTTOM) top -= height;
  if (vertical == TA_BASELINE) top -= ascent;
  return Box{left, top, left + width, top + height};
}

bool LabelPlacer::Free(const Box& box) const {
  const double h = box.bottom - box.top;
  const double top = box.top + kTopLeading * h;
  const double bottom = box.bottom - kBottomRoom * h;
  return std::none_of(boxes_.begin(), boxes_.end(), [&](const Box& b) {
    const double bh = b.bottom - b.top;
    return box.left < b.right && b.left < box.right && top < b.bottom - kBottomRoom * bh &&
           b.top + kTopLeading * bh < bottom;
  });
}

void LabelPlacer::Place(std::string_view text, std::span<const LabelSpot> spots) {
  if (spots.empty() || text.empty()) return;
  const double width = TextWidth(dc_, text);
  std::size_t chosen = 0;
  double shift = 0.0;
  Box box = BoxAt(spots[0], width, shift);
  for (std::size_t i = 0; i < spots.size(); ++i) {
    double s = 0.0;
    const Box candidate = BoxAt(spots[i], width, s);
    if (Free(candidate)) {
      chosen = i;
      box = candidate;
      shift = s;
      break;
    }
  }
  boxes_.push_back(box);
  const unsigned align = dc_.surface.TextAlign();
  SetTextAlign(dc_, spots[chosen].align);
  DrawTextAt(dc_, spots[chosen].x + shift, spots[chosen].y, text);
  SetTextAlign(dc_, align);
}

}  // namespace tesmor
