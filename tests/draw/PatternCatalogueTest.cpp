#include "draw/PatternCatalogue.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "record/TextCodec.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

constexpr ColourRef kRed = 0x0000ff;
constexpr ColourRef kBrown = 0x004080;
constexpr ColourRef kOrange = 0x4080ff;

std::string WriteFile(std::string_view bytes) {
  const std::string path = test::MakeTempFolder() + "/PtnvcTesmor.ndx";
  EXPECT_TRUE(test::WriteAll(path, bytes));
  return path;
}

PatternColourTable ColoursOf(const std::string& path) {
  PatternColourTable table;
  LoadPatternColours(table, path);
  return table;
}

void ExpectSameColours(const PatternColourTable& a, const PatternColourTable& b) {
  EXPECT_EQ(a.count, b.count);
  EXPECT_EQ(a.pattern, b.pattern);
  EXPECT_EQ(a.colour, b.colour);
}

TEST(PatternCatalogue, BuiltInCatalogueHasTheSpecsExactTexts) {
  const auto rows = DefaultPatternCatalogue();
  ASSERT_EQ(rows.size(), 84u);
  auto find = [&rows](std::string_view pattern) {
    for (const auto& r : rows) {
      if (r.pattern == pattern) return r;
    }
    return PatternCatalogueText{};
  };
  EXPECT_EQ(rows.front().pattern, "[第１分類 A]");
  EXPECT_EQ(rows.front().defaultColour, "1000");
  EXPECT_EQ(find("8600").display, "＼||／");
  EXPECT_EQ(find("6400").example, "\u3000");
  EXPECT_EQ(find("8500").example, "-");
  EXPECT_EQ(find("9900").display, "\u3000(空白)");
  EXPECT_EQ(find("9900").colour, "0x");
  EXPECT_EQ(find("2400").display, " # # #");
  EXPECT_EQ(find("3400").display, "o\u3000o\u3000o");
  EXPECT_EQ(find("6100").display, "S S ");
  EXPECT_EQ(find("10091").example, "硬岩\u3000");
  EXPECT_EQ(rows[59].pattern, "{第１分類 B}");
  EXPECT_EQ(rows.back().pattern, "[終了]");
  // Every text is representable in CP932.
  for (const auto& r : rows) {
    for (std::string_view text : {r.pattern, r.colour, r.defaultColour, r.display, r.example}) {
      EXPECT_EQ(DecodeCp932(EncodeCp932(text)), text);
    }
  }
}

TEST(PatternCatalogue, BuiltInColours) {
  PatternColourTable t;
  LoadBuiltInPatternColours(t);
  EXPECT_EQ(t.count, 79);  // the 84 rows less the five section rows
  EXPECT_EQ(t.pattern[0], 100);
  EXPECT_EQ(FindPatternColour(t, 100), kBrown);
  EXPECT_EQ(FindPatternColour(t, 300), kOrange);
  EXPECT_EQ(FindPatternColour(t, 500), 0xff0000u);
  EXPECT_EQ(FindPatternColour(t, 700), 0x800080u);
  EXPECT_EQ(FindPatternColour(t, 9900), 0u);  // "0x"
  EXPECT_EQ(FindPatternColour(t, 10093), 0u);
  EXPECT_EQ(FindPatternColour(t, 1), kBrown);
  EXPECT_EQ(FindPatternColour(t, 50), kOrange);
  EXPECT_EQ(FindPatternColour(t, 12345), 0u);  // absent: black
  ExpectSameColours(ColoursOf(test::MakeTempFolder() + "/none.ndx"), t);  // missing file
  ExpectSameColours(ColoursOf(""), t);
}

