// Helpers shared by the tests: fixture paths, a private install folder per test
// process, small file helpers.
#pragma once

#include <string>
#include <string_view>

namespace tesmor::test {

// Path of a file under tests/fixtures.
std::string FixturePath(std::string_view relative);

// The whole content of a file (empty when it cannot be read).
std::string ReadAll(const std::string& path);

// Writes bytes to a file, creating or truncating it; false on failure.
bool WriteAll(const std::string& path, std::string_view bytes);

// The install folder of this test process (TESMOR_HOME), created fresh at start.
std::string InstallFolder();

// A new empty folder under the test's temporary area.
std::string MakeTempFolder();

}  // namespace tesmor::test
