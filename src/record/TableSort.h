// Depth ordering of the data tables.
#pragma once

#include "record/BoringRecord.h"

namespace tesmor {

// Sorts a table's rows in ascending order of the depth text in the key column (the
// exchange sort: rows with equal keys are never exchanged).
void SortTablesByDepth(TextTable& table);

}  // namespace tesmor
