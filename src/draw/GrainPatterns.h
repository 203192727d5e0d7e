// The grain family of lithology patterns (gravels, sands, sandstones, boulders),
// drawn by one renderer from the parameters of GrainPatternTable.h.
#pragma once

#include "draw/GrainPatternTable.h"
#include "draw/PatternBox.h"

namespace tesmor {

// The parameters of a grain-family type; nullptr for other types.
const GrainParameters* FindGrainPattern(int type);

// Fills the box with the grain pattern.
void DrawGrainPattern(const PatternBox& box, const GrainParameters& p);

}  // namespace tesmor
