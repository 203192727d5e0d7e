#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <cstdlib>
#include <optional>

#include "app/AppMessages.h"
#include "app/AppTestSupport.h"
#include "app/DesktopIntegration.h"
#include "app/HelpDialogs.h"
#include "app/HelpFile.h"
#include "app/HelpLines.h"
#include "app/TextFileLauncher.h"
#include "record/TextCodec.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

// The built-in lines as the guide uses them: up to the "EOF" line.
std::vector<std::string> BuiltInGuide() {
  std::vector<std::string> lines;
  for (const std::string_view line : HelpLines()) {
    lines.emplace_back(line);
    if (line.find("EOF") != std::string_view::npos) break;
  }
  return lines;
}

std::string Cp932File(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return EncodeCp932(text);
}

TEST(HelpFileTest, TheGuideFollowsTheHelpFilesVersion) {
  const std::vector<std::string> builtIn = BuiltInGuide();
  ASSERT_EQ(builtIn.front(), "4000");
  const std::string edited = EncodeCp932("4000\r\n自分で書き足した説明\r\n");
  const std::string newer = EncodeCp932("4100\r\n次の版\r\n");
  const std::string longLine = "4000\r\n" + std::string(200, 'x') + "\r\n";
  struct Case {
    const char* name;
    std::optional<std::string> file;  // the help file before; nullopt: none
    bool keepsFile;
    std::vector<std::string> shown;   // empty: the built-in text
  };
  const Case cases[] = {
      {"missing file", std::nullopt, false, {}},
      {"version 3900", EncodeCp932("3900\r\n古い説明\r\n"), false, {}},
      {"empty file", std::string(), false, {}},
      {"first line not a number", EncodeCp932("ヘルプ\r\n"), false, {}},
      {"version 4000, edited by the user", edited, true, {"4000", "自分で書き足した説明"}},
      {"a newer version", newer, true, {"4100", "次の版"}},
      {"a line longer than the list reads", longLine, true, {"4000", std::string(159, 'x'), std::string(41, 'x')}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string folder = test::MakeTempFolder();
    const std::string path = HelpFilePath(folder);
    if (c.file) {
      ASSERT_TRUE(test::WriteAll(path, *c.file));
    }
    const GuideText guide = LoadGuideText(folder);
    EXPECT_EQ(guide.fromFile, c.keepsFile);
    EXPECT_EQ(guide.lines, c.shown.empty() ? builtIn : c.shown);
    EXPECT_EQ(test::ReadAll(path), c.keepsFile ? *c.file : Cp932File(builtIn));
    EXPECT_FALSE(guide.tooManyLines);
  }
}

TEST(HelpFileTest, TheWrittenFileReadsBackAsTheBuiltInText) {
  const std::string folder = test::MakeTempFolder();
  LoadGuideText(folder);
  const GuideText again = LoadGuideText(folder);
  EXPECT_TRUE(again.fromFile);
  EXPECT_EQ(again.lines, BuiltInGuide());  // every line fits the read width and Shift_JIS
}

TEST(HelpFileTest, AFolderThatCannotBeWrittenStillShowsTheBuiltInText) {
  const std::string blocker = test::MakeTempFolder() + "/a-file";
  ASSERT_TRUE(test::WriteAll(blocker, "not a folder"));
  const std::string folder = blocker + "/tesmor";  // cannot be created, even by root
  const GuideText guide = LoadGuideText(folder);
  EXPECT_FALSE(guide.fromFile);
  EXPECT_EQ(guide.lines, BuiltInGuide());
}

TEST(HelpFileTest, AnOverlongHelpFileIsCutAtTheListsLimit) {
  const std::string folder = test::MakeTempFolder();
  std::string text = "4000\r\n";
  for (int i = 0; i < kGuideListLimit + 5; ++i) text += "line\r\n";
  ASSERT_TRUE(test::WriteAll(HelpFilePath(folder), text));
  const GuideText guide = LoadGuideText(folder);
  EXPECT_TRUE(guide.tooManyLines);
  EXPECT_EQ(static_cast<int>(guide.lines.size()), kGuideListLimit);
}

class HelpDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::TestApp();
    test::RecordMessages(messages_);
    saved_ = CurrentProgramStarter();
    CurrentProgramStarter() = ProgramStarter{
        [this](const QUrl& url) {
          started_ << "open " + url.toLocalFile();
          return desktopOpens_;
        },
        [this](const QString& program, const QStringList& arguments, const QString& folder) {
          started_ << program + " " + arguments.join(' ') + " in " + folder;
          return editorStarts_;
        },
    };
  }
  void TearDown() override { CurrentProgramStarter() = saved_; }

  QStringList messages_;
  QStringList started_;
  bool desktopOpens_ = false;
  bool editorStarts_ = false;
  ProgramStarter saved_;
};

