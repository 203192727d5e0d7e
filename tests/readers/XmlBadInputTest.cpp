#include <gtest/gtest.h>

#include "readers/LoadHelpers.h"

namespace tesmor::test {
namespace {

TEST(XmlBadInput, TruncatedFilesLoadWhatTheyHold) {
  const std::string whole = ReadAll(FixturePath("real/KKRDB_BEDKK53350245015.utf8.xml"));
  for (std::size_t cut = whole.find("<標題情報>"); cut < whole.size(); cut += 997) {
    const auto b = LoadText(std::string_view(whole).substr(0, cut));
    ASSERT_TRUE(b->result.loaded()) << cut;
    EXPECT_LE(b->table(TableId::Layer).RowCount(), 250);
  }
}

TEST(XmlBadInput, BrokenTagsReversedElementsAndStrayEnds) {
  const std::string core =
      "<色調><色調_下端深度 1.00\n<色調_色調名>黒</色調_色調名></色調>\n"
      "<色調>\n<色調_色調名>白</色調_色調名>\n<色調_下端深度>2.00</色調_下端深度>\n</色調>\n"
      "</ボーリング情報>\n"
      "<標準貫入試験><標準貫入試験_開始深度>3.15</標準貫入試験_開始深度></標準貫入試験>\n"
      "<<<>>>< / >\n<\n>\n</>\n<>\n&#0;&#xFFFFFFFF;&lt\n";
  const auto b = LoadText(BoringFile(core));
  ASSERT_TRUE(b->result.loaded());
  // A depth without ">" is lost; a depth after the colour name is behind the cursor
  // and ends the record early, before it has a depth.
  EXPECT_EQ(b->table(TableId::Colour).RowCount(), 0);
  // After a stray end of the boring, a group start still opens its group.
  EXPECT_EQ(b->cell(TableId::Spt, 1, 1), "3.15");
}

TEST(XmlBadInput, ManyRecordsInOneGroupStayWithinTheLimits) {
  std::string core;
  core.reserve(16 * 1024 * 1024);
  for (int i = 0; i < 100000; ++i) {
    core += "<RQD><RQD_下端深度>" + std::to_string(i % 400) + ".5</RQD_下端深度><RQD_RQD>50</RQD_RQD></RQD>\n";
  }
  for (int i = 0; i < 100000; ++i) core += "<色調><色調_下端深度>" + std::to_string(i) + "</色調_下端深度></色調>\n";
  const auto b = LoadText(BoringFile(core, "2"));
  ASSERT_TRUE(b->result.loaded());
  EXPECT_EQ(b->table(TableId::CoreLengthRqd).RowCount(), 250);
  EXPECT_EQ(b->table(TableId::Colour).RowCount(), 250);
}

TEST(XmlBadInput, HugeValuesAndRepeatedStartTags) {
  std::string core = "<観察記事><観察記事_下端深度>1.00</観察記事_下端深度><観察記事_記事>";
  core += std::string(5 * 1024 * 1024, 'x');
  core += "</観察記事_記事></観察記事>\n";
  for (int i = 0; i < 2000; ++i) core += "<色調>";
  core += "\n";
  for (int i = 0; i < 2000; ++i) core += "<色調>\n<標準貫入試験>\n<硬軟区分>\n<硬軟区分判定表>\n";
  const auto b = LoadText(BoringFile(core, "2"));
  ASSERT_TRUE(b->result.loaded());
  EXPECT_EQ(b->cell(TableId::Observation, 1, 2), "1.00");
  EXPECT_EQ(b->cell(TableId::Observation, 1, 4), "");
  EXPECT_EQ(b->result.notices, (std::vector<int>{204}));
}

TEST(XmlBadInput, NonNumericDepthsGiveNoRows) {
  std::string core;
  for (const char* group : {"岩石土区分", "色調", "標準貫入試験", "観察記事", "孔内水位", "RQD", "コア採取率"}) {
    for (const char* element : {"下端深度", "開始深度"}) {
      core += std::string("<") + group + "><" + group + "_" + element + ">深い</" + group + "_" + element + "></" +
              group + ">\n";
    }
  }
  const auto b = LoadText(BoringFile(core, "2"));
  ASSERT_TRUE(b->result.loaded());
  for (int t = 0; t < kTableCount; ++t) EXPECT_EQ(b->table(static_cast<TableId>(t)).RowCount(), 0) << t;
}

}  // namespace
}  // namespace tesmor::test
