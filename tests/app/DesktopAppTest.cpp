#include <gtest/gtest.h>

#include <QAction>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "app/AppMessages.h"
#include "app/AppTestSupport.h"
#include "app/CommandIds.h"
#include "app/DesktopIntegration.h"
#include "app/MainFrame.h"
#include "app/Registry.h"
#include "app/TesmorDoc.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

class DesktopAppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::TestApp();
    ProgramRegistry().clear();
    UseInstallFolder(ws_.settingsStore, test::InstallFolder());
    LoadBuiltInGeologyClassification(ws_.geology);
    test::RecordMessages(messages_);
  }

  // Shows the frame as the active window, so that its shortcuts apply.
  static void Activate(CMainFrame& frame) {
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
  }

  Workspace ws_;
  QStringList messages_;
};

TEST_F(DesktopAppTest, TheShortcutsTriggerTheirCommands) {
  CMainFrame frame(ws_);
  Activate(frame);
  ASSERT_TRUE(frame.document().OpenThroughFramework(
      QString::fromStdString(test::FixturePath("real/KKRDB_BEDKK53350245015.sjis.xml"))));
  ASSERT_EQ(ws_.shell.FormSelector, 1);

  // F1: the guide (closed again as soon as it shows).
  QString modalTitle;
  QTimer::singleShot(0, [&modalTitle] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      modalTitle = modal->windowTitle();
      modal->close();
    }
  });
  QTest::keyClick(&frame, Qt::Key_F1);
  EXPECT_EQ(modalTitle, QStringLiteral("操作＆ヘルプ"));
  Activate(frame);

  // Alt+F: the File menu.
  QTest::keyClick(&frame, Qt::Key_F, Qt::AltModifier);
  QMenu* fileMenu = frame.menuBar()->actions().front()->menu();
  EXPECT_TRUE(fileMenu->isVisible());
  fileMenu->close();

  // Ctrl+W: the boring is closed, the window stays.
  QTest::keyClick(&frame, Qt::Key_W, Qt::ControlModifier);
  EXPECT_TRUE(ws_.record.heading(82).empty());
  EXPECT_EQ(ws_.shell.FormSelector, 0);
  EXPECT_TRUE(ws_.currentPath.empty());
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Tesmorビューア"));
  EXPECT_TRUE(frame.action(cmd::kSoilForm)->isChecked());
  EXPECT_TRUE(frame.isVisible());

  // Ctrl+Q: the program's window closes.
  QTest::keyClick(&frame, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(frame.isVisible());
  EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(DesktopAppTest, TheWindowComesBackAsItWasClosed) {
  {
    CMainFrame frame(ws_);
    frame.show();
    frame.resize(720, 510);
    frame.action(cmd::kToolBar)->trigger();    // hide the tool bar
    frame.action(cmd::kStatusBar)->trigger();  // and the status bar
    ASSERT_TRUE(frame.toolBar()->isHidden());
    frame.close();
  }
  CMainFrame again(ws_);
  again.show();
  EXPECT_EQ(again.size(), QSize(720, 510));
  EXPECT_TRUE(again.toolBar()->isHidden());
  EXPECT_FALSE(again.action(cmd::kToolBar)->isChecked());
  EXPECT_TRUE(again.statusBar()->isHidden());
  EXPECT_FALSE(again.action(cmd::kStatusBar)->isChecked());
}

TEST_F(DesktopAppTest, QtsOwnDialogsSpeakJapaneseWhateverTheLocale) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  ASSERT_TRUE(InstallJapaneseTranslations(test::TestApp()));
  EXPECT_EQ(QLocale().language(), QLocale::Japanese);
  QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Close);
  EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
  EXPECT_EQ(buttons.button(QDialogButtonBox::Close)->text(), QStringLiteral("閉じる"));
  EXPECT_NE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Print"));
  EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
}

}  // namespace
}  // namespace tesmor
