#include "settings/InstallFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

namespace tesmor {

std::string DefaultInstallFolder() {
  if (const char* home = std::getenv("TESMOR_HOME"); home != nullptr && *home != '\0') return home;
  std::string config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
    config = xdg;
  } else if (const char* user = std::getenv("HOME"); user != nullptr && *user != '\0') {
    config = std::string(user) + "/.config";
  } else {
    config = "/tmp";
  }
  return config + "/tesmor";
}

bool EnsureFolder(const std::string& folder) {
  if (folder.empty()) return false;
  struct stat st {};
  if (::stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  std::string partial;
  for (std::size_t i = 0; i <= folder.size(); ++i) {
    if (i == folder.size() || (folder[i] == '/' && i > 0)) {
      partial = folder.substr(0, i);
      if (::stat(partial.c_str(), &st) != 0) {
        if (::mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST) return false;
      } else if (!S_ISDIR(st.st_mode)) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace tesmor
