// The column heading band of the soil form.
#pragma once

#include "forms/SheetPass.h"

namespace tesmor {

// Heading system in force, font 2 selected (pass.charWidth/charHeight are its size).
void DrawSoilHeadings(Canvas& dc, SheetPass& pass);

}  // namespace tesmor
