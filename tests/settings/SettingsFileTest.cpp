#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>

#include "record/SjisText.h"
#include "record/TextCodec.h"
#include "settings/SettingRanges.h"
#include "settings/SettingsLines.h"
#include "settings/SettingsTestSupport.h"

namespace tesmor {
namespace {

std::string WriteSettingsFile(const std::string& bytes) {
  const std::string path = test::MakeTempFolder() + "/SysTesmor.ndx";
  EXPECT_TRUE(test::WriteAll(path, bytes));
  return path;
}

// A file of 76 lines, every line "" except the given one.
std::string FileWithLine(int line, const std::string& text) {
  std::vector<std::string> lines(76);
  lines[static_cast<std::size_t>(line)] = text;
  return WriteSettingsFile(test::Cp932Lines(lines));
}

TEST(SettingsFile, MissingFileGivesTheDefaults) {
  Settings s;
  EXPECT_FALSE(ReadSettingsFile(s, test::MakeTempFolder() + "/SysTesmor.ndx"));
  EXPECT_EQ(s.maxBlowCountChoice, 0);
  EXPECT_EQ(s.soilFormFlag, 1);
  EXPECT_EQ(s.plotOverflowSymbol, 1);
  EXPECT_EQ(s.nValueGrid, 1);
  EXPECT_EQ(s.siConversionC, 100.0);
  EXPECT_EQ(s.lugeonPressurePe, 1.0);
  EXPECT_EQ(s.waterPressureDecimals, 2);
  EXPECT_EQ(s.noteZeroBlows, "自沈");
  EXPECT_EQ(s.noteZeroPenetration, "貫入不能");
  EXPECT_EQ(s.outerFrameWidth, 2);
  EXPECT_EQ(s.gridMinorDash, 2);
  EXPECT_EQ(s.inSituHorizontalGap, 5);
  EXPECT_EQ(s.rqdPlotWidth, 2);
  EXPECT_EQ(s.lugeonAxisYWidth, 2);
  EXPECT_EQ(s.masterFileSetting, "");
  EXPECT_EQ(s.attachGeologySymbol, 1);
  EXPECT_EQ(s.emptyHeadingText, "-");
  EXPECT_EQ(s.spareText, "-");
  EXPECT_EQ(s.leftMarginMm, 5);
  EXPECT_EQ(s.topMarginMm, 5);
  EXPECT_EQ(s.depthPerPage, 25);
  EXPECT_EQ(s.pageOverlapDepth, 0);
  EXPECT_EQ(s.gridColour, "0x808080");
  EXPECT_EQ(s.detailGridColour, "0xcccccc");
  EXPECT_EQ(s.inSituGridColour, "0x808080");
  // Not stored: the scales start at 1/100, the print start depth at 0.
  EXPECT_EQ(s.horizontalScale, 100);
  EXPECT_EQ(s.depthScale, 100);
  EXPECT_EQ(s.printStartDepth, 0.0);
}

TEST(SettingsFile, AShortFileSetsItsLinesAndLeavesTheRest) {
  const std::string path =
      WriteSettingsFile(test::Cp932Lines({"100", "1", "0", "2", "0", "3", "2", "1", "1", "0"}));

  // At the first start the rest is 0 or empty, not the defaults; margins become 5.
  Settings first;
  EXPECT_TRUE(ReadSettingsFile(first, path));
  EXPECT_EQ(first.maxBlowCountChoice, 1);
  EXPECT_EQ(first.plotOverflowSymbol, 2);
  EXPECT_EQ(first.rockSptDepthData, 3);
  EXPECT_EQ(first.soilSampleDepthPosition, 2);
  EXPECT_EQ(first.nValueGrid, 0);
  EXPECT_EQ(first.rockCoreGrid, 0);
  EXPECT_EQ(first.siConversionC, 0.0);
  EXPECT_EQ(first.noteZeroBlows, "");
  EXPECT_EQ(first.depthPerPage, 0);
  EXPECT_EQ(first.gridColour, "");
  EXPECT_EQ(first.leftMarginMm, 5);
  EXPECT_EQ(first.topMarginMm, 5);

  // Later, the settings of the missing lines keep the values they had.
  Settings later;
  ApplyDefaultSettings(later);
  later.depthPerPage = 40;
  later.noteZeroBlows = "ゼロ";
  later.leftMarginMm = 12;
  EXPECT_TRUE(ReadSettingsFile(later, path));
  EXPECT_EQ(later.maxBlowCountChoice, 1);
  EXPECT_EQ(later.depthPerPage, 40);
  EXPECT_EQ(later.noteZeroBlows, "ゼロ");
  EXPECT_EQ(later.siConversionC, 100.0);
  EXPECT_EQ(later.leftMarginMm, 12);
}

TEST(SettingsFile, NumbersAreReadByTheirLeadingNumber) {
  struct Case {
    int line;
    std::string text;
    int intValue;        // for int lines
    double realValue;    // for real lines
  };
  const Case cases[] = {
      {63, "abc", 0, 0},          {63, "12abc", 12, 0},     {63, " 7", 7, 0},
      {63, "-0", 0, 0},           {63, "1e999", 1, 0},      {63, "99999999999", 400, 0},
      {63, "-4.9", 0, 0},         {63, "", 0, 0},           {63, "+8", 8, 0},
      {11, "abc", 0, 0.0},        {11, "2.5e1", 0, 25.0},   {11, "12.5kPa", 0, 12.5},
      {11, "1e999", 0, 0.0},      {11, "nan", 0, 0.0},      {11, "-1e999", 0, 0.0},
      {11, "1e-999", 0, 0.0},     {11, ".5", 0, 0.5},
      // Margins outside 1 to 100 become 5, whatever made them so.
      {61, "abc", 5, 0},          {61, "0", 5, 0},          {61, "1", 1, 0},
      {61, "100", 100, 0},        {61, "101", 5, 0},        {61, "-3", 5, 0},
      {62, "abc", 5, 0},          {62, "100", 100, 0},      {62, "1e999", 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.line) + ": \"" + c.text + "\"");
    Settings s;
    ASSERT_TRUE(ReadSettingsFile(s, FileWithLine(c.line, c.text)));
    const SettingLine* entry = FindSettingLine(c.line);
    ASSERT_NE(entry, nullptr);
    if (entry->type == SettingType::Real) {
      EXPECT_EQ(s.*entry->realValue, c.realValue);
    } else {
      EXPECT_EQ(s.*entry->intValue, c.intValue);
    }
  }
  // "-0" stays a negative zero in a real setting and is written back as "-0".
  Settings s;
  ASSERT_TRUE(ReadSettingsFile(s, FileWithLine(12, "-0")));
  EXPECT_TRUE(std::signbit(s.lugeonPressurePe));
}

TEST(SettingsFile, AbsurdNumbersAreBroughtIntoTheRangesOfTheirDialogs) {
  struct Case {
    int line;
    std::string text;
    double value;
  };
  const Case cases[] = {
      // A hand-edited page step that overflowed the page arithmetic.
      {63, "2147483647", 400},   {64, "-2147483648", 0},  {64, "11", 10},
      // A needle 2147483647 pixels wide in the title dials.
      {19, "2147483647", 20},    {18, "0", 1},            {18, "-7", 1},
      {33, "1000", 100},         {23, "0", 1},            {35, "0", 0},
      {1, "2", 1},               {5, "9", 3},             {48, "-1", 0},
      {68, "99", 19},            {63, "0", 0},  // 0: the depth that fits the paper
      {11, "5000", 1000.01},     {12, "-3", 0},           {11, "1000.01", 1000.01},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.line) + ": \"" + c.text + "\"");
    Settings s;
    ASSERT_TRUE(ReadSettingsFile(s, FileWithLine(c.line, c.text)));
    const SettingLine* entry = FindSettingLine(c.line);
    ASSERT_NE(entry, nullptr);
    if (entry->type == SettingType::Real) {
      EXPECT_EQ(s.*entry->realValue, c.value);
    } else {
      EXPECT_EQ(s.*entry->intValue, static_cast<int>(c.value));
    }
  }
}

