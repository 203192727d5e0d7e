// The DTD 1.10 pass: after the common reader has seen a line of a 1.10 file, this
// pass reads the same line for the elements that 1.10 names its own way (地質区分,
// 色調_状態, 採取試料, dates split into year, month and day ...). It keeps its own
// line state and writes the same row numbers as the common reader, last, so its
// columns win.
#pragma once

#include <string_view>

#include "readers/LoadContext.h"

namespace tesmor {

// Reads one line of a DTD 1.10 file; returns the line's result as ReadXmlLine does.
int ReadXmlLine110(LoadContext& context, std::string_view line, int fileKind);

}  // namespace tesmor
