#include <gtest/gtest.h>

#include "readers/LoadHelpers.h"
#include "record/Messages.h"

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
  // The user is told which tables could not take every row (the 400 depths of RQD
  // fill 250 rows and find their row after that).
  EXPECT_EQ(b->result.notices, (std::vector<int>{msg::kRowLimitReached}));
  EXPECT_EQ(b->result.noticeText(msg::kRowLimitReached),
            "表の行数が上限を超えたため、一部のデータを読み込んでいません.\n（性状 250行まで、コア長RQD 250行まで）");
}

std::string Layers(int count, std::string_view lastDepth = {}) {
  std::string core;
  for (int i = 1; i <= count; ++i) {
    const std::string depth = i == count && !lastDepth.empty() ? std::string(lastDepth) : std::to_string(i) + ".0";
    core += "<岩石土区分><岩石土区分_下端深度>" + depth + "</岩石土区分_下端深度>"
            "<岩石土区分_岩石土名>砂</岩石土区分_岩石土名></岩石土区分>\n";
  }
  return core;
}

TEST(XmlBadInput, LimitsOfTheRecordAreSaidAloud) {
  struct Case {
    const char* name;
    std::string core;
    std::vector<int> notices;
    std::string detail;
    double totalDepth;
  };
  const Case cases[] = {
      {"250 layers fit", Layers(250), {}, "", 250.0},
      {"the 251st layer is dropped", Layers(251), {msg::kRowLimitReached}, "土質地質名 250行まで", 250.0},
      {"100 in-situ tests of two kinds and one more",
       std::string("<孔内水平載荷試験><孔内水平載荷試験_試験深度>1.0</孔内水平載荷試験_試験深度></孔内水平載荷試験>\n") +
           [] {
             std::string more;
             for (int i = 0; i < 100; ++i) {
               more += "<その他原位置試験><その他原位置試験_上端深度>" + std::to_string(i) +
                       "</その他原位置試験_上端深度></その他原位置試験>\n";
             }
             return more;
           }(),
       {msg::kRowLimitReached}, "原位置試験 100行まで", 0.0},
      {"a bottom 1e9 m deep", Layers(3, "1e9"), {msg::kUnusableDepth}, "1e9", 2.0},
      {"an infinite bottom", Layers(3, "+inf"), {msg::kUnusableDepth}, "+inf", 2.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto b = LoadText(BoringFile(c.core));
    ASSERT_TRUE(b->result.loaded());
    EXPECT_EQ(b->result.notices, c.notices);
    if (!c.notices.empty()) {
      EXPECT_NE(b->result.noticeText(c.notices[0]).find("（" + c.detail + "）"), std::string::npos)
          << b->result.noticeText(c.notices[0]);
    }
    EXPECT_DOUBLE_EQ(TotalDepth(b->record), c.totalDepth);
  }
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
