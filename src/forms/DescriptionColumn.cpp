#include "forms/DescriptionColumn.h"

#include <algorithm>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/ColumnText.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr double kInsetX = 0.2;      // the notes keep this far from the column's edges
constexpr double kTopGap = 0.03;     // a note starts this far below the top of its range
constexpr double kFrameInset = 1.0;  // the frame line is drawn in three pieces

// Line height of the note font: the height of a measured blank.
double NoteLineHeight(Canvas& dc) {
  PxRect box;
  DrawTextInRect(dc, 0.0, 0.0, 10.0, 0.1, " ", DT_CALCRECT | DT_NOCLIP, &box);
  return WorldHeight(dc, box.bottom - box.top);
}

}  // namespace

void DrawDescriptionColumn(Canvas& dc, SheetPass& pass) {
  const TextTable& table = pass.sheet.record.ObservationTable;
  const int k = pass.columns.roles.description;
  const double left = pass.columns.Left(k);
  const double right = pass.columns.Right(k);
  const int w = pass.sheet.settings.ruleLineWidth;
  const double lineHeight = NoteLineHeight(dc);
  const unsigned align = dc.surface.TextAlign();
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  double used = -1.0e9;  // the bottom of the note above
  const int rows = table.RowCount();
  for (int row = 1; row <= rows; ++row) {
    const double t = TextToDouble(table.get(row, observation::kTopDepth));
    const double top = std::max(t + kTopGap, used);
    if (top > pass.pageBottom) continue;  // starts below the page: nothing to show or push down
    const std::string& note = table.get(row, observation::kNote);
    const auto lines = BreakIntoLines(dc, note, right - left - 2.0 * kInsetX);
    const double bottom = top + lineHeight * static_cast<double>(lines.size());
    if (!lines.empty()) used = bottom;
    if (!TouchesPage(pass, top, bottom, 0.0)) continue;
    double y = top;
    for (const std::string& line : lines) {
      if (y + lineHeight >= pass.pageTop && y <= pass.pageBottom) DrawTextAt(dc, left + kInsetX, y, line);
      y += lineHeight;
    }
  }
  for (int row = 1; row <= rows; ++row) {
    if (TrimBlanks(table.get(row, observation::kFrameLine)) != observation::kFramed) continue;
    const double b = TextToDouble(table.get(row, observation::kBottomDepth));
    if (!TouchesPage(pass, b, b, 0.0)) continue;
    DrawLine(dc, left, b, left + kFrameInset, b, PS_SOLID, w, 0);
    DrawLine(dc, left + kFrameInset, b, right - kFrameInset, b, PS_SOLID, w, 0);
    DrawLine(dc, right - kFrameInset, b, right, b, PS_SOLID, w, 0);
  }
  SetTextAlign(dc, align);
}

}  // namespace tesmor
