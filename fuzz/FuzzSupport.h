// What the harnesses share: a scratch folder of the process (removed at exit), file
// writing, the splitting of one input into several files, and settings taken from
// such files.
#pragma once

#include <ftw.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "record/TextFile.h"
#include "settings/FontSettings.h"
#include "settings/SettingsStore.h"

namespace tesmor::fuzz {

// Sections of one input are separated by this line (a real file never holds it).
inline constexpr std::string_view kSectionSeparator = "\n=====\n";

inline std::vector<std::string_view> SplitSections(std::string_view bytes) {
  std::vector<std::string_view> sections;
  while (true) {
    const std::size_t cut = bytes.find(kSectionSeparator);
    sections.push_back(bytes.substr(0, cut));
    if (cut == std::string_view::npos) return sections;
    bytes.remove_prefix(cut + kSectionSeparator.size());
  }
}

// The scratch folder of this process. A plain array outlives the exit handlers, a
// std::string would not.
inline const char* ScratchFolder() {
  static char path[64] = {};
  if (path[0] == '\0') {
    std::snprintf(path, sizeof path, "/tmp/tesmor-fuzz-XXXXXX");
    if (::mkdtemp(path) == nullptr) std::abort();
    std::atexit([] {
      ::nftw(
          path, [](const char* p, const struct stat*, int, struct FTW*) { return std::remove(p); }, 8,
          FTW_DEPTH | FTW_PHYS);
    });
  }
  return path;
}

inline std::string ScratchPath(std::string_view name) { return JoinPath(ScratchFolder(), std::string(name)); }

inline void WriteBytes(const std::string& path, std::string_view bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) std::abort();
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

// A file of the scratch folder holding bytes, or no such file when the section is
// missing.
inline void PlaceFile(const std::string& path, const std::vector<std::string_view>& sections, std::size_t index) {
  if (index < sections.size()) {
    WriteBytes(path, sections[index]);
  } else {
    std::remove(path.c_str());
  }
}

// The settings folder of the scratch folder filled from sections[first] (SysTesmor.ndx)
// and the five sections after it (Font1.ndx to Font5.ndx), then loaded into store.
inline void LoadSettingsFrom(SettingsStore& store, const std::vector<std::string_view>& sections, std::size_t first) {
  const std::string folder = ScratchPath("settings");
  EnsureFolder(folder);
  PlaceFile(JoinPath(folder, "SysTesmor.ndx"), sections, first);
  for (std::size_t i = 0; i < kFontDefaults.size(); ++i) {
    PlaceFile(JoinPath(folder, std::string(kFontDefaults[i].fileName)), sections, first + 1 + i);
  }
  InstallEnvironment env;
  env.tesmorHome = folder;
  env.currentFolder = folder;
  UseInstallFolder(store, folder, env);
  LoadSettings(store, true, env);
}

}  // namespace tesmor::fuzz
