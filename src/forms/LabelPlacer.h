// Value labels of a narrow graph column placed so that they neither overlap each
// other nor leave the column: a label tries its places in order and takes the first
// one that is free; a place is first moved sideways into the column. When no place
// is free the label takes its first place all the same (it is never left out).
//
//   LabelPlacer labels(dc, left, right);
//   const LabelSpot spots[] = {{x, y, TA_RIGHT | TA_BOTTOM}, {x + 0.3, y, TA_LEFT | TA_BOTTOM}};
//   labels.Place("25", spots);
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "draw/Canvas.h"

namespace tesmor {

// A place for a label: the point and the text alignment there.
struct LabelSpot {
  double x = 0.0;
  double y = 0.0;
  unsigned align = 0;
};

class LabelPlacer {
 public:
  LabelPlacer(Canvas& dc, double left, double right);

  // Draws text at the first free spot (in the selected font); restores the
  // text alignment.
  void Place(std::string_view text, std::span<const LabelSpot> spots);

 private:
  struct Box {
    double left;
    double top;
    double right;
    double bottom;
  };
  Box BoxAt(const LabelSpot& spot, double width, double& shift) const;
  bool Free(const Box& box) const;

  Canvas& dc_;
  double left_;
  double right_;
  std::vector<Box> boxes_;
};

}  // namespace tesmor
