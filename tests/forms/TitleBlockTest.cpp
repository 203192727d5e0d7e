#include "forms/TitleBlock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "SheetFixture.h"
#include "forms/TitleTexts.h"
#include "record/SjisText.h"

namespace tesmor {
namespace {

using TitleBlock = test::SheetFixture;

TEST_F(TitleBlock, BoringNumberFillsElevenByteCells) {
  struct Case {
    const char* number;
    std::vector<std::pair<std::string, int>> cells;  // text and its cell
  };
  const Case cases[] = {
      {"123456789012345",
       {{"1", 0}, {"2", 1}, {"3", 2}, {"4", 3}, {"5", 4}, {"6", 5}, {"7", 6}, {"8", 7}, {"9", 8},
        {"0", 9}, {"1", 10}}},
      // A double-byte character takes two cells and is never cut.
      {"Ａ12345678Ｂ", {{"Ａ", 0}, {"1", 2}, {"2", 3}, {"3", 4}, {"4", 5}, {"5", 6}, {"6", 7},
                        {"7", 8}, {"8", 9}}},
      {"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    record.setHeading(27, c.number);
    Draw(kSoilForm);
    std::vector<std::pair<std::string, int>> cells;
    for (const RecordedOp& op : surface.OpsOf(Kind::kText)) {
      if (op.points[0].y != HY(-9.5) || op.points[0].x < X(228.5)) continue;
      for (int j = 0; j < kBoringNumberCells; ++j) {
        if (op.points[0].x == X(228.5 + (273.3 - 228.5) / 11 * j + 0.5)) cells.emplace_back(op.text, j);
      }
    }
    EXPECT_EQ(cells, c.cells);
  }
}

TEST_F(TitleBlock, SurveyNameIsUnderlinedToItsMeasuredWidth) {
  record.setHeading(1, "平成30年度地質調査");
  Draw(kSoilForm);
  const std::string text = "調　 査　 名    平成30年度地質調査";
  const auto line = TextsOf(text);
  ASSERT_EQ(line.size(), 1U);
  EXPECT_EQ(line[0].points[0], (PxPoint{X(28.0), HY(-9.58)}));
  EXPECT_EQ(line[0].flags, TA_LEFT | TA_BOTTOM);
  // The recording surface measures a Shift_JIS byte as half the font's 13 pixels.
  const double width = SjisWidth(text) * 13 / 2 / Base().xFactor;
  EXPECT_EQ(LinesBetween({X(28.0), HY(-9.58)}, {X(28.0 + width), HY(-9.58)}).size(), 1U);
}

TEST(TitleTexts, RoleLabelsSplitBeforeTheirEnding) {
  struct Case {
    const char* label;
    const char* first;
    const char* second;
  };
  const Case cases[] = {
      {"主任技師", "主任技師", ""},
      {"現　場代理人", "現　", "場代理人"},
      {"コ　ア鑑定者", "コ　", "ア鑑定者"},
      {"ボーリング責任者", "ボーリン", "グ責任者"},
      {"主任技術者", "主任", "技術者"},
      {"品質@管理者", "品質", "管理者"},
      {"ＡＢＣＤＥＦＧ", "ＡＢＣＤ", "ＥＦＧ"},
      {"abcdef", "abc", "def"},
  };
  for (const Case& c : cases) {
    const RoleLabelLines lines = SplitRoleLabel(c.label);
    EXPECT_EQ(lines.first, c.first) << c.label;
    EXPECT_EQ(lines.second, c.second) << c.label;
  }
}

TEST(TitleTexts, HeadingValuesOfTheBlock) {
  BoringRecord r;
  EXPECT_EQ(LatitudeText(r), "");
  EXPECT_EQ(SurveyPeriodText(r), "");
  EXPECT_EQ(ElevationText(r), "");
  EXPECT_EQ(TotalLengthText(r), "");
  r.setHeading(51, "35");
  r.setHeading(52, "27");
  r.setHeading(53, "32.98");
  r.setHeading(54, "136");
  EXPECT_EQ(LatitudeText(r), " 35ﾟ27'32.98\"");
  EXPECT_EQ(LongitudeText(r), "136ﾟ'\"");
  r.setHeading(6, "2018");
  r.setHeading(7, "11");
  r.setHeading(8, "16");
  r.setHeading(9, "2018");
  r.setHeading(10, "12");
  r.setHeading(11, "1");
  EXPECT_EQ(SurveyPeriodText(r), "2018年11月16日～2018年12月1日");
  r.setHeading(13, "96.5");
  r.setHeading(37, "4");
  EXPECT_EQ(ElevationText(r), " 96.50m");
  EXPECT_EQ(TotalLengthText(r), "  4.00m");
  r.setHeading(13, "T.P.+96.5");
  EXPECT_EQ(ElevationText(r), "");
  r.setHeading(38, "1");
  EXPECT_EQ(ElevationText(r), "T.P.+96.5");
  EXPECT_EQ(DialValueText("46.00"), "46.ﾟ");
  EXPECT_EQ(DialValueText("北東"), "北ﾟ");
  EXPECT_EQ(DialValueText(""), "");
}

TEST_F(TitleBlock, DialNeedlesPointAlongTheirAngles) {
  // Angle dial centre (58, -5.36), direction (88, -5.36), slope (111, -5.85); the
  // needles are 0.9 of the radii 0.5, 0.4 and 0.8 heading units.
  struct Case {
    int slot;
    const char* value;
    double cx, cy, dx, dy;  // needle end offset in heading units
  };
  const double s = std::sqrt(0.5);
  const Case cases[] = {
      {24, "0", 58.0, -5.36, 0.0, 0.45},      // down the hole
      {24, "90", 58.0, -5.36, 0.45, 0.0},     // horizontal
      {25, "90", 88.0, -5.36, 0.36, 0.0},     // east
      {25, "315", 88.0, -5.36, -0.36 * s, -0.36 * s},  // north-west
      {26, "0", 111.0, -5.85, 0.72, 0.0},     // level ground
      {26, "90", 111.0, -5.85, 0.0, 0.72},    // vertical
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "slot " << c.slot << " " << c.value);
    record = BoringRecord{};
    record.setHeading(c.slot, c.value);
    Draw(kSoilForm);
    const double xPerY = Heading().yFactor / Heading().xFactor;
    const PxPoint centre{X(c.cx), HY(c.cy)};
    std::vector<PxPoint> ends;
    for (const RecordedOp& op : surface.OpsOf(Kind::kLine)) {
      if (op.pen.width == settings.ruleLineWidth + 1 && op.points[0] == centre) ends.push_back(op.points[1]);
    }
    ASSERT_EQ(ends.size(), 1U);
    EXPECT_NEAR(ends[0].x, X(c.cx + c.dx * xPerY), 1);
    EXPECT_NEAR(ends[0].y, HY(c.cy + c.dy), 1);
  }
  // No needle without a numeric value.
  record = BoringRecord{};
  record.setHeading(25, "不明");
  Draw(kSoilForm);
  for (const RecordedOp& op : surface.OpsOf(Kind::kLine)) {
    EXPECT_NE(op.points[0], (PxPoint{X(88.0), HY(-5.36)}));
  }
  EXPECT_EQ(TextsOf("不ﾟ").size(), 1U);
}

}  // namespace
}  // namespace tesmor
