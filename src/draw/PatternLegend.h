// The pattern legend: a printable key to the lithology patterns of the sheets. Every
// row of a pattern catalogue is shown with its pattern number, colour code, example
// name and abbreviated display, and its pattern drawn in its colour at full coverage
// in a 30 mm × 20 mm box and, beside it, in a box as wide as the soil form's
// geology column (the look on a sheet at 1/100). Admixtures and qualifiers are drawn
// alone on a blank box. Rows flow in two columns over A4 portrait pages, each
// catalogue section starting on a new line under its heading.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "draw/Canvas.h"
#include "draw/PatternCatalogue.h"

namespace tesmor {

inline constexpr double kLegendPaperWidthMm = 210.0;
inline constexpr double kLegendPaperHeightMm = 297.0;
inline constexpr double kLegendBoxWidthMm = 30.0;
inline constexpr double kLegendBoxHeightMm = 20.0;
inline constexpr double kLegendColumnBoxWidthMm = 8.1;

struct PatternLegendEntry {
  bool heading = false;  // a section heading ("[第１分類 A]" ...): only `number` is used
  int pattern = 0;
  std::string number;    // the catalogue's pattern text
  std::string display;   // abbreviated display
  std::string example;   // geology example
  Colour colour = 0;
};

// The entries of the catalogue rows: section rows become headings (the catalogue's
// end row "[終了]" ends the list), rows whose pattern text starts like a number become
// entries coloured from the colour table, other rows are left out.
std::vector<PatternLegendEntry> PatternLegendEntries(std::span<const PatternCatalogueRow> rows,
                                                     const PatternColourTable& colours);

// Where an entry lies on the pages (millimetres of paper from the top left corner).
struct PatternLegendPlace {
  std::size_t entry = 0;
  int page = 1;
  double x = 0.0;
  double y = 0.0;
};
std::vector<PatternLegendPlace> PatternLegendLayout(std::span<const PatternLegendEntry> entries);

// Pages the legend needs (at least 1).
int PatternLegendPageCount(std::span<const PatternLegendEntry> entries);

// The pattern box of an entry placed at place (world x mm, world y cm as drawn).
struct PatternLegendBox {
  double x1, y1, x2, y2;
};
PatternLegendBox LegendPatternBox(const PatternLegendPlace& place);

// Draws page `page` (from 1): sets dc.transform from the surface's resolution (no
// margins, x in millimetres and y in centimetres from the paper's top left corner).
void DrawPatternLegendPage(Canvas& dc, std::span<const PatternLegendEntry> entries, int page);

}  // namespace tesmor