TEST_F(HelpDialogTest, TheGuideListsTheHelpAndWritesTheFile) {
  const std::string folder = test::MakeTempFolder();
  GuideDialog dialog(folder);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("操作＆ヘルプ"));
  EXPECT_EQ(dialog.openAndPrintButton()->text(), QStringLiteral("開いて印刷"));
  const std::vector<std::string> builtIn = BuiltInGuide();
  ASSERT_EQ(dialog.list()->count(), static_cast<int>(builtIn.size()));
  EXPECT_EQ(dialog.list()->item(1)->text(), QStringLiteral("【Tesmorビューア】"));
  EXPECT_EQ(dialog.list()->item(dialog.list()->count() - 1)->text(), QStringLiteral("EOF"));
  EXPECT_EQ(test::ReadAll(HelpFilePath(folder)).substr(0, 6), "4000\r\n");
  EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(HelpDialogTest, OpenAndPrintTriesTheDesktopThenVisualThenEditor) {
  const std::string folder = test::MakeTempFolder();
  const QString path = ToQString(HelpFilePath(folder));
  const QString in = QStringLiteral(" in ") + ToQString(folder);
  struct Case {
    const char* name;
    bool desktopOpens;
    const char* visual;  // nullptr: unset
    const char* editor;
    QStringList started;
    bool cannotRun;      // message 4032
  };
  const Case cases[] = {
      {"the desktop opens it", true, "gvim", "vi", {"open " + path}, false},
      {"$VISUAL with options", false, "emacs -nw", "vi", {"open " + path, "emacs -nw " + path + in}, false},
      {"$EDITOR without $VISUAL", false, nullptr, "mousepad", {"open " + path, "mousepad " + path + in}, false},
      {"nothing starts", false, "gvim", "vi", {"open " + path, "gvim " + path + in, "vi " + path + in}, true},
      {"no editor named", false, nullptr, nullptr, {"open " + path}, true},
  };
  GuideDialog dialog(folder);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    started_.clear();
    messages_.clear();
    desktopOpens_ = c.desktopOpens;
    editorStarts_ = !c.cannotRun;
    if (c.visual) setenv("VISUAL", c.visual, 1);
    else unsetenv("VISUAL");
    if (c.editor) setenv("EDITOR", c.editor, 1);
    else unsetenv("EDITOR");
    dialog.openAndPrintButton()->click();
    EXPECT_EQ(started_, c.started);
    EXPECT_EQ(messages_, c.cannotRun ? QStringList{QStringLiteral("実行できませんでした")} : QStringList{});
  }
  unsetenv("VISUAL");
  unsetenv("EDITOR");
}

TEST_F(HelpDialogTest, OpenAndPrintWithoutAHelpFileSaysItCannotRun) {
  const std::string blocker = test::MakeTempFolder() + "/a-file";
  ASSERT_TRUE(test::WriteAll(blocker, "not a folder"));
  desktopOpens_ = true;
  GuideDialog dialog(blocker + "/tesmor");
  EXPECT_GT(dialog.list()->count(), 100);
  dialog.openAndPrintButton()->click();
  EXPECT_TRUE(started_.isEmpty());
  EXPECT_EQ(messages_, QStringList{QStringLiteral("実行できませんでした")});
}

TEST_F(HelpDialogTest, TheAboutBoxNamesTheProgramItsVersionAndBuild) {
  AboutDialog about;
  EXPECT_EQ(about.windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
  const QStringList texts = about.texts();
  ASSERT_EQ(texts.size(), 3);
  EXPECT_EQ(texts[0], QStringLiteral("Tesmorビューア  Tesmor"));
  EXPECT_EQ(texts[1], QStringLiteral("Version 4.00"));
  EXPECT_TRUE(texts[2].startsWith(QStringLiteral("ビルド " TESMOR_VERSION)));
  bool iconShown = false;
  for (const QLabel* label : about.findChildren<QLabel*>()) iconShown = iconShown || !label->pixmap().isNull();
  EXPECT_TRUE(iconShown);
  EXPECT_FALSE(ProgramIcon().pixmap(QSize(48, 48)).isNull());
}

}  // namespace
}  // namespace tesmor
