// The main lithology patterns of MainPatternTable.h: rows of marks.
#pragma once

#include "draw/MainPatternTable.h"
#include "draw/PatternBox.h"

namespace tesmor {

// The main pattern of a type; nullptr when the type is not one of them.
const MainPattern* FindMainPattern(int type);

// Fills the box with the pattern: row k (from 0) lies at y1 + (firstRow + k ×
// rowStep) × W and takes its placements from rows[k % size].
void DrawMainPattern(const PatternBox& box, const MainPattern& pattern);

}  // namespace tesmor
