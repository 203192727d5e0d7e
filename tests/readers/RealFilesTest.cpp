#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "readers/LoadHelpers.h"
#include "record/SjisText.h"
#include "record/TextCodec.h"

namespace tesmor::test {
namespace {

std::vector<std::string> RealFileNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(FixturePath("real"))) {
    const std::string file = entry.path().filename().string();
    const std::string suffix = ".utf8.xml";
    if (file.size() > suffix.size() && file.ends_with(suffix)) names.push_back(file.substr(0, file.size() - suffix.size()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The first difference between two loaded borings, or empty when they are the same.
std::string FirstDifference(const Loaded& a, const Loaded& b) {
  for (int s = 0; s < kHeadingSlots; ++s) {
    if (a.record.heading(s) != b.record.heading(s)) return "heading " + std::to_string(s);
  }
  for (int t = 0; t < kTableCount; ++t) {
    const TextTable& ta = a.table(static_cast<TableId>(t));
    const TextTable& tb = b.table(static_cast<TableId>(t));
    for (int row = 0; row < ta.rowSlots(); ++row) {
      for (int col = 0; col < ta.width(); ++col) {
        if (ta.get(row, col) != tb.get(row, col)) {
          return std::string(ta.layout().name) + " row " + std::to_string(row) + " col " + std::to_string(col);
        }
      }
    }
  }
  const DensityRows& da = a.record.Density;
  const DensityRows& db = b.record.Density;
  if (da.depth != db.depth || da.density != db.density || da.consistency != db.consistency) return "density";
  if (a.record.GraphCaptions != b.record.GraphCaptions) return "captions";
  if (a.result.notices != b.result.notices) return "notices";
  if (a.result.lastLineResult != b.result.lastLineResult) return "result";
  return {};
}

class RealFiles : public ::testing::TestWithParam<std::string> {};

TEST_P(RealFiles, LoadTheSameFromBothEncodings) {
  const auto utf8 = LoadFixture("real/" + GetParam() + ".utf8.xml");
  const auto sjis = LoadFixture("real/" + GetParam() + ".sjis.xml");
  ASSERT_TRUE(utf8->result.loaded());
  ASSERT_TRUE(sjis->result.loaded());
  EXPECT_EQ(FirstDifference(*utf8, *sjis), "");
  EXPECT_GT(utf8->table(TableId::Layer).RowCount() + utf8->table(TableId::Colour).RowCount(), 0);

  // No record is cut into two rows at the same depth.
  for (const TableId id : {TableId::Layer, TableId::Spt, TableId::Observation}) {
    const TextTable& t = utf8->table(id);
    for (int row = 2; row <= t.RowCount(); ++row) {
      EXPECT_NE(t.get(row, 1) + "|" + t.get(row, 2), t.get(row - 1, 1) + "|" + t.get(row - 1, 2))
          << t.layout().name << " row " << row;
    }
  }
}

// A file cut inside a character, as a transfer that stopped early leaves it, at 20
// points: the UTF-8 copy still reads as UTF-8 (U+FFFD for the cut character), the
// Shift_JIS copy as Shift_JIS, and both load the same boring.
TEST_P(RealFiles, CutCopiesStillLoadAlikeFromBothEncodings) {
  const std::string utf8 = ReadAll(FixturePath("real/" + GetParam() + ".utf8.xml"));
  const std::string sjis = ReadAll(FixturePath("real/" + GetParam() + ".sjis.xml"));
  ASSERT_FALSE(utf8.empty());
  const std::string text = DecodeFileText(utf8);
  // The byte offsets of the multi-byte characters of each file (the two differ in
  // their ASCII declaration only).
  const auto places = [](const std::string& decoded, bool sjisBytes) {
    std::vector<std::size_t> offsets;
    std::size_t offset = 0;
    for (std::size_t pos = 0; pos < decoded.size();) {
      const std::size_t length = Utf8SequenceLength(decoded, pos);
      const std::size_t bytes = sjisBytes ? static_cast<std::size_t>(SjisCharWidthAt(decoded, pos)) : length;
      if (length > 1 && SjisCharWidthAt(decoded, pos) == 2) offsets.push_back(offset);
      offset += bytes;
      pos += length;
    }
    return offsets;
  };
  const std::vector<std::size_t> inUtf8 = places(text, false);
  const std::vector<std::size_t> inSjis = places(DecodeFileText(sjis), true);
  ASSERT_EQ(inUtf8.size(), inSjis.size());
  ASSERT_GT(inUtf8.size(), 20U);
  for (int k = 1; k <= 20; ++k) {
    const std::size_t n = inUtf8.size() * static_cast<std::size_t>(k) / 21;
    SCOPED_TRACE("cut at byte " + std::to_string(inUtf8[n]));
    const std::string utf8Cut = utf8.substr(0, inUtf8[n] + 1);  // the lead byte only
    const std::string sjisCut = sjis.substr(0, inSjis[n] + 1);
    EXPECT_EQ(DetectEncoding(utf8Cut), TextEncoding::Utf8);
    EXPECT_EQ(DetectEncoding(sjisCut), TextEncoding::Cp932);
    EXPECT_EQ(DecodeFileText(utf8Cut), text.substr(0, inUtf8[n]) + "\xEF\xBF\xBD");
    const auto fromUtf8 = LoadText(DecodeFileText(utf8Cut));
    const auto fromSjis = LoadText(DecodeFileText(sjisCut));
    ASSERT_TRUE(fromUtf8->result.loaded());
    EXPECT_EQ(FirstDifference(*fromUtf8, *fromSjis), "");
  }
}

std::string TestNameOf(const ::testing::TestParamInfo<std::string>& param) {
  std::string name = param.param;
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RealFiles, ::testing::ValuesIn(RealFileNames()), TestNameOf);

TEST(RealFiles, RockBoringWithLateralLoadTestsAndFrameLines) {
  const auto b = LoadFixture("real/BOREHOLE_FUKUI_18000230901901300-BED0001.utf8.xml");
  EXPECT_EQ(b->result.formSelector, kRockForm);
  // Written one element per line, the lateral load test is kept.
  EXPECT_EQ(b->cell(TableId::InSitu, 1, 1), "2.00");
  EXPECT_EQ(b->cell(TableId::InSitu, 1, 3), "4.85E+03");
  EXPECT_EQ(b->cell(TableId::InSitu, 2, 0), "LLT");
  // The first frame line (at 0.40) marks the first observation, which ends there.
  EXPECT_EQ(b->cell(TableId::Observation, 1, 2), "0.40");
  EXPECT_EQ(b->cell(TableId::Observation, 1, 5), "1");
}

TEST(RealFiles, EntitiesInDescriptionsAreDecoded) {
  const auto b = LoadFixture("real/BOREHOLE_FUKUI_18000210671704151-BED0003.sjis.xml");
  EXPECT_TRUE(b->cell(TableId::Observation, 1, 4).starts_with("<堤体盛土>\r\n最大φ100mm")) << b->cell(TableId::Observation, 1, 4);
}

TEST(RealFiles, EveryLugeonTestKeepsItsPressureInjectionPairs) {
  const auto b = LoadFixture("real/BOREHOLE_FUKUI_18000234650901407-BED0001.sjis.xml");
  const TextTable& lugeon = b->table(TableId::Lugeon);
  ASSERT_EQ(lugeon.RowCount(), 10);
  for (int row = 1; row <= lugeon.RowCount(); ++row) EXPECT_NE(lugeon.get(row, 10), "") << row;
}

TEST(RealFiles, NoticesTravelWithTheLoad) {
  EXPECT_EQ(LoadFixture("real/BOREHOLE_FUKUI_18000230652000222-BED0003.utf8.xml")->result.notices,
            (std::vector<int>{4019}));
  EXPECT_EQ(LoadFixture("real/BOREHOLE_FUKUI_BED10418000012622.sjis.xml")->result.notices, (std::vector<int>{204}));
  EXPECT_EQ(LoadFixture("real/BOREHOLE_SHIGA_VER4_201836404006-BED0007.utf8.xml")->result.notices,
            (std::vector<int>{4010}));
}

}  // namespace
}  // namespace tesmor::test
