#include "app/MainFrame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/AppMessages.h"
#include "app/CommandIds.h"
#include "app/TesmorDoc.h"
#include "app/TesmorView.h"
#include "app/AppTestSupport.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

class MainFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::TestApp();
    UseInstallFolder(ws_.settingsStore, test::InstallFolder());
    LoadBuiltInGeologyClassification(ws_.geology);
    CurrentMessagePresenter() = [this](QWidget*, const QString& text, MessageButtons) {
      messages_ << text;
      return answer_;
    };
  }

  Workspace ws_;
  QStringList messages_;
  bool answer_ = true;
};

QStringList MenuTexts(const QMenu* menu) {
  QStringList texts;
  for (const QAction* act : menu->actions()) texts << (act->isSeparator() ? QStringLiteral("-") : act->text());
  return texts;
}

TEST_F(MainFrameTest, MenusToolBarAndStatusBarCarryTheProgramsTexts) {
  CMainFrame frame(ws_);
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Tesmorビューア"));
  const QList<QAction*> menus = frame.menuBar()->actions();
  ASSERT_EQ(menus.size(), 5);
  EXPECT_EQ(menus[0]->text(), QStringLiteral("ファイル(&F)"));
  EXPECT_EQ(menus[1]->text(), QStringLiteral("データ(&A)"));
  EXPECT_EQ(menus[3]->text(), QStringLiteral("設定(&S)"));

  const QStringList file = MenuTexts(menus[0]->menu());
  EXPECT_EQ(file.mid(0, 7), (QStringList{"開く(&O)...\tCtrl+O", "整形して開く(&F)...", "整形し名前をつけて保存(&A)...",
                                         "-", "印刷(&P)...\tCtrl+P", "印刷ﾌﾟﾚﾋﾞｭｰ(&V)", "ﾌﾟﾘﾝﾀの設定(&R)..."}));
  EXPECT_EQ(file.last(), QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"));
  EXPECT_EQ(MenuTexts(menus[1]->menu()), (QStringList{"見出し(&M)", "その他一覧(&D)", "ページ(&P)"}));
  EXPECT_EQ(MenuTexts(menus[2]->menu()),
            (QStringList{"ﾂｰﾙ ﾊﾞｰ(&T)", "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", "-", "JACIC版柱状図(&J)", "岩盤柱状図(&G)"}));
  EXPECT_EQ(MenuTexts(menus[3]->menu()), (QStringList{"縮尺と深度(&S)", "様式 (&Y)", "マージン (&Z)", "柱状図模様(&P)",
                                                      "フォント (&F)", "-", "セットアップ(&U)"}));

  QList<int> toolBar;
  for (const QAction* act : frame.toolBar()->actions()) toolBar << (act->isSeparator() ? 0 : act->data().toInt());
  EXPECT_EQ(toolBar, (QList<int>{57600, 57601, 57604, 0, 57607, 57664, 0, 4040, 4041}));
  EXPECT_EQ(frame.action(cmd::kNextPage)->toolTip(), QStringLiteral("次頁"));
  EXPECT_EQ(frame.action(cmd::kPreviousPage)->statusTip(), QStringLiteral("前のページへ"));
  EXPECT_TRUE(frame.action(cmd::kFileOpen)->isEnabled());
}

TEST_F(MainFrameTest, FormSwitchAsksFirstAndCancelKeepsTheForm) {
  CMainFrame frame(ws_);
  ws_.shell.FormSelector = 1;
  answer_ = false;
  frame.action(cmd::kSoilForm)->trigger();
  EXPECT_EQ(ws_.shell.FormSelector, 1);
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_[0].startsWith(QStringLiteral("表示様式は開いたファイルによって決まっています")));
  answer_ = true;
  frame.action(cmd::kSoilForm)->trigger();
  EXPECT_EQ(ws_.shell.FormSelector, 0);
  EXPECT_TRUE(frame.action(cmd::kSoilForm)->isChecked());
  EXPECT_FALSE(frame.action(cmd::kRockForm)->isChecked());
  frame.action(cmd::kSoilForm)->trigger();  // already the soil form: no question
  EXPECT_EQ(messages_.size(), 2);
}

TEST_F(MainFrameTest, OpeningAFileFillsTheRecordAndChoosesTheForm) {
  CMainFrame frame(ws_);
  ASSERT_TRUE(frame.document().OpenThroughFramework(
      QString::fromStdString(test::FixturePath("real/KKRDB_BEDKK53350245015.sjis.xml"))));
  EXPECT_EQ(ws_.record.heading(82), "203");
  EXPECT_EQ(ws_.shell.FormSelector, 1);
  EXPECT_TRUE(frame.action(cmd::kRockForm)->isChecked());
  EXPECT_TRUE(frame.windowTitle().startsWith(QStringLiteral("KKRDB_BEDKK53350245015.sjis.xml")));
  EXPECT_EQ(frame.document().recentFiles().entries().value(0),
            QString::fromStdString(test::FixturePath("real/KKRDB_BEDKK53350245015.sjis.xml")));
  EXPECT_TRUE(messages_.isEmpty());

  ASSERT_TRUE(frame.document().OpenThroughFramework(
      QString::fromStdString(test::FixturePath("real/BOREHOLE_FUKUI_VER4_18000230652004105-BED0004.utf8.xml"))));
  EXPECT_EQ(ws_.record.heading(82), "199");
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_EQ(messages_[0], QStringLiteral("XMLのDTDバージョンが未対応または不明です."));
}

TEST_F(MainFrameTest, AFileThatCannotBeReadIsReportedAndChangesNothing) {
  CMainFrame frame(ws_);
  ws_.record.setHeading(1, "previous");
  EXPECT_FALSE(frame.document().OpenThroughFramework(QStringLiteral("/no/such/file.xml")));
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_EQ(messages_[0], QStringLiteral("ファイルが見つかりません\n（/no/such/file.xml）"));
  EXPECT_EQ(ws_.record.heading(1), "previous");
}

}  // namespace
}  // namespace tesmor
