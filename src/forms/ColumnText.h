// Text helpers of the data columns: lines of a text broken to a column's width,
// measured heights in world units, and the small-font selection of stacked texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "forms/SheetFonts.h"
#include "forms/SheetPass.h"

namespace tesmor {

// The lines of text (line breaks at CR LF, CR or LF, word breaks at blanks and
// between double-byte characters) when it is set in lines at most `width` world x
// units wide. A text without anything to show gives no lines.
std::vector<std::string> BreakIntoLines(Canvas& dc, std::string_view text, double width);

// World y units of a length in device pixels under the current transform.
double WorldHeight(const Canvas& dc, int px);

// The ascent of the selected font in world y units.
double FontAscent(const Canvas& dc);

// Selects the body font (font 3) again after a drawer changed the font, and
// returns its world character size.
CharSize SelectBodyFont(Canvas& dc, const SheetPass& pass);

// Selects the body font at scale times its size; returns its character size.
CharSize SelectScaledBodyFont(Canvas& dc, const SheetPass& pass, double scale);

// Whether the world y range [y1, y2] can show on the page, with `margin` metres of
// texts reaching into it from outside.
bool TouchesPage(const SheetPass& pass, double y1, double y2, double margin = 1.0);

}  // namespace tesmor

namespace tesmor {

// Smallest size a fitted text is reduced to, as a fraction of the body font.
inline constexpr double kSmallestFit = 0.5;

// Width of text once fitted to maxWidth: its width in the body font, or maxWidth
// when it is wider (and no less than kSmallestFit of its width).
double FittedWidth(Canvas& dc, std::string_view text, double maxWidth);

// Draws text at (x, y) with the alignment in force, in the body font reduced so
// that the text is at most maxWidth wide (to kSmallestFit at the least).
void DrawFittedText(Canvas& dc, const SheetPass& pass, double x, double y, std::string_view text,
                    double maxWidth);

}  // namespace tesmor
