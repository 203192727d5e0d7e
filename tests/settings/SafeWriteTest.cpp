// A settings write that fails never leaves a truncated, empty or stray file: the
// previous file stays byte for byte.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>

#include "record/TextCodec.h"
#include "settings/FontSettings.h"
#include "settings/InstallFolder.h"
#include "settings/Settings.h"
#include "settings/SettingsTestSupport.h"

namespace tesmor {
namespace {

std::vector<std::string> FileNames(const std::string& folder) {
  std::vector<std::string> names;
  if (DIR* dir = ::opendir(folder.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A folder holding the previous SysTesmor.ndx, Font1.ndx and pointer file.
struct PreviousFiles {
  std::string folder = test::MakeTempFolder();
  std::string settings = folder + "/SysTesmor.ndx";
  std::string font = folder + "/Font1.ndx";
  std::string pointer = folder + "/StnTesmor.whr";
  std::string settingsBytes = EncodeCp932("100\r\n1\r\n\r\n自沈\r\n");
  std::string fontBytes = "10.0\r\nIPAMincho\r\n0\r\n0\r\n";
  std::string pointerBytes = "/srv/old\r\n";

  PreviousFiles() {
    EXPECT_TRUE(test::WriteAll(settings, settingsBytes));
    EXPECT_TRUE(test::WriteAll(font, fontBytes));
    EXPECT_TRUE(test::WriteAll(pointer, pointerBytes));
  }

  // Tries every write of the program into the folder; true for each that succeeded.
  std::array<bool, 3> TryWrites() const {
    Settings s;
    ApplyDefaultSettings(s);
    FontSettings fonts{};
    LoadFonts(fonts, folder + "/none");
    return {SaveSettings(s, settings), SaveFonts(fonts, folder), WritePointerFile(pointer, "/srv/new")};
  }

  void ExpectUnchanged() const {
    EXPECT_EQ(test::ReadAll(settings), settingsBytes);
    EXPECT_EQ(test::ReadAll(font), fontBytes);
    EXPECT_EQ(test::ReadAll(pointer), pointerBytes);
    const std::vector<std::string> expected = {"Font1.ndx", "StnTesmor.whr", "SysTesmor.ndx"};
    EXPECT_EQ(FileNames(folder), expected);  // no temporary file left behind
  }
};

TEST(SafeWrite, AFullDiskKeepsThePreviousFiles) {
  // A file-size limit makes every write past a few bytes fail, as a full disk does.
  PreviousFiles previous;
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tiny = saved;
  tiny.rlim_cur = 8;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
  const std::array<bool, 3> written = previous.TryWrites();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(written, (std::array<bool, 3>{false, false, false}));
  previous.ExpectUnchanged();
}

TEST(SafeWrite, AFileInPlaceOfTheTargetIsNotReplacedByAFolderOrViceVersa) {
  // The settings path is a folder: the write fails and the folder stays.
  const std::string folder = test::MakeTempFolder();
  ASSERT_EQ(::mkdir((folder + "/SysTesmor.ndx").c_str(), 0755), 0);
  Settings s;
  EXPECT_FALSE(SaveSettings(s, folder + "/SysTesmor.ndx"));
  struct stat st {};
  ASSERT_EQ(::stat((folder + "/SysTesmor.ndx").c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(FileNames(folder), std::vector<std::string>{"SysTesmor.ndx"});

  // The folder is a regular file, or vanished after the program found it.
  const std::string file = test::MakeTempFolder() + "/file";
  ASSERT_TRUE(test::WriteAll(file, "data"));
  EXPECT_FALSE(SaveSettings(s, file + "/SysTesmor.ndx"));
  EXPECT_FALSE(SaveFonts(s.fonts, file));
  EXPECT_EQ(test::ReadAll(file), "data");
  const std::string vanished = test::MakeTempFolder();
  ASSERT_EQ(::rmdir(vanished.c_str()), 0);
  ASSERT_TRUE(test::WriteAll(vanished, "now a file"));
  EXPECT_FALSE(SaveSettings(s, vanished + "/SysTesmor.ndx"));
  EXPECT_EQ(test::ReadAll(vanished), "now a file");
}

TEST(SafeWrite, AReadOnlyFolderKeepsThePreviousFiles) {
  if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
  PreviousFiles previous;
  ASSERT_EQ(::chmod(previous.folder.c_str(), 0555), 0);
  const std::array<bool, 3> written = previous.TryWrites();
  ::chmod(previous.folder.c_str(), 0755);
  EXPECT_EQ(written, (std::array<bool, 3>{false, false, false}));
  previous.ExpectUnchanged();
}

}  // namespace
}  // namespace tesmor
