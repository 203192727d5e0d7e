#include "record/TextUtil.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tesmor {
namespace {

TEST(TextUtil, StartsLikeNumber) {
  struct Case {
    const char* text;
    int expected;
  };
  const Case cases[] = {
      {"  -3", 1}, {"12.5", 1}, {".5", 1}, {"+1", 1}, {"!12", 0}, {"abc", 0},
      {"", -1},    {"   ", -1}, {"\t\r\n", -1}, {"\t7", 1}, {"１２", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(StartsLikeNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(TextUtil, GetCsvField) {
  std::string dst = "stale";
  EXPECT_EQ(GetCsvField(dst, "a,\"b,c\",d", 2), 1);
  EXPECT_EQ(dst, "b,c");
  EXPECT_EQ(GetCsvField(dst, "a,\"b,c\",d", 3), 1);
  EXPECT_EQ(dst, "d");
  EXPECT_EQ(GetCsvField(dst, "a,\"b,c\",d", 4), 0);
  EXPECT_EQ(dst, "");
  EXPECT_EQ(GetCsvField(dst, "", 1), -1);
  EXPECT_EQ(GetCsvField(dst, "x,y\nz,w", 2), 1);
  EXPECT_EQ(dst, "y");
  EXPECT_EQ(GetCsvField(dst, "x,y\nz,w", 3), 0);
  EXPECT_EQ(GetCsvField(dst, "a,,c", 2), 1);
  EXPECT_EQ(dst, "");
  EXPECT_EQ(GetCsvField(dst, "砂岩,0x0000FF,", 2), 1);
  EXPECT_EQ(dst, "0x0000FF");
  EXPECT_EQ(GetCsvField(dst, "a", 0), 0);
}

TEST(TextUtil, ReplaceAll) {
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceAll("", "a", "b"), "");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAll("礫混じり砂", "混じり", "混り"), "礫混り砂");
  EXPECT_EQ(ReplaceAll("a\\nb", "\\n", "\r\n"), "a\r\nb");
}

TEST(TextUtil, CharacterCountCountsDoubleByteCharactersOnce) {
  EXPECT_EQ(CharacterCount("砂礫土1"), 4);
  EXPECT_EQ(CharacterCount("ｱｲ"), 2);
  EXPECT_EQ(CharacterCount(""), 0);
}

TEST(TextUtil, FloorToMultipleAndDecimalDigit) {
  EXPECT_EQ(FloorToMultiple(37.0, 10), 30);
  EXPECT_EQ(FloorToMultiple(-5.0, 10), -10);
  EXPECT_EQ(FloorToMultiple(29.99999999, 10), 30);  // the 1e-7 nudge
  EXPECT_EQ(FloorToMultiple(5.0, 0), 0);
  EXPECT_EQ(DecimalDigit(3456.7, 1), 6);
  EXPECT_EQ(DecimalDigit(3456.7, 100), 400);
  EXPECT_EQ(DecimalDigit(3456.7, 10000), 0);
  EXPECT_EQ(DecimalDigit(3456.7, 1000), 3000);
  EXPECT_EQ(DecimalDigit(3456.7, 5), 0);
  EXPECT_EQ(DecimalDigit(0.0, 1), 0);
  EXPECT_EQ(DecimalDigit(100000.0, 1), 0);
  EXPECT_EQ(Sign(-2.5), -1);
  EXPECT_EQ(Sign(0), 0);
  EXPECT_EQ(Sign(7), 1);
}

TEST(TextUtil, NumbersAreReadFromTheStartOfATextLikeTheCLibrary) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"12.35", 12.35}, {"  -3.5m", -3.5}, {"+4", 4.0}, {".5", 0.5}, {"abc", 0.0},
      {"", 0.0},        {"1e2x", 100.0},   {"-0", 0.0}, {"- 3", 0.0}, {"1,5", 1.0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(TextToDouble(c.text), c.value) << c.text;
  EXPECT_TRUE(std::isinf(TextToDouble("1e999")));
  EXPECT_EQ(TextToInt("  42abc"), 42);
  EXPECT_EQ(TextToInt("-7.9"), -7);
  EXPECT_EQ(TextToInt("99999999999999"), 2147483647);
  EXPECT_EQ(TextToInt("x1"), 0);
  EXPECT_EQ(TextToLong("123456789012"), 123456789012L);
}

TEST(TextUtil, FormatGrowsPastItsBuffer) {
  EXPECT_EQ(Format("%d/%s", 50, "20"), "50/20");
  const std::string big(1000, 'x');
  EXPECT_EQ(Format("%s!", big.c_str()).size(), 1001u);
}

}  // namespace
}  // namespace tesmor
