#include "settings/FontSettings.h"

#include <gtest/gtest.h>

#include "record/SjisText.h"
#include "settings/SettingsTestSupport.h"

namespace tesmor {
namespace {

FontSetting ReadFontLines(const std::vector<std::string>& lines, FontSetting font = {}) {
  const std::string path = test::MakeTempFolder() + "/Font3.ndx";
  EXPECT_TRUE(test::WriteAll(path, test::Cp932Lines(lines)));
  LoadFontFile(font, path, 8.0);
  return font;
}

TEST(FontSettings, MissingFilesGiveTheDefaultFonts) {
  FontSettings fonts{};
  fonts[kItemFont].colour = 0x123456;
  fonts[kItemFont].underline = 1;
  LoadFonts(fonts, test::MakeTempFolder());
  const double sizes[kFontCount] = {10.0, 9.0, 8.0, 7.0, 9.0};
  for (int i = 0; i < kFontCount; ++i) {
    const FontSetting& f = fonts[static_cast<std::size_t>(i)];
    EXPECT_EQ(f.size, sizes[i]) << i;
    EXPECT_EQ(f.face, "ＭＳ 明朝") << i;
    EXPECT_EQ(f.colour, 0u) << i;
    EXPECT_EQ(f.underline, 0) << i;
  }
}

TEST(FontSettings, SizesAndFacesOutsideTheLimitsTakeTheDefaults) {
  struct Case {
    std::string size;
    std::string face;
    double expectedSize;
    std::string expectedFace;
  };
  const Case cases[] = {
      {"0.5", "IPAGothic", 8.0, "IPAGothic"},
      {"1.0", "IPAGothic", 8.0, "IPAGothic"},
      {"1.1", "IPAGothic", 1.1, "IPAGothic"},
      {"100", "IPAGothic", 100.0, "IPAGothic"},
      {"100.5", "IPAGothic", 8.0, "IPAGothic"},
      {"-12", "IPAGothic", 8.0, "IPAGothic"},
      {"abc", "IPAGothic", 8.0, "IPAGothic"},
      {"nan", "IPAGothic", 8.0, "IPAGothic"},
      {"1e999", "IPAGothic", 8.0, "IPAGothic"},
      {"12.5pt", "A", 12.5, "ＭＳ 明朝"},
      {"12", "ｱ", 12.0, "ＭＳ 明朝"},
      {"12", "", 12.0, "ＭＳ 明朝"},
      {"12", "Ab", 12.0, "Ab"},
      {"12", "游", 12.0, "游"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size + " / " + c.face);
    const FontSetting f = ReadFontLines({c.size, c.face, "255", "1"});
    EXPECT_EQ(f.size, c.expectedSize);
    EXPECT_EQ(f.face, c.expectedFace);
    EXPECT_EQ(f.colour, 255u);
    EXPECT_EQ(f.underline, 1);
  }
}

TEST(FontSettings, AShortFileKeepsSizeAndFaceButNotColourOrUnderline) {
  FontSetting before;
  before.size = 11.0;
  before.face = "IPAMincho";
  before.colour = 0xff;
  before.underline = 1;
  const FontSetting empty = ReadFontLines({}, before);
  EXPECT_EQ(empty.size, 11.0);
  EXPECT_EQ(empty.face, "IPAMincho");
  EXPECT_EQ(empty.colour, 0u);
  EXPECT_EQ(empty.underline, 0);

  const FontSetting sizeOnly = ReadFontLines({"14.0"}, before);
  EXPECT_EQ(sizeOnly.size, 14.0);
  EXPECT_EQ(sizeOnly.face, "IPAMincho");

  // Binary garbage and very long lines read without harm.
  std::string binary;
  for (int i = 0; i < 600; ++i) binary.push_back(static_cast<char>((i * 37 + 11) % 256));
  const FontSetting garbage = ReadFontLines({binary, std::string(10000, 'x')}, before);
  EXPECT_GT(garbage.size, 1.0);
  EXPECT_LE(garbage.size, 100.0);
  EXPECT_GE(SjisWidth(garbage.face), 2);
}

TEST(FontSettings, SavedFontsReadBackTheSame) {
  FontSettings saved{};
  for (int i = 0; i < kFontCount; ++i) {
    FontSetting& f = saved[static_cast<std::size_t>(i)];
    f.size = 6.5 + i;
    f.face = i % 2 == 0 ? "IPAGothic" : "ＭＳ ゴシック";
    f.colour = 0x0000ffu * static_cast<ColourRef>(i);
    f.underline = i % 2;
  }
  saved[kPageFont].colour = 0xffffffffu;  // a 32-bit value that a long holds as -1
  const std::string folder = test::MakeTempFolder() + "/new";  // created on the first write
  ASSERT_TRUE(SaveFonts(saved, folder));
  EXPECT_EQ(test::ReadAll(folder + "/Font1.ndx"), "6.5\r\nIPAGothic\r\n0\r\n0\r\n");
  EXPECT_EQ(test::ReadAll(folder + "/Font2.ndx"), EncodeCp932("7.5\r\nＭＳ ゴシック\r\n255\r\n1\r\n"));
  EXPECT_EQ(test::ReadAll(folder + "/Font5.ndx"), "10.5\r\nIPAGothic\r\n-1\r\n0\r\n");

  FontSettings read{};
  LoadFonts(read, folder);
  EXPECT_EQ(read, saved);
}

TEST(FontSettings, ALongFaceIsCutSoTheColourStaysOnItsLine) {
  FontSetting saved;
  saved.size = 9.0;
  saved.face = std::string(30, 'F') + "明朝体" + std::string(60, 'G');
  saved.colour = 0x808080;
  saved.underline = 1;
  const std::string path = test::MakeTempFolder() + "/Font4.ndx";
  ASSERT_TRUE(SaveFontFile(saved, path));
  FontSetting read;
  LoadFontFile(read, path, 7.0);
  EXPECT_EQ(read.face, std::string(SjisPrefix(saved.face, kFontReadWidth - 1)));
  EXPECT_EQ(read.colour, 0x808080u);
  EXPECT_EQ(read.underline, 1);
}

}  // namespace
}  // namespace tesmor
