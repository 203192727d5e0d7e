// The overlays drawn over a main pattern: admixtures (types 1 to 8, the names
// ending in 混り) and qualifiers (types 10 to 50, the names ending in 質). Both lay
// their marks in diagonal chains or bands from the upper right to the lower left,
// a new one every 0.13 × W down the box.
#pragma once

#include "draw/PatternBox.h"

namespace tesmor {

// Admixture type 1 to 8; stagger 1 starts the chains lower (4.25 row steps below
// the box top instead of 0.5; the stroke types 4 and 5: 3.75 instead of 0), so that
// they fall between the bands of a qualifier drawn over the same box.
void DrawAdmixture(const PatternBox& box, int type, int stagger);

// Qualifier type 10, 20, 30, 40 or 50.
void DrawQualifier(const PatternBox& box, int type);

}  // namespace tesmor
