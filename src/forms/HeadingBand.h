// The column heading band shared by both forms: its frame, the lines between the
// columns, the rules under group headings, the heading texts laid out as constant
// data, and the scale labels of the N-value graph.
//
// The band spans y -4.15 to 0 of the heading system. Heading characters sit on
// twelve row lines, HeadingRowY(0) = -4.15 to HeadingRowY(11) = 0.
#pragma once

#include <span>
#include <string_view>

#include "forms/SheetPass.h"

namespace tesmor {

enum class HeadingStyle {
  kStack,     // characters one per row, spread evenly over rows y1 ... 10, centred in the x range
  kCentred,   // one line centred in the x range on row y1
  kSpread,    // one line spread across the x range on row y1
  kVertical,  // characters stacked down from y1 to y2 (DrawTextVertical)
  kTurned,    // one line turned a quarter clockwise (read downwards) from y1, centred in x
};

// One heading text. The x range is columns first ... last (from the left edge of
// `first` to the right edge of `last`), or x1 ... x2 when first is negative. A stack
// is split at '|' when its text holds one, else into its characters.
struct HeadingItem {
  HeadingStyle style = HeadingStyle::kCentred;
  int first = -1;
  int last = -1;
  double y1 = 0.0;  // row number (stack: first row; centred, spread: the row) or y
  double y2 = 0.0;  // kVertical: bottom y
  std::string_view text;
  double x1 = 0.0;
  double x2 = 0.0;
};

constexpr HeadingItem Stack(int first, int last, std::string_view text, double firstRow = 1.0) {
  return {HeadingStyle::kStack, first, last, firstRow, 0.0, text};
}
constexpr HeadingItem Stack(int column, std::string_view text, double firstRow = 1.0) {
  return Stack(column, column, text, firstRow);
}
constexpr HeadingItem Centred(int first, int last, double row, std::string_view text) {
  return {HeadingStyle::kCentred, first, last, row, 0.0, text};
}
constexpr HeadingItem CentredAt(double x1, double x2, double row, std::string_view text) {
  return {HeadingStyle::kCentred, -1, -1, row, 0.0, text, x1, x2};
}
constexpr HeadingItem Spread(int first, int last, double row, std::string_view text) {
  return {HeadingStyle::kSpread, first, last, row, 0.0, text};
}
constexpr HeadingItem SpreadAt(double x1, double x2, double row, std::string_view text) {
  return {HeadingStyle::kSpread, -1, -1, row, 0.0, text, x1, x2};
}
constexpr HeadingItem Vertical(int column, double y1, double y2, std::string_view text) {
  return {HeadingStyle::kVertical, column, column, y1, y2, text};
}
constexpr HeadingItem Turned(int column, double y1, std::string_view text) {
  return {HeadingStyle::kTurned, column, column, y1, 0.0, text};
}

// Where the line at column edge `edge` starts when not at the top of the band
// (inside a group heading); kNoHeadingLine: no line in the band at that edge.
struct HeadingLine {
  int edge = 0;
  double top = 0.0;
};
inline constexpr double kNoHeadingLine = 1.0;

// A rule across columns first ... last at y.
struct HeadingRule {
  int first = 0;
  int last = 0;
  double y = 0.0;
};

struct HeadingLayout {
  std::span<const HeadingItem> items;
  std::span<const HeadingLine> lines;
  std::span<const HeadingRule> rules;
};

// The frame, the lines between the columns, the rules and the items of a layout,
// then the graph scale labels.
void DrawHeadingBand(Canvas& dc, SheetPass& pass, const HeadingLayout& layout);

// One heading item (also for texts made at drawing time).
void DrawHeadingItem(Canvas& dc, const SheetPass& pass, const HeadingItem& item);

// Scale labels of the N-value graph at the bottom of the band: "0" at its left
// edge, every tenth division, the last at its right edge.
void DrawGraphScaleLabels(Canvas& dc, const SheetPass& pass);

}  // namespace tesmor