TEST(SettingsFile, BadFilesReadWithoutHarm) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 131 + 7) % 256));
  std::vector<std::string> many(500, "7");
  std::vector<std::string> longLine = {"100", std::string(10000, '3'), "1"};
  std::vector<std::string> badSjis(76, "\x81\x20\xff\xfe\x82");
  struct Case {
    std::string name;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", ""},
      {"binary", binary},
      {"500 lines", test::Cp932Lines(many)},
      {"10,000-byte line", test::Cp932Lines(longLine)},
      {"invalid Shift_JIS", test::Cp932Lines(badSjis)},
      {"no line end", "100\r\n1\r\n2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Settings s;
    EXPECT_TRUE(ReadSettingsFile(s, WriteSettingsFile(c.bytes)));
    EXPECT_GE(s.leftMarginMm, 1);
    EXPECT_LE(s.leftMarginMm, 100);
    EXPECT_GE(s.topMarginMm, 1);
    EXPECT_LE(s.topMarginMm, 100);
    for (const SettingLine& entry : kSettingLines) {
      if (entry.type == SettingType::Text) {
        EXPECT_LE(SjisWidth(s.*entry.textValue), kSettingsReadWidth);
      } else if (entry.type == SettingType::Real) {
        EXPECT_TRUE(std::isfinite(s.*entry.realValue));
      }
    }
    // Whatever was read can be written again, line for line.
    const std::string copy = test::MakeTempFolder() + "/SysTesmor.ndx";
    ASSERT_TRUE(SaveSettings(s, copy));
    EXPECT_EQ(test::LinesOf(test::ReadAll(copy)).size(), 81u);
  }

  // An empty file exists: nothing takes a default, margins become 5.
  Settings empty;
  ASSERT_TRUE(ReadSettingsFile(empty, WriteSettingsFile("")));
  EXPECT_EQ(empty.depthPerPage, 0);
  EXPECT_EQ(empty.noteZeroBlows, "");
  EXPECT_EQ(empty.leftMarginMm, 5);

  // 500 lines: lines after 75 are ignored; every setting reads "7".
  Settings full;
  ASSERT_TRUE(ReadSettingsFile(full, WriteSettingsFile(test::Cp932Lines(many))));
  EXPECT_EQ(full.depthPerPage, 7);
  EXPECT_EQ(full.siConversionC, 7.0);
  EXPECT_EQ(full.inSituGridColour, "7");

  // A long line is read as a buffer of 99 bytes reads it: in several pieces, each
  // taking a line of its own.
  Settings pieces;
  ASSERT_TRUE(ReadSettingsFile(pieces, WriteSettingsFile(test::Cp932Lines(longLine))));
  EXPECT_EQ(pieces.maxBlowCountChoice, 1);  // "3333…" brought into 0 to 1
  EXPECT_EQ(pieces.noteZeroBlows, std::string(99, '3'));
}

