// Texts of several lines fitted to the narrow columns of the rock form. A text whose
// unbreakable parts are wider than its room is set in a smaller size of the body
// font (down to kSmallestFit of it); a part too wide even then is broken between its
// characters, so that the text never runs over a column line. (DrawFittedText of
// ColumnText.h does the same for one line.)
//
//   const TextBlock block = FitTextBlock(dc, pass, "CM(CL)", width);
//   DrawTextBlock(dc, pass, block, centreX, top, TA_CENTER);
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "forms/ColumnText.h"
#include "forms/SheetFonts.h"
#include "forms/SheetPass.h"

namespace tesmor {

// The scale (kSmallestFit ... 1) at which the widest part of text that cannot be
// broken (a run of single-byte characters without blanks, a double-byte character
// with its closing marks) is at most `width` wide. Leaves the body font selected.
double FittingScale(Canvas& dc, const SheetPass& pass, std::string_view text, double width);

// A text laid out for a column: its lines at the scale they are set in.
struct TextBlock {
  std::vector<std::string> lines;
  double scale = 1.0;
  double lineHeight = 0.0;  // world y units
  double Height() const { return lineHeight * static_cast<double>(lines.size()); }
  bool Empty() const { return lines.empty(); }
};

// The text broken into lines at most `width` wide, at its fitting scale.
TextBlock FitTextBlock(Canvas& dc, const SheetPass& pass, std::string_view text, double width);

// As FitTextBlock, and smaller still (down to kSmallestFit) while the block is
// taller than `height`.
TextBlock FitTextBlockIn(Canvas& dc, const SheetPass& pass, std::string_view text, double width,
                         double height);

// Draws the lines of a block downwards from `top`, each at x with the horizontal
// alignment given (TA_LEFT, TA_CENTER or TA_RIGHT). Leaves the body font selected
// and the text alignment as it found it.
void DrawTextBlock(Canvas& dc, const SheetPass& pass, const TextBlock& block, double x, double top,
                   unsigned horizontalAlign);

}  // namespace tesmor
