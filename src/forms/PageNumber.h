// The page number footer, set up in heading slots 61 to 69: text before the number
// (61), first page number (62), text after (63), vertical reference (64: 0 from
// the paper top, 1 from the bottom of the body), millimetres from the paper top
// (65) or below the body (66), horizontal reference (67: 0 from the left paper
// edge, 1 centred) and its millimetres (68 from the left edge, 69 when centred).
#pragma once

#include <string>

#include "forms/Sheet.h"

namespace tesmor {

// "%s%d%s" of slot 61, slot 62 as an integer + pageNumber - 1, slot 63 when slot
// 62 is numeric-looking; else the three slots joined.
std::string PageNumberText(const BoringRecord& record, int pageNumber);

// Draws the page number of the page whose body starts at pageTop, with font 5,
// extraOffset millimetres further down when placed below the body. Nothing is
// drawn for an empty text. The page transform is the same afterwards.
void DrawPageNumber(Canvas& dc, const SheetContext& sheet, int pageNumber, double pageTop,
                    double extraOffset);

}  // namespace tesmor
