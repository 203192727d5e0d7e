// The column heading band of the rock form.
#pragma once

#include "forms/SheetPass.h"

namespace tesmor {

// Heading system in force, font 2 selected (pass.charWidth/charHeight are its size).
// The graph captions of the boring (GraphCaptions 1 to 3) head columns 19 and 21.
void DrawRockHeadings(Canvas& dc, SheetPass& pass);

}  // namespace tesmor
