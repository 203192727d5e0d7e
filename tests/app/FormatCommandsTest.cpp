#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <string>

#include "app/AppMessages.h"
#include "app/CommandIds.h"
#include "app/FormatSaveDialog.h"
#include "app/MainFrame.h"
#include "app/AppTestSupport.h"
#include "app/TesmorDoc.h"
#include "readers/BoringDump.h"
#include "readers/XmlReformatter.h"
#include "record/Messages.h"
#include "record/TextFile.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

const std::string kOneLine = "reformat/one-line.sjis.xml";
const std::string kKikNet = "real/BOREHOLE_KIK-NET_BED10121000020005.utf8.xml";

QString Text(int id, const std::string& arg = {}) { return ToQString(MessageText(id, arg)); }

// Runs the commands with a fresh install folder, files chosen by the test and the
// messages recorded instead of shown.
class FormatCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::TestApp();
    UseInstallFolder(ws_.settingsStore, test::MakeTempFolder());
    LoadBuiltInGeologyClassification(ws_.geology);
    CurrentMessagePresenter() = [this](QWidget*, const QString& text, MessageButtons buttons) {
      messages_ << text;
      offers_ << (buttons == MessageButtons::OkCancel);
      return answer_;
    };
    chooser_.openFile = [this](QWidget*, const QString&, const QString& folder, const QString&) {
      openFolders_ << folder;
      return ToQString(toOpen_);
    };
    chooser_.saveFile = [this](QWidget*, const QString&, const QString& proposed, const QString&) {
      proposals_ << proposed;
      return ToQString(toSave_);
    };
  }

  std::string FolderFile(const char* name) { return test::ReadAll(JoinPath(ws_.installFolder(), name)); }

  // The record of a file opened in another window with the File menu's Open
  // (whose notices are neither recorded nor accepted), as JSON.
  std::string PlainLoad(const std::string& path) {
    const QStringList before = messages_;
    const bool answer = answer_;
    answer_ = false;
    Workspace other;
    UseInstallFolder(other.settingsStore, test::MakeTempFolder());
    LoadBuiltInGeologyClassification(other.geology);
    CMainFrame frame(other);
    EXPECT_TRUE(frame.document().LoadFile(path, OpenPath::FileMenu));
    messages_ = before;
    answer_ = answer;
    return DumpBoringJson(other.record, other.shell, {});
  }
  std::string Loaded() { return DumpBoringJson(ws_.record, ws_.shell, {}); }

  Workspace ws_;
  FileChooser chooser_;
  std::string toOpen_;
  std::string toSave_;
  QStringList openFolders_;
  QStringList proposals_;
  QStringList messages_;
  QList<bool> offers_;
  bool answer_ = true;
};

TEST_F(FormatCommandsTest, FormatAndOpenLoadsTheReformattedFileUnderItsOwnName) {
  CMainFrame frame(ws_);
  frame.document().setFileChooser(chooser_);
  ASSERT_TRUE(frame.action(cmd::kFormatAndOpen)->isEnabled());
  test::WriteAll(JoinPath(ws_.installFolder(), "FileF.ndx"), "/start/here\r\nkept?\r\n");

  toOpen_ = test::FixturePath(kOneLine);
  frame.action(cmd::kFormatAndOpen)->trigger();
  EXPECT_EQ(openFolders_, QStringList{"/start/here"});
  EXPECT_TRUE(messages_.isEmpty()) << messages_.join("|").toStdString();
  EXPECT_EQ(ws_.currentPath, toOpen_);
  EXPECT_EQ(ws_.shell.FileKind, 203);
  EXPECT_EQ(Loaded(), PlainLoad(test::FixturePath("reformat/one-line.expected.sjis.xml")));
  EXPECT_EQ(FolderFile("FileF.ndx"), FolderOf(toOpen_) + "\r\n\r\n");

  // A one-line real file: loaded, then the long line is reported.
  toOpen_ = test::FixturePath(kKikNet);
  frame.action(cmd::kFormatAndOpen)->trigger();
  EXPECT_EQ(ws_.shell.FileKind, 202);
  EXPECT_EQ(ws_.currentPath, toOpen_);
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_[0].startsWith(Text(msg::kLineTooLong) + QStringLiteral(" 第3行「<ボーリング情報 DTD_version")))
      << messages_[0].toStdString();
}

TEST_F(FormatCommandsTest, FormatAndOpenRefusesWhatItCannotLoadAndKeepsTheBoring) {
  CMainFrame frame(ws_);
  frame.document().setFileChooser(chooser_);
  ws_.record.setHeading(1, "previous");
  const std::string installFolder = ws_.installFolder();
  const std::string folder = test::MakeTempFolder();
  const std::string notBoring = folder + "/notes.xml";
  std::string lines;
  for (int i = 0; i < 30; ++i) lines += "<line>" + std::to_string(i) + "</line>\r\n";
  ASSERT_TRUE(test::WriteAll(notBoring, lines));

  struct Case {
    std::string source;
    std::string installFolder;
    QString message;
  };
  const Case cases[] = {
      {notBoring, ws_.installFolder(), Text(msg::kNotBoringExchangeFile)},
      {folder + "/none.xml", ws_.installFolder(), Text(msg::kFileNotFound, folder + "/none.xml")},
      {test::FixturePath(kOneLine), notBoring + "/install", Text(msg::kCannotRun)},
  };
  for (const Case& c : cases) {
    messages_.clear();
    UseInstallFolder(ws_.settingsStore, c.installFolder);
    toOpen_ = c.source;
    frame.action(cmd::kFormatAndOpen)->trigger();
    EXPECT_EQ(messages_, QStringList{c.message});
    EXPECT_EQ(ws_.record.heading(1), "previous");
    EXPECT_TRUE(ws_.currentPath.empty());
  }
  EXPECT_EQ(test::ReadAll(JoinPath(installFolder, "FileF.ndx")), "");
}

