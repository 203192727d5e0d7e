#include <gtest/gtest.h>

#include "readers/LoadHelpers.h"
#include "record/TextUtil.h"

namespace tesmor::test {
namespace {

TEST(Xml110, ReadsTheElementsOfTheOldVersionWithTheCommonOnes) {
  const auto b = LoadFixture("xml/dtd110.xml");
  ASSERT_TRUE(b->result.loaded());
  EXPECT_EQ(b->result.kind, 110);
  EXPECT_EQ(b->result.lastLineResult, 200);
  EXPECT_EQ(b->result.formSelector, kSoilForm);

  const BoringRecord& r = b->record;
  EXPECT_EQ(r.heading(1), "旧様式の調査");
  EXPECT_EQ(r.heading(5), "B-110");
  EXPECT_EQ(r.heading(6), "2003");
  EXPECT_EQ(r.heading(7), "4");
  EXPECT_EQ(r.heading(8), "1");
  EXPECT_EQ(r.heading(11), "20");
  EXPECT_EQ(r.heading(13), "25.10");
  EXPECT_EQ(r.heading(21), "全自動");
  EXPECT_EQ(r.heading(25), "180");
  EXPECT_EQ(r.heading(slot::kStyle110), "1");
  EXPECT_EQ(r.heading(slot::kFileKind), "110");

  // Layers get the symbol composed from their name; the colour is merged.
  EXPECT_EQ(Cells(*b, TableId::Layer, 1, 1, 8), (Row{"1.20", "砂礫", "", "茶褐", "1600.1", "", "503", "Gl"}));
  EXPECT_EQ(Cells(*b, TableId::Layer, 2, 1, 8), (Row{"3.50", "シルト", "粘土", "", "500.2", "1300.2", "471", "M"}));
  EXPECT_EQ(Cells(*b, TableId::Colour, 1, 1, 2), (Row{"1.20", "茶褐"}));

  // The other in-situ test follows the lateral load test, named, without a copy.
  EXPECT_EQ(b->table(TableId::InSitu).RowCount(), 2);
  EXPECT_EQ(Cells(*b, TableId::InSitu, 1, 1, 4), (Row{"2.00", "5000", "", "7"}));
  EXPECT_EQ(Cells(*b, TableId::InSitu, 2, 1, 4), (Row{"2.50", "k=1.0E-5", "現場透水試験", "7"}));

  EXPECT_EQ(Cells(*b, TableId::Sample, 1, 1, 5), (Row{"1.00", "1.80", "T-1", "T", ""}));
  EXPECT_EQ(Cells(*b, TableId::WaterLevel, 1, 1, 4), (Row{"-1.50", "5/12", "清水位", "7"}));
  EXPECT_EQ(b->table(TableId::WaterLevel).RowCount(), 1);
  EXPECT_EQ(Cells(*b, TableId::DrillingProgress, 1, 1, 2), (Row{"3.50", "4/2"}));
  EXPECT_EQ(Cells(*b, TableId::DrillingCondition, 1, 1, 2), (Row{"3.50", "4/2"}));
}

TEST(Xml110, RockStyleChoosesTheRockForm) {
  const std::string text = ReplaceAll(test::ReadAll(FixturePath("xml/dtd110.xml")),
                                      "<地質柱状図様式>1</地質柱状図様式>", "<地質柱状図様式>2</地質柱状図様式>");
  const auto b = LoadText(text);
  EXPECT_EQ(b->result.lastLineResult, 201);
  EXPECT_EQ(b->result.formSelector, kRockForm);
  EXPECT_EQ(Cells(*b, TableId::DrillingCondition, 1, 1, 2), (Row{"3.50", "4/2"}));
  EXPECT_EQ(b->cell(TableId::DrillingCondition, 1, 11), "1");
}

}  // namespace
}  // namespace tesmor::test
