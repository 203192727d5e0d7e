#include "app/DataDialogs.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "app/AppMessages.h"
#include "app/AppTestSupport.h"
#include "app/DataListLines.h"
#include "readers/ShellState.h"

namespace tesmor {
namespace {

TEST(DataListLines, LabelLinesRowsAndTheLineLimit) {
  BoringRecord record;
  record.LayerTable.set(1, 1, "1.50");
  record.LayerTable.set(1, 2, "表土");
  record.LayerTable.set(2, 1, "3.00");
  record.SptTable.set(1, 1, "1.15");
  record.SptTable.set(1, 2, "5");
  record.ObservationTable.set(1, 2, "2.00");  // top depth missing: still a row
  const DataListLines data = BuildDataListLines(record);
  ASSERT_EQ(data.lines.size(), 7u);
  EXPECT_EQ(data.lines[0], std::vector<std::string>{"土質地質名"});
  EXPECT_EQ(data.lines[1].size(), 12u);
  EXPECT_EQ(data.lines[1][0], "1");
  EXPECT_EQ(data.lines[1][1], "1.50");
  EXPECT_EQ(data.lines[1][2], "表土");
  EXPECT_EQ(data.lines[3], std::vector<std::string>{"N値"});
  EXPECT_EQ(data.lines[4].size(), 7u);
  EXPECT_EQ(data.lines[5], std::vector<std::string>{"観察記事"});
  EXPECT_FALSE(data.truncated);

  BoringRecord full;
  for (int row = 1; row <= 250; ++row) full.LayerTable.set(row, 1, "1");
  for (int row = 1; row <= 300; ++row) full.SptTable.set(row, 1, "1");
  for (int row = 1; row <= 250; ++row) full.ColourTable.set(row, 1, "1");
  const DataListLines many = BuildDataListLines(full);
  EXPECT_EQ(many.lines.size(), 800u);
  EXPECT_TRUE(many.truncated);
}

class DataDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::TestApp();
    CurrentMessagePresenter() = [this](QWidget*, const QString& text, MessageButtons) {
      messages_ << text;
      return true;
    };
  }
  Workspace ws_;
  QStringList messages_;
};

TEST_F(DataDialogsTest, HeadingDialogWritesBackOnlyTheElevationChecksAndTheForm) {
  ws_.record.setHeading(1, "調査");
  ws_.record.setHeading(36, "0");
  ws_.record.setHeading(38, "1");
  HeadingDataDialog dialog(ws_);
  for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) edit->setText(QStringLiteral("changed"));
  dialog.showElevation()->setChecked(true);
  dialog.elevationAsText()->setChecked(false);
  dialog.formChoice()->setCurrentIndex(1);
  dialog.accept();
  EXPECT_EQ(ws_.record.heading(1), "調査");
  EXPECT_EQ(ws_.record.heading(36), "1");
  EXPECT_EQ(ws_.record.heading(38), "0");
  EXPECT_EQ(ws_.shell.FormSelector, kRockForm);
  EXPECT_EQ(ws_.record.heading(40), " ");  // an empty TEL is shown as a blank
}

TEST_F(DataDialogsTest, PageNumberDialogWritesSlots61To69) {
  PageNumberDialog dialog(ws_);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ページ　（編集有効）"));
  dialog.before()->setCurrentText(QStringLiteral("No."));
  dialog.firstPage()->setText(QStringLiteral("5"));
  dialog.verticalReference()->setCurrentIndex(1);
  dialog.horizontalReference()->setCurrentIndex(1);
  dialog.accept();
  EXPECT_EQ(ws_.record.heading(61), "No.");
  EXPECT_EQ(ws_.record.heading(62), "5");
  EXPECT_EQ(ws_.record.heading(64), "1");
  EXPECT_EQ(ws_.record.heading(67), "1");
}

TEST_F(DataDialogsTest, DataListShowsTheCountAndWarnsWhenFull) {
  for (int row = 1; row <= 250; ++row) ws_.record.LayerTable.set(row, 1, "1");
  for (int row = 1; row <= 300; ++row) ws_.record.SptTable.set(row, 1, "1");
  for (int row = 1; row <= 250; ++row) ws_.record.ColourTable.set(row, 1, "1");
  DataListDialog dialog(ws_.record);
  EXPECT_EQ(dialog.list()->rowCount(), 800);
  EXPECT_EQ(dialog.countLabel()->text(), QStringLiteral(" 800"));
  QCoreApplication::processEvents();
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_EQ(messages_[0], QStringLiteral("これ以上データを扱えません"));
}

}  // namespace
}  // namespace tesmor
