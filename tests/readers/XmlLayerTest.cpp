#include <gtest/gtest.h>

#include "readers/LoadHelpers.h"

namespace tesmor::test {
namespace {

Row LayerRow(const Loaded& b, int row) { return Cells(b, TableId::Layer, row, 1, 11); }

TEST(XmlLayers, SoilRockKindsOfDtd2ComposeCodesAndKeepTheFileSymbol) {
  const auto b = LoadFixture("xml/layers_210.xml");
  ASSERT_TRUE(b->result.loaded());
  EXPECT_EQ(b->result.kind, 202);
  // Columns 1 .. 11; the colour merge has added the colour tones (column 4, flag 32)
  // and a layer boundary at 2.80 where only the colour changes, and sorted the rows.
  EXPECT_EQ(b->table(TableId::Layer).RowCount(), 4);
  EXPECT_EQ(LayerRow(*b, 1), (Row{"1.50", "砂礫", "", "茶褐", "1600.1", "", "503", "Gx", "", "", "・"}));
  EXPECT_EQ(LayerRow(*b, 2), (Row{"2.80", "", "", "暗灰", "", "", "", "", "", "", ""}));
  EXPECT_EQ(LayerRow(*b, 3), (Row{"4.00", "シルト質砂", "粘土", "", "320.1", "1300.2", "471", "SM", "", "", "・"}));
  EXPECT_EQ(LayerRow(*b, 4), (Row{"7.00", "細砂", "", "青灰", "1400.1", "", "503", "FS", "", "", "・"}));

  // Colour rows mark the depths where a layer ends.
  EXPECT_EQ(b->cell(TableId::Colour, 1, 9), "4");
  EXPECT_EQ(b->cell(TableId::Colour, 2, 9), "0");
  EXPECT_EQ(b->cell(TableId::Colour, 3, 9), "4");
}

TEST(XmlLayers, RockSoilGroupsOfDtd300EndWhereTheirEndTagStands) {
  const auto b = LoadFixture("xml/layers_300.xml");
  ASSERT_TRUE(b->result.loaded());
  // "</岩石土区分_岩石群></岩石土区分>" on one line still ends the first record, and a
  // second 岩石群 does not make a second row at 2.90.
  EXPECT_EQ(b->table(TableId::Layer).RowCount(), 3);
  EXPECT_EQ(LayerRow(*b, 1), (Row{"0.40", "砂礫", "", "", "1600.1", "", "471", "GS", "", "", "・"}));
  EXPECT_EQ(LayerRow(*b, 2), (Row{"2.90", "粘土", "", "", "1300.2", "", "471", "CL", "", "", "・"}));
  EXPECT_EQ(LayerRow(*b, 3), (Row{"10.02", "花崗岩", "", "", "2100.0", "", "471", "Gr", "", "", "・"}));
}

TEST(XmlLayers, KeepAtMost250RowsAndTheColourMergeAddsNoneBeyond) {
  std::string core;
  for (int i = 1; i <= 251; ++i) {
    core += "<岩石土区分><岩石土区分_下端深度>" + std::to_string(i) + ".00</岩石土区分_下端深度>";
    core += "<岩石土区分_岩石土名>砂</岩石土区分_岩石土名></岩石土区分>\n";
  }
  core += "<色調><色調_下端深度>0.50</色調_下端深度><色調_色調名>黒</色調_色調名></色調>\n";
  const auto b = LoadText(BoringFile(core));
  EXPECT_EQ(b->table(TableId::Layer).RowCount(), 250);
  EXPECT_EQ(b->cell(TableId::Layer, 1, 1), "1.00");
  EXPECT_EQ(b->cell(TableId::Layer, 250, 1), "250.00");
  EXPECT_EQ(b->cell(TableId::Layer, 251, 1), "");
}

}  // namespace
}  // namespace tesmor::test
