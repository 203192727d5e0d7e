#include <gtest/gtest.h>

#include "readers/LoadHelpers.h"

namespace tesmor::test {
namespace {

TEST(XmlRock, ClassesWithAndWithoutJudgementTablesAndTheRockCompletion) {
  const auto b = LoadFixture("xml/rock_classes.xml");
  ASSERT_TRUE(b->result.loaded());
  EXPECT_EQ(b->result.lastLineResult, 201);
  EXPECT_EQ(b->result.formSelector, kRockForm);
  EXPECT_TRUE(b->result.notices.empty());

  // Columns 1 .. 9: depth, colour, 硬軟, コア形状, 割れ目, 風化, 変質, 岩級, presence bits.
  // Codes a judgement table names take its symbol; the others are converted by the
  // program's lists (変質 only above 8); 岩級 keeps the table's symbol.
  EXPECT_EQ(b->table(TableId::Colour).RowCount(), 3);
  EXPECT_EQ(Cells(*b, TableId::Colour, 1, 1, 9), (Row{"1.00", "暗灰", "A1", "", "", "", "2", "CM", "392"}));
  EXPECT_EQ(Cells(*b, TableId::Colour, 2, 1, 9), (Row{"3.00", "灰", "", "II", "", "αβ", "1", "CH", "464"}));
  EXPECT_EQ(Cells(*b, TableId::Colour, 3, 1, 9), (Row{"5.00", "", "C", "", "", "", "", "", "11"}));

  EXPECT_EQ(Cells(*b, TableId::CoreRecovery, 1, 1, 3), (Row{"1.00", "95", "2"}));
  // Sorted by depth; RQD joins the core length of its depth; the last row is flagged 16.
  EXPECT_EQ(b->table(TableId::CoreLengthRqd).RowCount(), 3);
  EXPECT_EQ(Cells(*b, TableId::CoreLengthRqd, 1, 1, 4), (Row{"1.00", "8", "40", "32"}));
  EXPECT_EQ(Cells(*b, TableId::CoreLengthRqd, 2, 1, 4), (Row{"2.00", "12", "", "32"}));
  EXPECT_EQ(Cells(*b, TableId::CoreLengthRqd, 3, 1, 4), (Row{"3.00", "", "65", "48"}));

  for (int i = 1; i <= 8; ++i) EXPECT_EQ(b->record.GraphCaptions[static_cast<std::size_t>(i)], "") << i;
  EXPECT_EQ(b->record.GraphCaptions[10], "1");
}

std::string GradeRecords() {
  return "<岩級区分>\n<岩級区分_下端深度>1.00</岩級区分_下端深度>\n<岩級区分_岩級区分>3</岩級区分_岩級区分>\n</岩級区分>\n";
}

TEST(XmlRock, GradeClassesWithoutTheirTableKeepTheCodeAndTellTheUser) {
  const auto without = LoadText(BoringFile(GradeRecords(), "2"));
  EXPECT_EQ(without->cell(TableId::Colour, 1, 8), "3");
  EXPECT_EQ(without->result.notices, (std::vector<int>{4019}));

  std::string table = "<岩級区分判定表>\n";
  for (int code = 1; code <= 20; ++code) {
    table += "<岩級区分判定表_判定><岩級区分判定表_コード>" + std::to_string(code) + "</岩級区分判定表_コード>";
    table += "<岩級区分判定表_記号>G" + std::to_string(code) + "</岩級区分判定表_記号></岩級区分判定表_判定>\n";
  }
  table += "</岩級区分判定表>\n";
  const auto with = LoadText(BoringFile(table + GradeRecords(), "2"));
  EXPECT_EQ(with->cell(TableId::Colour, 1, 8), "G3");
  EXPECT_TRUE(with->result.notices.empty());

  // Tables longer than sixteen entries are kept whole.
  std::string late = table + "<岩級区分><岩級区分_下端深度>2.00</岩級区分_下端深度><岩級区分_岩級区分>19</岩級区分_岩級区分></岩級区分>\n";
  const auto longTable = LoadText(BoringFile(late, "2"));
  EXPECT_EQ(longTable->cell(TableId::Colour, 1, 8), "G19");
}

TEST(XmlRock, LugeonTestsTheirPressureInjectionPairsAndTheGraphCaptions) {
  std::string core =
      "<標準貫入試験><標準貫入試験_開始深度>1.15</標準貫入試験_開始深度></標準貫入試験>\n";
  for (int test = 1; test <= 2; ++test) {
    const std::string n = std::to_string(test);
    core += "<ルジオン試験>\n<ルジオン試験_試験番号>" + n + "</ルジオン試験_試験番号>\n";
    core += "<ルジオン試験_上端深度>" + n + "0.0</ルジオン試験_上端深度>\n";
    core += "<ルジオン試験_下端深度>" + n + "5.0</ルジオン試験_下端深度>\n";
    core += "<ルジオン試験_圧力最大スケール>1.0</ルジオン試験_圧力最大スケール>\n";
    core += "<ルジオン試験_注入量最大スケール>50</ルジオン試験_注入量最大スケール>\n";
    core += "<ルジオン試験_圧力開始点>0</ルジオン試験_圧力開始点>\n";
    core += "<ルジオン試験_注入量開始点>0</ルジオン試験_注入量開始点>\n";
    core += "<ルジオン試験_ルジオン値区分>2</ルジオン試験_ルジオン値区分>\n";
    core += "<ルジオン試験_ルジオン値>3.5</ルジオン試験_ルジオン値>\n";
    core += "<ルジオン試験_限界圧力>0.8</ルジオン試験_限界圧力>\n</ルジオン試験>\n";
  }
  // 60 pairs for each test (50 are kept per test), and one for a test that does not exist.
  for (int test = 1; test <= 3; ++test) {
    const int pairs = test == 3 ? 1 : 60;
    for (int i = 1; i <= pairs; ++i) {
      core += "<ルジオン試験詳細データ>\n<ルジオン試験詳細データ_試験番号>" + std::to_string(test) +
              "</ルジオン試験詳細データ_試験番号>\n<ルジオン試験詳細データ_有効圧力>0." + std::to_string(i) +
              "</ルジオン試験詳細データ_有効圧力>\n<ルジオン試験詳細データ_注入量>" + std::to_string(test * i) +
              "</ルジオン試験詳細データ_注入量>\n</ルジオン試験詳細データ>\n";
    }
  }
  const auto b = LoadText(BoringFile(core, "2"));
  EXPECT_EQ(b->table(TableId::Lugeon).RowCount(), 2);
  EXPECT_EQ(Cells(*b, TableId::Lugeon, 1, 0, 9), (Row{"1", "10.0", "15.0", "0.8", "3.5", "0", "0", "1.0", "50", "8"}));
  EXPECT_EQ(b->cell(TableId::Lugeon, 2, 0), "2");
  const std::string pairs1 = b->cell(TableId::Lugeon, 1, 10);
  const std::string pairs2 = b->cell(TableId::Lugeon, 2, 10);
  EXPECT_TRUE(pairs1.starts_with("0.1,1,0.2,2,")) << pairs1;
  EXPECT_TRUE(pairs1.ends_with("0.50,50,")) << pairs1;
  EXPECT_TRUE(pairs2.starts_with("0.1,2,0.2,4,")) << pairs2;
  EXPECT_TRUE(pairs2.ends_with("0.50,100,")) << pairs2;

  const auto& captions = b->record.GraphCaptions;
  EXPECT_EQ(captions[1], "Ｎルジオン");
  EXPECT_EQ(captions[2], "標準貫入 ルジオン");
  EXPECT_EQ(captions[3], "Ｎ値－深度 Ｐ－Ｑ図");
  EXPECT_EQ(captions[4], "");
  EXPECT_EQ(captions[5], "Ｐ；有効注入圧力　ＭＰａ");
  EXPECT_EQ(captions[6], "Ｑ；注入量　ｌ／ｍｉｎ／ｍ");
  EXPECT_EQ(captions[7], "Ｌｕ；ルジオン値");
  EXPECT_EQ(captions[8], "《　》；限界圧力");
  EXPECT_EQ(captions[10], "1");
}

}  // namespace
}  // namespace tesmor::test
