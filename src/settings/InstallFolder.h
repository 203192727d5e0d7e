// The install folder: where the program keeps its settings, fonts, tables,
// last-folder files, help text and working files.
#pragma once

#include <string>

namespace tesmor {

// $TESMOR_HOME when set, else $XDG_CONFIG_HOME/tesmor (~/.config/tesmor when the
// variable is unset). The folder is not created here.
std::string DefaultInstallFolder();

// Creates the folder (and its parents) when missing; false when that fails.
bool EnsureFolder(const std::string& folder);

}  // namespace tesmor
