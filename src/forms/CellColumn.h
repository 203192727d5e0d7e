// Cell texts between boundaries: a column that shows one text for each depth range
// (the colour tone, the rock classes, the rock classification). Each cell's text
// is fitted to the column's width and stands in the middle of the part of its range
// that the page shows, or at the top of that part when the range is too thin for
// it; a text that would run into the one above it starts below it instead, so the
// texts of a column never overlap. The boundary at the bottom of a cell is drawn in
// three pieces: from the left edge, across the middle and to the right edge.
//
//   CellColumn column(dc, pass, {left, right, 0.5, true});
//   column.AddCell(0.0, 1.5, "D", true);  // text, then the whole boundary at 1.5
//   column.AddCell(1.5, 2.2, "C", false); // only the two end pieces at 2.2
#pragma once

#include <string_view>

#include "forms/SheetPass.h"

namespace tesmor {

struct CellColumnLayout {
  double left = 0.0;
  double right = 0.0;
  double endPiece = 0.5;  // length of the boundary's end pieces
  bool centred = true;    // texts centred in the column, else from its left edge
};

class CellColumn {
 public:
  CellColumn(Canvas& dc, const SheetPass& pass, const CellColumnLayout& layout);

  // The cell from top to bottom: its text, then its boundary at bottom, whole or
  // (middle = false) only its two end pieces. Cells are added from the top down.
  void AddCell(double top, double bottom, std::string_view text, bool middle);

  // A text for the range without a boundary (a note inside a cell).
  void AddText(double top, double bottom, std::string_view text);

  // The boundary alone.
  void DrawBoundary(double y, bool middle);

 private:
  Canvas& dc_;
  const SheetPass& pass_;
  CellColumnLayout layout_;
  double used_;  // bottom of the last text drawn
};

}  // namespace tesmor