TEST_F(FormatCommandsTest, LongLineNoticeOffersToOpenTheFileThroughTheReformatter) {
  CMainFrame frame(ws_);
  const std::string path = test::FixturePath(kKikNet);
  const QString notice = Text(msg::kTryFormatAndOpen) + "\n\n" + Text(msg::kOfferFormatAndOpen);

  answer_ = false;
  ASSERT_TRUE(frame.document().LoadFile(path, OpenPath::FileMenu));
  EXPECT_EQ(messages_, QStringList{notice});
  EXPECT_EQ(offers_, QList<bool>{true});
  EXPECT_EQ(Loaded(), PlainLoad(path));

  messages_.clear();
  answer_ = true;
  ASSERT_TRUE(frame.document().LoadFile(path, OpenPath::FileMenu));
  ASSERT_EQ(messages_.size(), 2);
  EXPECT_EQ(messages_[0], notice);
  EXPECT_TRUE(messages_[1].startsWith(Text(msg::kLineTooLong)));
  EXPECT_EQ(Loaded(), PlainLoad(test::FixturePath("reformat/real/BOREHOLE_KIK-NET_BED10121000020005.one-per-line.xml")));
  EXPECT_EQ(ws_.currentPath, path);
}

TEST_F(FormatCommandsTest, DialogReformatsAndSavesUnderTheProposedName) {
  FormatSaveDialog dialog(ws_.installFolder(), chooser_);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("XMLデータファイルを整形して保存"));
  EXPECT_TRUE(dialog.autoNameCheck()->isChecked());
  const std::string saveFolder = test::MakeTempFolder();
  test::WriteAll(JoinPath(ws_.installFolder(), "FileU2.ndx"), saveFolder + "\r\nsecond line\r\n");

  toOpen_ = test::FixturePath(kKikNet);
  dialog.openButton()->click();
  EXPECT_EQ(dialog.sourcePath(), ToQString(toOpen_));
  EXPECT_EQ(dialog.versionLabel(), QStringLiteral("［ 要領 H16-06版 ］"));
  EXPECT_TRUE(dialog.problemsText().startsWith(Text(msg::kLineTooLong) + QStringLiteral(" 第3行")));
  EXPECT_EQ(FolderFile("FileU.ndx"), FolderOf(toOpen_) + "\r\n\r\n");
  EXPECT_TRUE(messages_.isEmpty());

  toSave_ = saveFolder + "/chosen.";
  dialog.saveButton()->click();
  EXPECT_EQ(proposals_, QStringList{ToQString(saveFolder + "/BOREHOLE_KIK-NET_BED10121000020005.utf8c.xml")});
  EXPECT_EQ(dialog.targetPath(), ToQString(saveFolder + "/chosen.xml"));
  EXPECT_EQ(dialog.savedText(), QStringLiteral("保存しました"));
  EXPECT_EQ(test::ReadAll(saveFolder + "/chosen.xml"), test::ReadAll(TempXmlPath(ws_.installFolder())));
  EXPECT_EQ(FolderFile("FileU2.ndx"), saveFolder + "\r\nsecond line\r\n");

  // Without the proposal the save dialog starts in the folder; cancel changes nothing.
  dialog.autoNameCheck()->setChecked(false);
  toSave_.clear();
  dialog.saveButton()->click();
  EXPECT_EQ(proposals_.last(), ToQString(saveFolder));
  EXPECT_EQ(dialog.savedText(), QString());
}

TEST_F(FormatCommandsTest, DialogShowsWhatKindOfFileTheSourceWas) {
  FormatSaveDialog dialog(ws_.installFolder(), chooser_);
  const std::string folder = test::MakeTempFolder();
  std::string broken = "<?xml version='1.0'?>\r\n<ボーリング情報 DTD_version='9.99'>\r\n<a>1<b\r\n</ボーリング情報>\r\n";
  std::string notBoring;
  for (int i = 0; i < 20; ++i) notBoring += "<line/>\r\n";
  ASSERT_TRUE(test::WriteAll(folder + "/v999.XML", broken));
  ASSERT_TRUE(test::WriteAll(folder + "/notes.xml", notBoring));
  const QString brokenText = Text(msg::kBrokenLine) + QStringLiteral(" 第3行「<a>1<b 」\n");

  struct Case {
    std::string source;
    QString label;
    QString problems;
    bool canSave;
  };
  const Case cases[] = {
      {folder + "/v999.XML", QStringLiteral("［ 要領 未対応版 ］"), brokenText, true},
      {folder + "/notes.xml", QStringLiteral("［ 要領 ? ］"), Text(msg::kNotBoringExchangeFile) + "\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    toOpen_ = c.source;
    dialog.openButton()->click();
    EXPECT_EQ(dialog.versionLabel(), c.label);
    EXPECT_EQ(dialog.problemsText(), c.problems);
    EXPECT_EQ(dialog.saveButton()->isEnabled(), c.canSave);
  }
  // A missing source is reported and leaves the dialog empty.
  toOpen_ = folder + "/none.xml";
  dialog.openButton()->click();
  EXPECT_EQ(messages_, QStringList{Text(msg::kFileNotFound, toOpen_)});
  EXPECT_EQ(dialog.sourcePath(), QString());
  EXPECT_FALSE(dialog.saveButton()->isEnabled());
}

}  // namespace
}  // namespace tesmor