TEST(PatternCatalogue, BuiltInCatalogueRoundTripsThroughTheFile) {
  const std::vector<PatternCatalogueRow> rows = DefaultPatternCatalogueRows();
  ASSERT_EQ(rows.size(), 83u);  // up to the "[終了]" row
  const std::string path = test::MakeTempFolder() + "/PtnvcTesmor.ndx";
  ASSERT_TRUE(SavePatternCatalogue(rows, path));

  const std::string bytes = test::ReadAll(path);
  const std::string head = EncodeCp932("[第１分類 A],,1000,,,\r\n100,0x004080,0x004080,○ ○,礫,\r\n");
  EXPECT_EQ(bytes.substr(0, head.size()), head);
  EXPECT_NE(bytes.find(EncodeCp932("\r\n8600,0x800080,0x800080,＼||／,黒ボク,\r\n")), std::string::npos);
  EXPECT_NE(bytes.find(EncodeCp932("\r\n{第１分類 B},,,,,\r\n")), std::string::npos);

  std::vector<PatternCatalogueRow> readBack;
  ASSERT_TRUE(ReadPatternCatalogueRows(path, readBack));
  EXPECT_EQ(readBack, rows);
  EXPECT_EQ(CatalogueVersion(readBack), 1000);
  EXPECT_EQ(PatternCatalogueForDialog(path), rows);

  PatternColourTable builtIn;
  LoadBuiltInPatternColours(builtIn);
  ExpectSameColours(ColoursOf(path), builtIn);
}

TEST(PatternCatalogue, AFileColourOverridesTheBuiltInOne) {
  std::vector<PatternCatalogueRow> rows = DefaultPatternCatalogueRows();
  for (auto& r : rows) {
    if (r.pattern == "300") r.colour = "0x0000ff";
  }
  const std::string path = test::MakeTempFolder() + "/PtnvcTesmor.ndx";
  ASSERT_TRUE(SavePatternCatalogue(rows, path));
  EXPECT_EQ(FindPatternColour(ColoursOf(path), 300), kRed);

  // Only the line of 300, red, and two lines of 500: the first wins; 9900 is absent.
  const PatternColourTable t = ColoursOf(WriteFile("300,0x0000ff,0x4080ff,x,砂,\r\n500,0x00ff00,,\r\n500,0xff0000,,\r\n"));
  EXPECT_EQ(t.count, 3);
  EXPECT_EQ(FindPatternColour(t, 300), kRed);
  EXPECT_EQ(FindPatternColour(t, 500), 0x00ff00u);
  EXPECT_EQ(FindPatternColour(t, 9900), 0u);
  EXPECT_EQ(FindPatternColour(t, 100), 0u);
}

TEST(PatternCatalogue, ColourCodes) {
  EXPECT_EQ(ColourFromCode("0x0000ff"), kRed);
  EXPECT_EQ(ColourFromCode("0xff0000"), 0xff0000u);
  EXPECT_EQ(ColourFromCode("0x004080"), kBrown);
  EXPECT_EQ(ColourFromCode("0x"), 0u);
  EXPECT_EQ(ColourFromCode(""), 0u);
  EXPECT_EQ(ColourFromCode("red"), 0u);
  EXPECT_EQ(ColourFromCode(" 255"), 255u);
  EXPECT_EQ(ColourFromCode("0377"), 255u);  // base 0: a leading 0 is octal
  EXPECT_EQ(ColourCode(kRed), "0x0000ff");
  EXPECT_EQ(ColourCode(0x4080ff), "0x4080ff");
}

TEST(PatternCatalogue, AtMost110Entries) {
  std::string text = "[第１分類 A],,1000,,,\r\n";
  for (int i = 1; i <= 300; ++i) text += std::to_string(i) + ",0x0000ff,,,,\r\n";
  const PatternColourTable t = ColoursOf(WriteFile(text));
  EXPECT_EQ(t.count, 110);
  EXPECT_EQ(FindPatternColour(t, 110), kRed);
  EXPECT_EQ(FindPatternColour(t, 111), 0u);
}

