// What follows the last line of a boring-information file drawn on the rock form:
// missing observation tops, in-situ test names, depth order, the last core row's
// flag, the graph captions and the symbols of the rock-class codes.
#pragma once

#include "record/BoringRecord.h"

namespace tesmor {

// Observation tops, in-situ names, sorts of the drilling progress, colour and core
// length tables, the last core-length row's flag (16) and the graph captions.
void RockCompletion(BoringRecord& record);

// Captions 1 to 8 of the graph heading from the N values and Lugeon tests present;
// caption 10 becomes "1".
void FillGraphCaptions(BoringRecord& record);

// Rock-class codes of the colour table (硬軟 to 変質) replaced by their symbols.
void RockClassSymbols(BoringRecord& record);

}  // namespace tesmor
