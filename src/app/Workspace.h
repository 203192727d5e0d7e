// Everything the running program holds: the boring record and what the last load
// decided, the settings with the geology-name table and the install folder, and
// the current file.
#pragma once

#include <string>

#include "forms/PageModel.h"
#include "readers/ShellState.h"
#include "record/BoringRecord.h"
#include "record/GeologyClassTable.h"
#include "settings/SettingsStore.h"

namespace tesmor {

struct Workspace {
  Workspace() = default;
  Workspace(const Workspace&) = delete;  // the references below point into this object
  Workspace& operator=(const Workspace&) = delete;

  BoringRecord record;
  ShellState shell;
  SettingsStore settingsStore;
  GeologyClassTable& geology = settingsStore.geology;
  // The install folder (set it with UseInstallFolder, or let LoadSettings find it).
  const std::string& installFolder() const { return settingsStore.location.installFolder; }
  // Path of the boring on screen (empty before the first load).
  std::string currentPath;
  // The page shown or printed.
  PageModel page;
};

}  // namespace tesmor