// A value for every stored setting, each different from its default.
Settings EveryStoredSettingChanged() {
  Settings s;
  for (const SettingLine& entry : kSettingLines) {
    switch (entry.type) {
      case SettingType::Int: {
        // A value inside the setting's range, other than the default (the margins,
        // without a range, are set below).
        const SettingRange* found = FindSettingRange(entry.intValue);
        const IntRange range = found != nullptr ? found->intRange : IntRange{1, 100};
        int value = range.min + entry.line % (range.max - range.min + 1);
        if (value == entry.intDefault) value = value == range.max ? range.min : value + 1;
        s.*entry.intValue = value;
        break;
      }
      case SettingType::Real: s.*entry.realValue = entry.line + 0.25; break;
      case SettingType::Text: s.*entry.textValue = "値" + std::to_string(entry.line); break;
    }
  }
  s.leftMarginMm = 17;
  s.topMarginMm = 100;
  s.siConversionC = 98.0665;
  s.lugeonPressurePe = 0.5;
  s.masterFileSetting = "/opt/土質/WdtvxTesmor.mst";
  s.gridColour = "0x00ff00";
  return s;
}

TEST(SettingsFile, SavedSettingsReadBackTheSame) {
  const Settings saved = EveryStoredSettingChanged();
  const std::string path = test::MakeTempFolder() + "/SysTesmor.ndx";
  ASSERT_TRUE(SaveSettings(saved, path));

  const std::string bytes = test::ReadAll(path);
  ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  const std::vector<std::string> lines = test::LinesOf(bytes);
  ASSERT_EQ(lines.size(), 81u);
  EXPECT_EQ(lines[0], "100");
  EXPECT_EQ(lines[1], "1");
  EXPECT_EQ(lines[11], "98.0665");
  EXPECT_EQ(lines[12], "0.5");
  EXPECT_EQ(lines[16], EncodeCp932("値16"));
  EXPECT_EQ(lines[53], EncodeCp932("/opt/土質/WdtvxTesmor.mst"));
  EXPECT_EQ(lines[61], "17");
  for (const int unused : {20, 21, 40, 49, 50, 54, 55, 70, 76, 77, 78, 79, 80}) {
    EXPECT_EQ(lines[static_cast<std::size_t>(unused)], "") << "line " << unused;
  }

  Settings read;
  ASSERT_TRUE(ReadSettingsFile(read, path));
  for (const SettingLine& entry : kSettingLines) {
    SCOPED_TRACE(std::string(entry.name));
    switch (entry.type) {
      case SettingType::Int: EXPECT_EQ(read.*entry.intValue, saved.*entry.intValue); break;
      case SettingType::Real: EXPECT_EQ(read.*entry.realValue, saved.*entry.realValue); break;
      case SettingType::Text: EXPECT_EQ(read.*entry.textValue, saved.*entry.textValue); break;
    }
  }
}

