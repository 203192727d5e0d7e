#include "settings/InstallFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "record/Messages.h"
#include "record/TextCodec.h"
#include "settings/SettingsTestSupport.h"

namespace tesmor {
namespace {

void WritePointer(const std::string& configFolder, const std::string& bytes) {
  ASSERT_TRUE(EnsureFolder(configFolder + "/ZodazIR"));
  ASSERT_TRUE(test::WriteAll(configFolder + "/ZodazIR/StnTesmor.whr", bytes));
}

TEST(InstallFolder, PointerFileNamesTheFolderElseTheEnvironmentDoes) {
  const std::string named = test::MakeTempFolder();
  struct Case {
    std::string name;
    std::string pointer;  // bytes of the pointer file; "-" for none
    std::string tesmorHome;
    std::string expected;  // "<config>" stands for the configuration folder
  };
  const Case cases[] = {
      {"pointer", named + "\r\n", "/t", named},
      {"pointer with trailing slash", named + "/\r\n", "/t", named},
      {"pointer without line end", named, "/t", named},
      {"no pointer file", "-", "/t", "/t"},
      {"no pointer, no TESMOR_HOME", "-", "", "<config>/tesmor"},
      {"pointer from Windows", "D:\\Tesmor\r\n", "/t", "/t"},
      {"pointer to the root", "/\r\n", "/t", "/t"},
      {"pointer of one character", "x\r\n", "", "<config>/tesmor"},
      {"empty pointer", "", "/t", "/t"},
      {"relative pointer", "tesmor/settings\r\n", "/t", "/t"},
      {"relative TESMOR_HOME", "-", "portable/", "/work/portable"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InstallEnvironment env = test::FreshEnvironment(c.tesmorHome);
    env.currentFolder = "/work";
    if (c.pointer != "-") WritePointer(env.xdgConfigHome, c.pointer);
    const InstallSearch found = FindInstallFolder(env);
    std::string expected = c.expected;
    if (expected.starts_with("<config>")) expected = env.xdgConfigHome + expected.substr(8);
    EXPECT_EQ(found.installPath, expected);
    EXPECT_EQ(found.installDrive, "");
    EXPECT_EQ(found.pointerFilePath, env.xdgConfigHome + "/ZodazIR/StnTesmor.whr");
    EXPECT_TRUE(found.messages.empty());
  }
}

TEST(InstallFolder, ConfigurationFolderComesFromXdgOrHome) {
  struct Case {
    std::string xdg;
    std::string home;
    std::string tesmorHome;
    std::string currentFolder;
    std::string pointer;
    std::string folder;
    std::vector<int> messages;
  };
  const Case cases[] = {
      {"/x/", "/h", "", "/w", "/x/ZodazIR/StnTesmor.whr", "/x/tesmor", {}},
      {"", "/h", "", "/w", "/h/.config/ZodazIR/StnTesmor.whr", "/h/.config/tesmor", {}},
      {"relative", "/h", "", "/w", "/h/.config/ZodazIR/StnTesmor.whr", "/h/.config/tesmor", {}},
      {"", "", "/t", "/w", "", "/t", {msg::kWindowsFolderNotFound}},
      {"", "relative", "", "/w/", "", "/w", {msg::kWindowsFolderNotFound}},
      {"", "", "", "/", "", "/", {msg::kWindowsFolderNotFound, msg::kSaveProgramInFolder}},
      {"", "", "", "", "", "", {msg::kWindowsFolderNotFound, msg::kSaveProgramInFolder}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.xdg + " | " + c.home + " | " + c.tesmorHome + " | " + c.currentFolder);
    const InstallSearch found = FindInstallFolder({c.xdg, c.home, c.tesmorHome, c.currentFolder});
    EXPECT_EQ(found.pointerFilePath, c.pointer);
    EXPECT_EQ(found.installPath, c.folder);
    EXPECT_EQ(found.messages, c.messages);
  }
}

TEST(InstallFolder, ReadPointerFileGivesTheFirstLine) {
  const std::string folder = test::MakeTempFolder();
  struct Case {
    std::string bytes;
    std::string expected;
  };
  const Case cases[] = {
      {"/srv/tesmor\r\n/other\r\n", "/srv/tesmor"},
      {"/srv/tesmor\n", "/srv/tesmor"},
      {"D:\\\r\n", "D:\\"},
      {"D\r\n", ""},
      {"\r\n/srv\r\n", ""},
      {"", ""},
      {EncodeCp932("/home/田中/柱状図\r\n"), "/home/田中/柱状図"},
      {"/home/\xc3\xa9t\xc3\xa9\r\n", "/home/été"},
      {std::string("/a\0b\r\n", 6), "/a"},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string path = folder + "/p" + std::to_string(n++);
    ASSERT_TRUE(test::WriteAll(path, c.bytes));
    EXPECT_EQ(ReadPointerFile(path), c.expected) << n;
  }
  EXPECT_EQ(ReadPointerFile(folder + "/missing"), "");
  EXPECT_EQ(ReadPointerFile(folder), "");  // a folder, not a file
}

TEST(InstallFolder, WrittenPointerFileIsFoundAgain) {
  for (const std::string name : {"柱状図", "été"}) {
    SCOPED_TRACE(name);
    InstallEnvironment env = test::FreshEnvironment("/t");
    const std::string folder = test::MakeTempFolder() + "/" + name;
    // The folder ZodazIR does not exist yet: it is created.
    ASSERT_TRUE(WritePointerFile(PointerFilePath(env), folder));
    EXPECT_EQ(FindInstallFolder(env).installPath, folder);
  }
  InstallEnvironment env = test::FreshEnvironment("/t");
  ASSERT_TRUE(WritePointerFile(PointerFilePath(env), "/srv/柱状図"));
  EXPECT_EQ(test::ReadAll(PointerFilePath(env)), EncodeCp932("/srv/柱状図\r\n"));
  EXPECT_FALSE(WritePointerFile("", "/srv"));
}

}  // namespace
}  // namespace tesmor
