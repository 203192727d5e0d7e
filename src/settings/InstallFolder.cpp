#include "settings/InstallFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "record/Messages.h"
#include "record/TextCodec.h"
#include "record/TextFile.h"
#include "record/TextModeFile.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : std::string();
}

bool IsAbsolute(std::string_view path) { return !path.empty() && path.front() == '/'; }

// A folder given relative to the current directory, made absolute when that is known.
std::string AbsoluteFolder(std::string_view folder, const std::string& currentFolder) {
  if (IsAbsolute(folder) || !IsAbsolute(currentFolder)) return std::string(WithoutTrailingSlashes(folder));
  return std::string(WithoutTrailingSlashes(JoinPath(currentFolder, std::string(folder))));
}

}  // namespace

InstallEnvironment CurrentInstallEnvironment() {
  InstallEnvironment env;
  env.xdgConfigHome = EnvironmentValue("XDG_CONFIG_HOME");
  env.home = EnvironmentValue("HOME");
  env.tesmorHome = EnvironmentValue("TESMOR_HOME");
  std::string buffer(4096, '\0');
  if (::getcwd(buffer.data(), buffer.size()) != nullptr) env.currentFolder = buffer.c_str();
  return env;
}

std::string ConfigFolder(const InstallEnvironment& env) {
  if (IsAbsolute(env.xdgConfigHome)) return std::string(WithoutTrailingSlashes(env.xdgConfigHome));
  if (IsAbsolute(env.home)) return JoinPath(std::string(WithoutTrailingSlashes(env.home)), ".config");
  return {};
}

std::string PointerFilePath(const InstallEnvironment& env) {
  const std::string config = ConfigFolder(env);
  if (config.empty()) return {};
  return JoinPath(JoinPath(config, "ZodazIR"), "StnTesmor.whr");
}

InstallSearch FindInstallFolder(const InstallEnvironment& env) {
  InstallSearch found;
  const std::string config = ConfigFolder(env);
  if (config.empty()) {
    found.messages.push_back(msg::kWindowsFolderNotFound);
  } else {
    found.pointerFilePath = PointerFilePath(env);
    const std::string named = ReadPointerFile(found.pointerFilePath);
    if (IsUsableInstallFolder(named)) {
      found.installPath = WithoutTrailingSlashes(named);
      return found;
    }
  }
  if (!env.tesmorHome.empty()) {
    found.installPath = AbsoluteFolder(env.tesmorHome, env.currentFolder);
  } else if (!config.empty()) {
    found.installPath = JoinPath(config, "tesmor");
  } else {
    found.installPath = WithoutTrailingSlashes(env.currentFolder);
    if (found.installPath.size() <= 1) found.messages.push_back(msg::kSaveProgramInFolder);
  }
  return found;
}

std::string ReadPointerFile(const std::string& path) {
  std::string text;
  if (path.empty() || !ReadTextModeFile(path, text)) return {};
  LineSource source(text);
  std::string_view line;
  if (!source.NextLine(line)) return {};
  line = UpToNul(line);
  if (CharacterCount(line) <= 1) return {};
  return std::string(line);
}

std::string_view WithoutTrailingSlashes(std::string_view folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
  return folder;
}

bool IsUsableInstallFolder(std::string_view folder) {
  folder = WithoutTrailingSlashes(folder);
  if (!IsAbsolute(folder) || folder.size() <= 1) return false;
  return folder.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool WritePointerFile(const std::string& path, std::string_view folder) {
  if (path.empty()) return false;
  const std::string line = std::string(folder) + "\r\n";
  std::string bytes = EncodeCp932(line);
  if (DecodeCp932(bytes) != line) bytes = line;  // keep every character of the path
  EnsureFolder(FolderOf(path));
  return WriteFileAtomic(path, bytes);
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