TEST(PatternCatalogue, BadFilesLoadByTheRulesAndNeverCrash) {
  EXPECT_EQ(ColoursOf(WriteFile("")).count, 0);  // a file that opens is used, even empty

  // Missing fields, unbalanced quotes, non-numeric codes, section lines, one-character lines.
  const PatternColourTable t = ColoursOf(WriteFile(
      "300\n\"400,0x0000ff,\nabc,0x0000ff,\n500,red,\n[x] 600,0x0000ff,\n{700,0x0000ff,\n7\n 800 ,0x0000ff\n9"));
  ASSERT_EQ(t.count, 5);
  const int patterns[] = {300, 400, 500, 7, 800};  // the unclosed quote takes the whole line into field 1
  const ColourRef colours[] = {0, 0, 0, 0, kRed};  // the last "9" has no line end: one character, skipped
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(t.pattern[static_cast<std::size_t>(i)], patterns[i]);
    EXPECT_EQ(t.colour[static_cast<std::size_t>(i)], colours[i]);
  }

  // A line of 5000 bytes is read in pieces of 100; each piece is a line of its own.
  const PatternColourTable longLine = ColoursOf(WriteFile("300," + std::string(4996, '1') + "\n500,0x0000ff,\n"));
  EXPECT_EQ(FindPatternColour(longLine, 300), 0xffffffffu);
  EXPECT_EQ(FindPatternColour(longLine, 500), kRed);
  EXPECT_EQ(longLine.count, 51);

  std::string binary;
  for (int i = 0; i < 30000; ++i) binary.push_back(static_cast<char>((i * 7919 + i / 13) % 256));
  const PatternColourTable b = ColoursOf(WriteFile(binary));
  EXPECT_LE(b.count, 110);
  std::vector<PatternCatalogueRow> rows;
  EXPECT_TRUE(ReadPatternCatalogueRows(WriteFile(binary), rows));
}

TEST(PatternCatalogue, TheDialogShowsTheFileOnlyFromVersion1000) {
  const std::vector<PatternCatalogueRow> builtIn = DefaultPatternCatalogueRows();
  const std::string current = WriteFile("[第１分類 A],,1000,,,\r\n300,0x0000ff,0x4080ff,x,砂,\r\n");
  EXPECT_EQ(PatternCatalogueForDialog(current).size(), 2u);
  const std::string newer = WriteFile("[第１分類 A],,1200,,,\r\n");
  EXPECT_EQ(PatternCatalogueForDialog(newer).size(), 1u);
  const std::string older = WriteFile("[第１分類 A],,999,,,\r\n300,0x0000ff,0x4080ff,x,砂,\r\n");
  EXPECT_EQ(PatternCatalogueForDialog(older), builtIn);
  const std::string noSection = WriteFile("100,0x004080,1000,,,\r\n");
  EXPECT_EQ(PatternCatalogueForDialog(noSection), builtIn);
  EXPECT_EQ(PatternCatalogueForDialog(WriteFile("")), builtIn);
  EXPECT_EQ(PatternCatalogueForDialog(test::MakeTempFolder() + "/none.ndx"), builtIn);
  // The start-up load does not check the version.
  EXPECT_EQ(FindPatternColour(ColoursOf(older), 300), kRed);
}

TEST(PatternCatalogue, DeletingTheFileRestoresTheBuiltInColours) {
  const std::string path = WriteFile("300,0x0000ff,,,,\r\n");
  EXPECT_EQ(FindPatternColour(ColoursOf(path), 300), kRed);
  ASSERT_EQ(std::remove(path.c_str()), 0);
  EXPECT_EQ(FindPatternColour(ColoursOf(path), 300), kOrange);
}

TEST(PatternCatalogue, SaveFailsWhenTheFileCannotBeWritten) {
  const std::string folder = test::MakeTempFolder();
  EXPECT_FALSE(SavePatternCatalogue(DefaultPatternCatalogueRows(), folder + "/missing/p.ndx"));
  // A failed save leaves an existing file as it was.
  const std::string path = folder + "/p.ndx";
  ASSERT_TRUE(test::WriteAll(path, "old"));
  ASSERT_EQ(::chmod(folder.c_str(), 0500), 0);
  const bool saved = SavePatternCatalogue(DefaultPatternCatalogueRows(), path);
  ::chmod(folder.c_str(), 0700);
  if (::geteuid() != 0) {
    EXPECT_FALSE(saved);
  }
  if (!saved) {
    EXPECT_EQ(test::ReadAll(path), "old");
  }
}

}  // namespace
}  // namespace tesmor
