// Test main: every test process gets a fresh, private install folder (TESMOR_HOME)
// and configuration folder, removed again at the end, so that no test reads or
// writes the user's own settings.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

int main(int argc, char** argv) {
  std::string base = (std::filesystem::temp_directory_path() / "tesmor-test-XXXXXX").string();
  const bool made = mkdtemp(base.data()) != nullptr;
  if (made) {
    const std::string home = base + "/home";
    const std::string config = base + "/config";
    std::filesystem::create_directories(home);
    std::filesystem::create_directories(config);
    setenv("TESMOR_HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  }
  ::testing::InitGoogleTest(&argc, argv);
  const int rc = RUN_ALL_TESTS();
  if (made) {
    std::error_code ec;
    std::filesystem::remove_all(base, ec);
  }
  return rc;
}
