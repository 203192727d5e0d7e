// The reader of each file kind, one call per line, and the post-load step chosen by
// the last line's result.
#pragma once

#include <string_view>

#include "readers/LoadContext.h"

namespace tesmor {

// True when the program has a reader for the kind; files of other kinds are
// refused before the boring record is touched.
bool KindHasReader(int fileKind);

// Strips the line end (CR LF, or LF) and hands the line to the reader of the kind;
// returns that reader's result.
int ReadDataLine(LoadContext& context, int fileKind, std::string_view line);

// Runs the post-load step chosen by the last line's result and returns the form
// to draw the boring in (0 soil, 1 rock).
int FinishLoad(LoadContext& context, int lastLineResult);

// Missing observation top depths taken from the bottom depth of the row above
// ("0.0" for the first row).
void FillObservationTopDepths(BoringRecord& record);

}  // namespace tesmor
