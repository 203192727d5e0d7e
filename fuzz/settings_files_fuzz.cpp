// libFuzzer harness of the files of the install folder: SysTesmor.ndx, Font1.ndx to
// Font5.ndx, the pointer file StnTesmor.whr and the last-folder files. The input is
// split into sections (SysTesmor.ndx, the five fonts, the pointer file, FileV.ndx).
//
// Checked beyond "no crash, no undefined behaviour":
// - every number read lies in its range (a line the file lacks leaves the 0 of the
//   first start);
// - what is saved reads back as the same numbers (the file keeps what the user set;
//   the 0 of a missing line comes back brought into its range);
// - a pointer file that names a usable folder, written back, names the same folder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "readers/LastFolderFile.h"
#include "settings/InstallFolder.h"
#include "settings/SettingRanges.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace {

using namespace tesmor;

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckRanges(const Settings& settings) {
  for (const SettingRange& range : kSettingRanges) {
    if (range.intValue != nullptr) {
      const int value = settings.*range.intValue;
      Require(value == 0 || (value >= range.intRange.min && value <= range.intRange.max));
    } else {
      const double value = settings.*range.realValue;
      Require(value == 0.0 || (value >= range.realRange.min && value <= range.realRange.max));
    }
  }
  Require(settings.leftMarginMm >= 1 && settings.leftMarginMm <= 100);
  Require(settings.topMarginMm >= 1 && settings.topMarginMm <= 100);
  for (const FontSetting& font : settings.fonts) {
    Require(font.size > kMinFontSizeExclusive && font.size <= kMaxFontSize);
    Require(font.underline == 0 || font.underline == 1);
  }
}

// Saves the settings and fonts and reads them into a fresh store: every number
// comes back (reals as "%g" and "%.1f" write them).
void CheckRoundTrip(const SettingsStore& store) {
  if (!SaveSettings(store) || !SaveFonts(store)) return;
  SettingsStore again;
  InstallEnvironment env;
  env.tesmorHome = store.location.installFolder;
  UseInstallFolder(again, store.location.installFolder, env);
  LoadSettings(again, true, env);
  for (const SettingRange& range : kSettingRanges) {
    if (range.intValue == nullptr) continue;
    Require(again.settings.*range.intValue == range.intRange.Clamp(store.settings.*range.intValue));
  }
  Require(again.settings.leftMarginMm == store.settings.leftMarginMm);
  Require(again.settings.topMarginMm == store.settings.topMarginMm);
  for (std::size_t i = 0; i < store.settings.fonts.size(); ++i) {
    Require(again.settings.fonts[i].colour == store.settings.fonts[i].colour);
    Require(again.settings.fonts[i].underline == store.settings.fonts[i].underline);
  }
}

void CheckPointerFile(const std::vector<std::string_view>& sections) {
  const std::string config = fuzz::ScratchPath("config");
  const std::string pointer = JoinPath(JoinPath(config, "ZodazIR"), "StnTesmor.whr");
  EnsureFolder(JoinPath(config, "ZodazIR"));
  fuzz::PlaceFile(pointer, sections, 6);
  InstallEnvironment env;
  env.xdgConfigHome = config;
  env.currentFolder = fuzz::ScratchFolder();
  // Only read: the folder a pointer file names is never written to here.
  const InstallSearch found = FindInstallFolder(env);
  Require(!found.installPath.empty());
  const std::string named = ReadPointerFile(pointer);
  if (!IsUsableInstallFolder(named)) return;
  const std::string folder(WithoutTrailingSlashes(named));
  const std::string copy = fuzz::ScratchPath("copy.whr");
  Require(WritePointerFile(copy, folder));
  Require(ReadPointerFile(copy) == folder);
}

void CheckLastFolderFile(const std::vector<std::string_view>& sections) {
  const std::string path = fuzz::ScratchPath("FileV.ndx");
  fuzz::PlaceFile(path, sections, 7);
  for (const int width : {kOpenFolderWidth, kReformatFolderWidth}) {
    const LastFolder last = ReadLastFolderFile(path, width);
    const std::string copy = fuzz::ScratchPath("FileF.ndx");
    WriteLastFolderFile(copy, last);
    ReadLastFolderFile(copy, width);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> sections =
      fuzz::SplitSections(std::string_view(reinterpret_cast<const char*>(data), size));
  SettingsStore store;
  fuzz::LoadSettingsFrom(store, sections, 0);
  CheckRanges(store.settings);
  CheckRoundTrip(store);
  CheckPointerFile(sections);
  CheckLastFolderFile(sections);
  return 0;
}
