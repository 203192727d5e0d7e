#include "forms/CellColumn.h"

#include <algorithm>
#include <limits>

#include "draw/DrawOps.h"
#include "forms/FittedText.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr double kTextPad = 0.1;     // texts keep this far from the column lines
constexpr double kGapShare = 0.1;    // texts keep this share of a line from their range's top

}  // namespace

CellColumn::CellColumn(Canvas& dc, const SheetPass& pass, const CellColumnLayout& layout)
    : dc_(dc), pass_(pass), layout_(layout), used_(std::numeric_limits<double>::lowest()) {}

void CellColumn::DrawBoundary(double y, bool middle) {
  if (y < pass_.pageTop || y > pass_.pageBottom) return;
  const int w = pass_.sheet.settings.ruleLineWidth;
  const double left = layout_.left;
  const double right = layout_.right;
  const double piece = std::min(layout_.endPiece, (right - left) / 2.0);
  DrawLine(dc_, left, y, left + piece, y, PS_SOLID, w, 0);
  if (middle) DrawLine(dc_, left + piece, y, right - piece, y, PS_SOLID, w, 0);
  DrawLine(dc_, right - piece, y, right, y, PS_SOLID, w, 0);
}

void CellColumn::AddCell(double top, double bottom, std::string_view text, bool middle) {
  DrawBoundary(bottom, middle);
  AddText(top, bottom, text);
}

void CellColumn::AddText(double top, double bottom, std::string_view text) {
  const std::string_view shown = TrimBlanks(text);
  if (shown.empty()) return;
  const double visibleTop = std::max(top, pass_.pageTop);
  const double visibleBottom = std::min(bottom, pass_.pageBottom);
  if ((bottom <= pass_.pageTop && bottom > top) || top >= pass_.pageBottom) return;

  const double width = layout_.right - layout_.left - 2.0 * kTextPad;
  // A text taller than its cell is set smaller, so that it keeps to its depth.
  const double gap = kGapShare * pass_.charHeight;
  const TextBlock block = FitTextBlockIn(dc_, pass_, shown, width, bottom - top - gap);
  const double height = block.Height();
  double y = std::max((visibleTop + visibleBottom - height) / 2.0, visibleTop + gap);
  y = std::max(y, used_);
  used_ = y + height;
  if (y > pass_.pageBottom) return;
  const double x = layout_.centred ? (layout_.left + layout_.right) / 2.0 : layout_.left + kTextPad;
  DrawTextBlock(dc_, pass_, block, x, y, layout_.centred ? TA_CENTER : TA_LEFT);
}

}  // namespace tesmor
