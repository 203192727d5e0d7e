// Small helpers shared by the settings tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "record/TextCodec.h"
#include "settings/InstallFolder.h"
#include "support/TestSupport.h"

namespace tesmor::test {

// The lines joined with CR LF after each, as CP932 bytes.
inline std::string Cp932Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return EncodeCp932(text);
}

// The lines of a file written with CR LF (the last line end dropped).
inline std::vector<std::string> LinesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// An environment with a fresh configuration folder and the given install folder.
inline InstallEnvironment FreshEnvironment(const std::string& tesmorHome) {
  InstallEnvironment env;
  env.xdgConfigHome = MakeTempFolder();
  env.home = "/nonexistent-home";
  env.tesmorHome = tesmorHome;
  env.currentFolder = "/";
  return env;
}

}  // namespace tesmor::test
