// The page number footer, set up in the page-number heading slots: text before the
// number, first page number, text after, vertical reference (0 from the paper top,
// 1 from the bottom of the body), millimetres from the paper top or below the body,
// horizontal reference (0 from the left paper edge, 1 centred) and its millimetres
// (from the left edge, or off the centre).
#pragma once

#include <string>

#include "forms/Sheet.h"

namespace tesmor {

// "%s%d%s" of the text before, the first page number as an integer + pageNumber - 1
// and the text after, when the first page number is numeric-looking; else the three
// slots joined.
std::string PageNumberText(const BoringRecord& record, int pageNumber);

// Draws the page number of the page whose body starts at pageTop, with font 5,
// extraOffset millimetres further down when placed below the body. Nothing is
// drawn for an empty text. The page transform is the same afterwards.
void DrawPageNumber(Canvas& dc, const SheetContext& sheet, int pageNumber, double pageTop,
                    double extraOffset);

}  // namespace tesmor
