// Fill symbols (types 10000 to 10004: 表土, 埋土, 廃棄土, 盛土) drawn across the whole
// box, and the rock-mass grades (10091 硬岩, 10092 中硬岩, 10093 軟岩) drawn as
// vertical lines and dashes over the covered width.
#pragma once

#include "draw/PatternBox.h"

namespace tesmor {

// Types 10000 to 10004; the box's coverage is not used.
void DrawFillSymbolLines(const PatternBox& box, int type);

// Types 10091 to 10093.
void DrawRockMassSymbol(const PatternBox& box, int type);

}  // namespace tesmor
