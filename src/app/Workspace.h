// Everything the running program holds: the boring record and what the last load
// decided, the geology-name table, the install folder and the current file.
#pragma once

#include <string>

#include "readers/ShellState.h"
#include "record/BoringRecord.h"
#include "record/GeologyClassTable.h"

namespace tesmor {

struct Workspace {
  BoringRecord record;
  ShellState shell;
  GeologyClassTable geology;
  std::string installFolder;
  // Path of the boring on screen (empty before the first load).
  std::string currentPath;
};

}  // namespace tesmor
