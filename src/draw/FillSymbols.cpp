#include "draw/FillSymbols.h"

namespace tesmor {

namespace {

// Rock-mass dashes: 0.6 of a period long, repeating every W ÷ 60 centimetres, each
// centred in its period; the last one is cut at the box bottom.
constexpr double kDashPeriod = 1.0 / 60.0;
constexpr double kDashLength = 0.6;

void DashColumn(const PatternBox& box, double x) {
  const double period = kDashPeriod * box.w;
  const double length = kDashLength * period;
  for (double y = box.y1 + (period - length) / 2.0; y < box.y2; y += period) {
    box.Line(x, y, x, y + length);
  }
}

// Lines and dash columns over the covered width: at the layout origin + first,
// every step, strictly inside the covered part.
template <typename Draw>
void Columns(const PatternBox& box, double first, double step, Draw&& draw) {
  for (double x = box.origin + first; x < box.right - 1e-9; x += step) {
    if (x > box.x1 + 1e-9) draw(x);
  }
}

}  // namespace

void DrawFillSymbolLines(const PatternBox& box, int type) {
  const double x1 = box.x1;
  const double x2 = box.x2;
  const double y1 = box.y1;
  const double y2 = box.y2;
  const double sixth = box.w / 6.0;
  // Every symbol but the single X is built on the two parallel lines of 10003.
  if (type == 10000) {
    box.Line(x1, y1, x2, y2);
    box.Line(x2, y1, x1, y2);
    return;
  }
  if (type == 10004) {
    box.Line(x2, y1, x1, y2);
    return;
  }
  box.Line(x2 - sixth, y1, x1, y2);
  box.Line(x2, y1, x1 + sixth, y2);
  if (type == 10001) {
    box.Line(x1, y1, x2, y2);
  } else if (type == 10002) {
    box.Line(x1, y1, x2 - sixth, y2);
    box.Line(x1 + sixth, y1, x2, y2);
  }
}

void DrawRockMassSymbol(const PatternBox& box, int type) {
  const double w = box.w;
  const auto fullLine = [&](double x) { box.Line(x, box.y1, x, box.y2); };
  const auto dashes = [&](double x) { DashColumn(box, x); };
  if (type == 10091) {
    Columns(box, w / 8.0, w / 8.0, fullLine);
  } else if (type == 10092) {
    Columns(box, w / 4.0, w / 4.0, fullLine);
    Columns(box, w / 8.0, w / 4.0, dashes);
  } else if (type == 10093) {
    Columns(box, w / 8.0, w / 8.0, dashes);
  }
}

}  // namespace tesmor
