#include "settings/SettingsStore.h"

#include <sys/stat.h>

#include "record/Messages.h"
#include "record/TextFile.h"

namespace tesmor {

namespace {

void DerivePaths(InstallLocation& location) {
  location.installFolder =
      location.installDrive.empty() ? location.installPath : location.installDrive + ":" + location.installPath;
  location.sysFilePath = JoinPath(location.installFolder, "SysTesmor.ndx");
  location.masterFilePath = JoinPath(location.installFolder, "WdtvxTesmor.mst");
  location.patternFilePath = JoinPath(location.installFolder, "PtnvcTesmor.ndx");
}

bool IsExistingNonFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

}  // namespace

std::vector<int> LoadSettings(SettingsStore& store, bool reload, const InstallEnvironment& env) {
  std::vector<int> messages;
  InstallLocation& location = store.location;
  if (!store.installFolderFound) {
    InstallSearch found = FindInstallFolder(env);
    location.pointerFilePath = std::move(found.pointerFilePath);
    location.installDrive = std::move(found.installDrive);
    location.installPath = std::move(found.installPath);
    messages = std::move(found.messages);
    store.installFolderFound = true;
  }
  if (reload) {
    store.settingsLoaded = false;
    store.fontsLoaded = false;
  }
  DerivePaths(location);
  if (!store.settingsLoaded) {
    ReadSettingsFile(store.settings, location.sysFilePath);
    store.settings.masterFileSetting = location.masterFilePath;
    LoadGeologyClassification(store.geology, location.masterFilePath);
    LoadPatternColours(store.patternColours, location.patternFilePath);
    store.settingsLoaded = true;
  }
  if (!store.fontsLoaded) {
    LoadFonts(store.settings.fonts, location.installFolder);
    store.fontsLoaded = true;
  }
  return messages;
}

std::vector<int> LoadSettings(SettingsStore& store, bool reload) {
  if (store.installFolderFound) return LoadSettings(store, reload, InstallEnvironment{});
  return LoadSettings(store, reload, CurrentInstallEnvironment());
}

void UseInstallFolder(SettingsStore& store, const std::string& folder, const InstallEnvironment& env) {
  store.location.pointerFilePath = PointerFilePath(env);
  store.location.installDrive.clear();
  store.location.installPath = WithoutTrailingSlashes(folder);
  store.installFolderFound = true;
  DerivePaths(store.location);
}

void UseInstallFolder(SettingsStore& store, const std::string& folder) {
  UseInstallFolder(store, folder, CurrentInstallEnvironment());
}

bool SaveSettings(const SettingsStore& store) { return SaveSettings(store.settings, store.location.sysFilePath); }

bool SaveFonts(const SettingsStore& store) { return SaveFonts(store.settings.fonts, store.location.installFolder); }

int SaveInstallFolder(SettingsStore& store, std::string_view drive, std::string_view folder) {
  const std::string path(WithoutTrailingSlashes(folder));
  if (!drive.empty() || !IsUsableInstallFolder(path) || IsExistingNonFolder(path)) return msg::kBadPathName;
  if (!store.installFolderFound) LoadSettings(store, false);  // the pointer file's place
  store.location.installDrive.clear();
  store.location.installPath = path;
  const int result = WritePointerFile(store.location.pointerFilePath, path) ? 0 : msg::kCannotSave;
  LoadSettings(store, true);
  return result;
}

}  // namespace tesmor
