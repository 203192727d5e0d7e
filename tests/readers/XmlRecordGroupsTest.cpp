#include <gtest/gtest.h>

#include "readers/LoadHelpers.h"

namespace tesmor::test {
namespace {

TEST(XmlRecords, SptTextsAndDensityRows) {
  const auto b = LoadFixture("xml/spt_density.xml");
  ASSERT_TRUE(b->result.loaded());
  EXPECT_EQ(b->table(TableId::Spt).RowCount(), 3);
  EXPECT_EQ(Cells(*b, TableId::Spt, 1, 1, 6), (Row{"1.15", "8/30", "1/10", "3/10", "4/10", "0"}));
  // An element closed by "/>", an empty element split over two lines and a blank
  // line inside the record keep it one row.
  EXPECT_EQ(Cells(*b, TableId::Spt, 2, 1, 6), (Row{"4.15", "50/20", "19/10", "31/10", "", "0"}));
  EXPECT_EQ(Cells(*b, TableId::Spt, 3, 1, 6), (Row{"5.15", "50/5", "50/5", "", "", "0"}));
  // The record without a start depth is dropped.
  EXPECT_EQ(b->cell(TableId::Spt, 4, 2), "");
  EXPECT_TRUE(b->result.notices.empty());

  const DensityRows& d = b->record.Density;
  EXPECT_DOUBLE_EQ(d.depth[0], -8.8);
  EXPECT_DOUBLE_EQ(d.depth[1], 1.5);
  EXPECT_EQ(d.density[1], 2);  // the file's code minus 1
  EXPECT_EQ(d.consistency[1], -9);
  EXPECT_DOUBLE_EQ(d.depth[2], 4.0);
  EXPECT_EQ(d.density[2], -9);
  EXPECT_EQ(d.consistency[2], 2);
  EXPECT_DOUBLE_EQ(d.depth[3], -0.001);
}

TEST(XmlRecords, ObservationsWithFrameLinesAndTopDepthsAndWaterLevels) {
  const auto b = LoadFixture("xml/water_observation.xml");
  ASSERT_TRUE(b->result.loaded());
  EXPECT_EQ(b->table(TableId::Observation).RowCount(), 3);
  // Missing tops come from the row above ("0.0" for the first); frame lines mark
  // the observation whose bottom is at their depth.
  EXPECT_EQ(Cells(*b, TableId::Observation, 1, 1, 5), (Row{"0.0", "0.40", "", "表土。\r\n腐植物混じる。", "1"}));
  EXPECT_EQ(Cells(*b, TableId::Observation, 2, 1, 5), (Row{"0.40", "2.90", "", "礫径 < 30mm", "0"}));
  EXPECT_EQ(Cells(*b, TableId::Observation, 3, 1, 5), (Row{"2.90", "5.00", "", "", "1"}));

  EXPECT_EQ(b->table(TableId::WaterLevel).RowCount(), 3);
  EXPECT_EQ(Cells(*b, TableId::WaterLevel, 1, 1, 4), (Row{"-3.20", "05/06", "清水位", "7"}));
  EXPECT_EQ(Cells(*b, TableId::WaterLevel, 2, 1, 4), (Row{"+1.00", "07/08", "泥水位無し", "7"}));
  EXPECT_EQ(Cells(*b, TableId::WaterLevel, 3, 1, 4), (Row{"+0.00", "07/09", "水位無し", "7"}));
}

TEST(XmlRecords, InSituTestsShareRowsAndShiftForTheSoilForm) {
  const auto b = LoadFixture("xml/insitu_soil.xml");
  ASSERT_TRUE(b->result.loaded());
  EXPECT_EQ(b->result.formSelector, kSoilForm);
  // Lateral load tests written one element per line, then the other tests after them;
  // on the soil form: depth, result, name, "7".
  EXPECT_EQ(b->table(TableId::InSitu).RowCount(), 3);
  EXPECT_EQ(Cells(*b, TableId::InSitu, 1, 1, 6), (Row{"2.00", "4.85E+03", "", "7", "", ""}));
  EXPECT_EQ(Cells(*b, TableId::InSitu, 2, 1, 6), (Row{"6.00", "9800", "", "7", "", ""}));
  EXPECT_EQ(Cells(*b, TableId::InSitu, 3, 1, 6), (Row{"1.70", "Vs=180m/s", "PS検層", "7", "", ""}));
}

TEST(XmlRecords, InSituTestsOnTheRockFormTakeTheirNameIntoEmptyResults) {
  std::string core =
      "<孔内水平載荷試験>\n<孔内水平載荷試験_試験深度>2.00</孔内水平載荷試験_試験深度>\n"
      "<孔内水平載荷試験_変形係数>4850</孔内水平載荷試験_変形係数>\n</孔内水平載荷試験>\n"
      "<その他原位置試験>\n<その他原位置試験_試験名>LLT</その他原位置試験_試験名>\n"
      "<その他原位置試験_上端深度>1.70</その他原位置試験_上端深度>\n"
      "<その他原位置試験_下端深度>2.30</その他原位置試験_下端深度>\n</その他原位置試験>\n";
  const auto b = LoadText(BoringFile(core, "2"));
  EXPECT_EQ(b->result.formSelector, kRockForm);
  EXPECT_EQ(Cells(*b, TableId::InSitu, 1, 0, 6), (Row{"", "2.00", "2.00", "4850", "", "", "7"}));
  EXPECT_EQ(Cells(*b, TableId::InSitu, 2, 0, 6), (Row{"LLT", "1.70", "2.30", "LLT", "", "", "7"}));
}

TEST(XmlRecords, AnUnknownElementEndsARecordEarly) {
  std::string core =
      "<標準貫入試験>\n<標準貫入試験_開始深度>1.15</標準貫入試験_開始深度>\n"
      "<標準貫入試験_0_10打撃回数>5</標準貫入試験_0_10打撃回数>\n"
      "<標準貫入試験_打撃メモ>x</標準貫入試験_打撃メモ>\n"
      "<標準貫入試験_合計打撃回数>12</標準貫入試験_合計打撃回数>\n"
      "<標準貫入試験_合計貫入量>30</標準貫入試験_合計貫入量>\n</標準貫入試験>\n";
  const auto b = LoadText(BoringFile(core));
  // The record is committed at the unknown element, and the values after it once
  // more at the record's end, at the same depth.
  EXPECT_EQ(Cells(*b, TableId::Spt, 1, 1, 3), (Row{"1.15", "/", "5/"}));
  EXPECT_EQ(Cells(*b, TableId::Spt, 2, 1, 3), (Row{"1.15", "12/30", "5/"}));
  EXPECT_EQ(b->table(TableId::Spt).RowCount(), 2);
}

TEST(XmlRecords, RecordsOnOneLineAndEndTagsOfNestedElements) {
  std::string core =
      "<色調><色調_下端深度>1.00</色調_下端深度><色調_色調名>黒</色調_色調名></色調><色調>"
      "<色調_下端深度>2.00</色調_下端深度><色調_色調名>白</色調_色調名></色調>\n"
      "<色調>\n<色調_下端深度>3.00</色調_下端深度>\n</色調_未知></色調>\n";
  const auto b = LoadText(BoringFile(core));
  EXPECT_EQ(b->table(TableId::Colour).RowCount(), 3);
  EXPECT_EQ(Cells(*b, TableId::Colour, 1, 1, 2), (Row{"1.00", "黒"}));
  EXPECT_EQ(Cells(*b, TableId::Colour, 2, 1, 2), (Row{"2.00", "白"}));
  EXPECT_EQ(Cells(*b, TableId::Colour, 3, 1, 2), (Row{"3.00", ""}));
}

std::string Records(std::string_view group, std::string_view depthElement, int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    text += "<" + std::string(group) + "><" + std::string(depthElement) + ">" + std::to_string(i) + "</" +
            std::string(depthElement) + "></" + std::string(group) + ">\n";
  }
  return text;
}

TEST(XmlRecords, RowsBeyondAGroupsLimitAreDropped) {
  std::string core = Records("標準貫入試験", "標準貫入試験_開始深度", 305);
  core += Records("相対密度稠度", "相対密度稠度_下端深度", 305);
  core += Records("地質時代", "地質時代_上端深度", 25);
  core += Records("孔内水位", "孔内水位_孔内水位", 55);
  core += Records("孔内水平載荷試験", "孔内水平載荷試験_試験深度", 60);
  core += Records("その他原位置試験", "その他原位置試験_上端深度", 60);
  const auto b = LoadText(BoringFile(core));
  EXPECT_EQ(b->table(TableId::Spt).RowCount(), 300);
  EXPECT_DOUBLE_EQ(b->record.Density.depth[300], 300.0);
  EXPECT_EQ(b->table(TableId::GeoAge).RowCount(), 20);
  EXPECT_EQ(b->cell(TableId::GeoAge, 21, 1), "");
  EXPECT_EQ(b->table(TableId::WaterLevel).RowCount(), 50);
  EXPECT_EQ(b->cell(TableId::WaterLevel, 51, 1), "");
  // The two in-situ groups share their 100 rows.
  EXPECT_EQ(b->table(TableId::InSitu).RowCount(), 100);
  EXPECT_EQ(b->cell(TableId::InSitu, 60, 1), "60");
  EXPECT_EQ(b->cell(TableId::InSitu, 61, 1), "1");
  EXPECT_EQ(b->cell(TableId::InSitu, 100, 1), "40");
  EXPECT_EQ(b->cell(TableId::InSitu, 101, 1), "");
}

TEST(XmlRecords, EachBoringOfAFileIsShownWhole) {
  std::string text = BoringFile(
      "<岩石土区分><岩石土区分_下端深度>1.00</岩石土区分_下端深度><岩石土区分_岩石土名>砂</岩石土区分_岩石土名></岩石土区分>\n"
      "<岩石土区分><岩石土区分_下端深度>2.00</岩石土区分_下端深度><岩石土区分_岩石土名>礫</岩石土区分_岩石土名></岩石土区分>\n"
      "<コア採取率><コア採取率_下端深度>2.00</コア採取率_下端深度><コア採取率_採取率>90</コア採取率_採取率></コア採取率>\n",
      "2");
  text += BoringFile(
      "<岩石土区分><岩石土区分_下端深度>5.00</岩石土区分_下端深度><岩石土区分_岩石土名>粘土</岩石土区分_岩石土名></岩石土区分>\n",
      "1");
  const auto b = LoadText(text);
  EXPECT_EQ(b->table(TableId::Layer).RowCount(), 1);
  EXPECT_EQ(b->cell(TableId::Layer, 1, 2), "粘土");
  EXPECT_EQ(b->cell(TableId::Layer, 2, 1), "");
  EXPECT_EQ(b->table(TableId::CoreRecovery).RowCount(), 0);
  EXPECT_EQ(b->record.heading(slot::kStyle), "1");
  EXPECT_EQ(b->result.formSelector, kSoilForm);
}

}  // namespace
}  // namespace tesmor::test
