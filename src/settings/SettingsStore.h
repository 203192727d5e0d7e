// The settings of the running program with where they live: the install location,
// the settings and fonts, the geology-name classification and the pattern colours,
// and the once-flags that govern when the files are read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "draw/PatternCatalogue.h"
#include "record/GeologyClassTable.h"
#include "settings/InstallFolder.h"
#include "settings/Settings.h"

namespace tesmor {

struct InstallLocation {
  std::string pointerFilePath;  // <configuration folder>/ZodazIR/StnTesmor.whr (may be empty)
  std::string installDrive;     // always empty: there are no drive letters here
  std::string installPath;      // the install folder as found or set
  // Derived from the two above at every LoadSettings.
  std::string installFolder;
  std::string sysFilePath;      // installFolder/SysTesmor.ndx
  std::string masterFilePath;   // installFolder/WdtvxTesmor.mst
  std::string patternFilePath;  // installFolder/PtnvcTesmor.ndx
};

struct SettingsStore {
  bool installFolderFound = false;
  bool settingsLoaded = false;
  bool fontsLoaded = false;
  InstallLocation location;
  Settings settings;
  GeologyClassTable geology;
  PatternColourTable patternColours;
};

// Loads the settings. On the first call it finds the install folder (unless
// UseInstallFolder set one). On every call it derives installFolder and the file
// paths. On the first call, and on every call with reload, it reads SysTesmor.ndx,
// sets masterFileSetting to the master path, loads the geology-name classification
// and the pattern colours, then the five fonts. Returns the message ids the caller
// shows (the search's, first call only).
std::vector<int> LoadSettings(SettingsStore& store, bool reload, const InstallEnvironment& env);
std::vector<int> LoadSettings(SettingsStore& store, bool reload);

// Uses folder as the install folder (the command line's --settings-dir): the search
// is skipped; the pointer file stays where the environment puts it.
void UseInstallFolder(SettingsStore& store, const std::string& folder, const InstallEnvironment& env);
void UseInstallFolder(SettingsStore& store, const std::string& folder);

// Writes SysTesmor.ndx of the install folder. False when it cannot be written: the
// caller shows msg::kCannotSave "保存できませんでした"; the old file is unchanged.
bool SaveSettings(const SettingsStore& store);

// Writes Font1.ndx to Font5.ndx of the install folder (the font dialog shows no
// message for a file that cannot be written).
bool SaveFonts(const SettingsStore& store);

// Sets the install folder and writes it to the pointer file, then reloads every
// setting from the new folder. There are no drive letters here: a drive is refused,
// as is a folder that is empty, relative, "/", more than one line, or an existing file;
// those give msg::kBadPathName and change nothing. A pointer file that cannot be
// written gives msg::kCannotSave (the new folder still holds for this run). 0 when
// all went well.
int SaveInstallFolder(SettingsStore& store, std::string_view drive, std::string_view folder);

}  // namespace tesmor
