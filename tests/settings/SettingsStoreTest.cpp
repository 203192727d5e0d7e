#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include "record/Messages.h"
#include "settings/SettingsTestSupport.h"

namespace tesmor {
namespace {

// A settings file whose line 63 (depth per page) holds depth and line 16 the note.
void WriteSettings(const std::string& folder, int depth, const std::string& note = "自沈") {
  std::vector<std::string> lines(81);
  lines[0] = "100";
  lines[16] = note;
  lines[61] = "8";
  lines[62] = "9";
  lines[63] = std::to_string(depth);
  ASSERT_TRUE(EnsureFolder(folder));
  ASSERT_TRUE(test::WriteAll(folder + "/SysTesmor.ndx", test::Cp932Lines(lines)));
}

TEST(SettingsStore, FirstLoadFindsTheFolderAndReadsEveryFile) {
  const std::string folder = test::MakeTempFolder();
  WriteSettings(folder, 30);
  ASSERT_TRUE(test::WriteAll(folder + "/Font2.ndx", "12.0\r\nIPAGothic\r\n255\r\n0\r\n"));
  ASSERT_TRUE(test::WriteAll(folder + "/WdtvxTesmor.mst", test::Cp932Lines({"[第１分類]", "ローム,Lm,700.2,"})));
  SettingsStore store;
  const InstallEnvironment env = test::FreshEnvironment(folder);
  EXPECT_TRUE(LoadSettings(store, false, env).empty());

  const InstallLocation& at = store.location;
  EXPECT_EQ(at.installDrive, "");
  EXPECT_EQ(at.installFolder, folder);
  EXPECT_EQ(at.pointerFilePath, env.xdgConfigHome + "/ZodazIR/StnTesmor.whr");
  EXPECT_EQ(at.sysFilePath, folder + "/SysTesmor.ndx");
  EXPECT_EQ(at.masterFilePath, folder + "/WdtvxTesmor.mst");
  EXPECT_EQ(at.patternFilePath, folder + "/PtnvcTesmor.ndx");

  EXPECT_EQ(store.settings.depthPerPage, 30);
  EXPECT_EQ(store.settings.leftMarginMm, 8);
  EXPECT_EQ(store.settings.masterFileSetting, at.masterFilePath);
  EXPECT_EQ(store.settings.fonts[kItemFont].size, 12.0);
  EXPECT_EQ(store.settings.fonts[kItemFont].face, "IPAGothic");
  EXPECT_EQ(store.settings.fonts[kHeadingFont].size, 10.0);
  EXPECT_EQ(store.geology.name[1], "ローム");
  EXPECT_EQ(store.geology.pattern[1], 700);
  EXPECT_GT(store.patternColours.count, 0);  // the built-in catalogue
  EXPECT_EQ(store.settings.depthScale, 100);
}

TEST(SettingsStore, FilesAreReadAgainOnlyOnReload) {
  const std::string folder = test::MakeTempFolder();
  WriteSettings(folder, 30);
  SettingsStore store;
  LoadSettings(store, false, test::FreshEnvironment(folder));
  store.settings.horizontalScale = 200;
  store.settings.printStartDepth = 4.5;

  WriteSettings(folder, 45, "ゼロ");
  ASSERT_TRUE(test::WriteAll(folder + "/Font1.ndx", "20.0\r\nIPAMincho\r\n0\r\n0\r\n"));
  LoadSettings(store, false);
  EXPECT_EQ(store.settings.depthPerPage, 30);
  EXPECT_EQ(store.settings.fonts[kHeadingFont].size, 10.0);

  LoadSettings(store, true);
  EXPECT_EQ(store.settings.depthPerPage, 45);
  EXPECT_EQ(store.settings.noteZeroBlows, "ゼロ");
  EXPECT_EQ(store.settings.fonts[kHeadingFont].size, 20.0);
  // Values that are not stored last for the run.
  EXPECT_EQ(store.settings.horizontalScale, 200);
  EXPECT_EQ(store.settings.printStartDepth, 4.5);

  // A reload of a file that lost its lines keeps the values those lines had.
  ASSERT_TRUE(test::WriteAll(folder + "/SysTesmor.ndx", test::Cp932Lines({"100", "1"})));
  LoadSettings(store, true);
  EXPECT_EQ(store.settings.maxBlowCountChoice, 1);
  EXPECT_EQ(store.settings.depthPerPage, 45);
  EXPECT_EQ(store.settings.leftMarginMm, 8);
}

TEST(SettingsStore, SavedSettingsAndFontsLoadBackTheSame) {
  const std::string folder = test::MakeTempFolder() + "/first-run";  // does not exist yet
  SettingsStore store;
  LoadSettings(store, false, test::FreshEnvironment(folder));
  EXPECT_EQ(store.settings.depthPerPage, 25);  // no file: the defaults
  store.settings.depthPerPage = 18;
  store.settings.pageOverlapDepth = 2;
  store.settings.siConversionC = 98.0665;
  store.settings.noteZeroPenetration = "貫入不可";
  store.settings.fonts[kNoteFont] = FontSetting{6.5, "IPAGothic", 0x0000ff, 1};
  ASSERT_TRUE(SaveSettings(store));
  ASSERT_TRUE(SaveFonts(store));

  const std::vector<std::string> lines = test::LinesOf(test::ReadAll(store.location.sysFilePath));
  ASSERT_EQ(lines.size(), 81u);
  EXPECT_EQ(lines[0], "100");
  EXPECT_EQ(lines[53], store.location.masterFilePath);

  SettingsStore again;
  LoadSettings(again, false, test::FreshEnvironment(folder));
  EXPECT_EQ(again.settings, store.settings);
}

TEST(SettingsStore, CommandLineFolderSkipsTheSearch) {
  const std::string folder = test::MakeTempFolder();
  WriteSettings(folder, 33);
  SettingsStore store;
  const InstallEnvironment nothing{};  // the search would complain
  UseInstallFolder(store, folder + "/", nothing);
  EXPECT_TRUE(LoadSettings(store, false, nothing).empty());
  EXPECT_EQ(store.location.installFolder, folder);
  EXPECT_EQ(store.settings.depthPerPage, 33);
}

TEST(SettingsStore, RefusedInstallFoldersChangeNothing) {
  const std::string old = test::MakeTempFolder();
  WriteSettings(old, 30);
  const std::string aFile = old + "/SysTesmor.ndx";
  struct Case {
    std::string drive;
    std::string folder;
  };
  const Case cases[] = {
      {"", ""}, {"", "relative/folder"}, {"", "./x"}, {"", "/"}, {"", "//"}, {"D", "/srv/tesmor"},
      {"1", "/srv/tesmor"}, {"", "/srv/a\nb"}, {"", aFile}, {"", "D:\\Tesmor"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.drive + " | " + c.folder);
    SettingsStore store;
    const InstallEnvironment env = test::FreshEnvironment(old);
    LoadSettings(store, false, env);
    store.settings.depthPerPage = 12;  // edited, not saved
    EXPECT_EQ(SaveInstallFolder(store, c.drive, c.folder), msg::kBadPathName);
    EXPECT_EQ(store.location.installFolder, old);
    EXPECT_EQ(store.settings.depthPerPage, 12);
    EXPECT_EQ(test::ReadAll(store.location.pointerFilePath), "");
  }
}

TEST(SettingsStore, NewInstallFolderIsWrittenAndLoaded) {
  const std::string old = test::MakeTempFolder();
  const std::string chosen = test::MakeTempFolder();
  WriteSettings(old, 30);
  WriteSettings(chosen, 40);
  const InstallEnvironment env = test::FreshEnvironment(old);
  SettingsStore store;
  LoadSettings(store, false, env);
  EXPECT_EQ(SaveInstallFolder(store, "", chosen + "/"), 0);
  EXPECT_EQ(store.location.installFolder, chosen);
  EXPECT_EQ(store.location.sysFilePath, chosen + "/SysTesmor.ndx");
  EXPECT_EQ(store.settings.depthPerPage, 40);
  EXPECT_EQ(store.settings.masterFileSetting, chosen + "/WdtvxTesmor.mst");
  EXPECT_EQ(test::ReadAll(store.location.pointerFilePath), chosen + "\r\n");
  EXPECT_EQ(test::ReadAll(old + "/SysTesmor.ndx").empty(), false);

  // The next run finds it through the pointer file.
  SettingsStore next;
  LoadSettings(next, false, env);
  EXPECT_EQ(next.location.installFolder, chosen);

  // A folder that does not exist yet is accepted; its settings start from the defaults.
  const std::string fresh = test::MakeTempFolder() + "/later";
  EXPECT_EQ(SaveInstallFolder(store, "", fresh), 0);
  EXPECT_EQ(store.settings.depthPerPage, 25);
}

TEST(SettingsStore, PointerFileThatCannotBeWrittenIsReported) {
  const std::string old = test::MakeTempFolder();
  const std::string chosen = test::MakeTempFolder();
  WriteSettings(chosen, 40);
  InstallEnvironment env = test::FreshEnvironment(old);
  env.xdgConfigHome = old + "/config-is-a-file";
  ASSERT_TRUE(test::WriteAll(env.xdgConfigHome, "x"));
  SettingsStore store;
  LoadSettings(store, false, env);
  EXPECT_EQ(SaveInstallFolder(store, "", chosen), msg::kCannotSave);
  EXPECT_EQ(test::ReadAll(env.xdgConfigHome), "x");
  // The folder still holds for this run.
  EXPECT_EQ(store.settings.depthPerPage, 40);
}

TEST(SettingsStore, InstallFolderThatIsAFileGivesDefaultsAndASaveFailure) {
  const std::string file = test::MakeTempFolder() + "/not-a-folder";
  ASSERT_TRUE(test::WriteAll(file, "keep"));
  SettingsStore store;
  LoadSettings(store, false, test::FreshEnvironment(file));
  EXPECT_EQ(store.settings.depthPerPage, 25);
  EXPECT_EQ(store.settings.fonts[kBodyFont].size, 8.0);
  EXPECT_FALSE(SaveSettings(store));
  EXPECT_FALSE(SaveFonts(store));
  EXPECT_EQ(test::ReadAll(file), "keep");
}

}  // namespace
}  // namespace tesmor
