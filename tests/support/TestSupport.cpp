#include "support/TestSupport.h"

#include <stdlib.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace tesmor::test {

std::string FixturePath(std::string_view relative) {
  return std::string(TESMOR_FIXTURES_DIR) + "/" + std::string(relative);
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

bool WriteAll(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::string InstallFolder() {
  const char* home = std::getenv("TESMOR_HOME");
  return home != nullptr ? home : std::string();
}

std::string MakeTempFolder() {
  std::string pattern = InstallFolder() + "/tmpXXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

}  // namespace tesmor::test