TEST(SettingsFile, RealsAreWrittenWithSixSignificantDigits) {
  const std::pair<double, std::string_view> cases[] = {
      {100.0, "100"}, {1.0, "1"}, {0.0001, "0.0001"}, {1234567.0, "1.23457e+06"}, {-0.0, "-0"}, {1000.01, "1000.01"},
  };
  for (const auto& [value, text] : cases) {
    Settings s;
    s.siConversionC = value;
    const std::string path = test::MakeTempFolder() + "/SysTesmor.ndx";
    ASSERT_TRUE(SaveSettings(s, path));
    EXPECT_EQ(test::LinesOf(test::ReadAll(path))[11], text);
  }
}

TEST(SettingsFile, ReadingAndWritingDoNotDependOnTheLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string restore = previous != nullptr ? previous : "C";
  bool found = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      found = true;
      break;
    }
  }
  if (!found) GTEST_SKIP() << "no locale with a decimal comma installed";
  Settings s;
  s.siConversionC = 98.5;
  const std::string path = test::MakeTempFolder() + "/SysTesmor.ndx";
  const bool saved = SaveSettings(s, path);
  std::setlocale(LC_NUMERIC, restore.c_str());
  ASSERT_TRUE(saved);
  EXPECT_EQ(test::LinesOf(test::ReadAll(path))[11], "98.5");
}

TEST(SettingsFile, TextsThatWouldBreakTheLinesAreCutWhenSaved) {
  // A long install folder path in line 53, or a line end inside a text, must not move
  // the lines after it when the file is read back.
  Settings saved = EveryStoredSettingChanged();
  saved.masterFileSetting = "/" + std::string(60, 'd') + "/土質地質名マスタ/" + std::string(40, 'e') + "/WdtvxTesmor.mst";
  saved.noteZeroBlows = "自\r\n沈";
  saved.spareText = std::string("a\0b", 3);
  const std::string path = test::MakeTempFolder() + "/SysTesmor.ndx";
  ASSERT_TRUE(SaveSettings(saved, path));
  EXPECT_EQ(test::LinesOf(test::ReadAll(path)).size(), 81u);

  Settings read;
  ASSERT_TRUE(ReadSettingsFile(read, path));
  EXPECT_EQ(read.masterFileSetting, std::string(SjisPrefix(saved.masterFileSetting, 98)));
  EXPECT_EQ(read.noteZeroBlows, "自  沈");
  EXPECT_EQ(read.spareText, "a");
  read.masterFileSetting = saved.masterFileSetting;
  read.noteZeroBlows = saved.noteZeroBlows;
  read.spareText = saved.spareText;
  EXPECT_EQ(read, saved);
}

}  // namespace
}  // namespace tesmor
