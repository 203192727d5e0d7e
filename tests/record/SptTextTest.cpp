#include "record/SptText.h"

#include <gtest/gtest.h>

namespace tesmor {
namespace {

TEST(SptText, FormatSptBlows) {
  struct Case {
    const char* b1;
    const char* b2;
    const char* b3;
    const char* expected;
  };
  const Case cases[] = {
      {"10", "12", "15", "37"},     // 30 cm: no penetration shown
      {"7", "8", "9", "24"},
      {"1", "1", "1", " 3"},        // "%2d"
      {"50/5", "", "", "50/5"},
      {"", "", "", ""},
      {"abc", "自沈", " ", ""},
      {"-", "", "", " 0/10"},       // "-" is numeric-looking: 0 blows over 10 cm
      {"5", "", "", " 5/10"},
      {"10", "10", "10/8", "30/28"},
      {"50/x", "", "", "50/0"},     // a penetration that is not numeric-looking adds nothing
      {"abc", "10", "", "10/10"},   // only numeric-looking increments count
      {"", "", "20/3", "20/3"},
      {"999", "999", "", "999/20"},  // clamped to 999
      {"-20", "", "", "-9/10"},      // and to -9
      {"10/10", "10/10", "10/10", "30"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatSptBlows(c.b1, c.b2, c.b3), c.expected) << c.b1 << ' ' << c.b2 << ' ' << c.b3;
  }
}

TEST(SptText, ConvertedNValue) {
  EXPECT_DOUBLE_EQ(ConvertedNValue("50/10", 30), 150.0);
  EXPECT_DOUBLE_EQ(ConvertedNValue("50/abc", 30), 50.0);  // penetration not numeric-looking: 30 cm
  EXPECT_DOUBLE_EQ(ConvertedNValue("50/", 30), 50.0);
  EXPECT_DOUBLE_EQ(ConvertedNValue("50/0", 30), 2999.99);
  EXPECT_DOUBLE_EQ(ConvertedNValue("50/-3", 30), 2999.99);
  EXPECT_DOUBLE_EQ(ConvertedNValue("999/1", 30), 2999.99);  // capped
  EXPECT_DOUBLE_EQ(ConvertedNValue("15", 30), 15.0);
  EXPECT_DOUBLE_EQ(ConvertedNValue("1500", 30), 999.0);  // blows capped at 999
  EXPECT_DOUBLE_EQ(ConvertedNValue("/10", 30), 0.0);
  EXPECT_DOUBLE_EQ(ConvertedNValue("", 30), 0.0);
  EXPECT_DOUBLE_EQ(ConvertedNValue("20/40", 30), 15.0);
}

TEST(SptText, BlowCountAndPenetration) {
  EXPECT_EQ(BlowCountOf("50/10", 999), 50);
  EXPECT_EQ(BlowCountOf("2000", 999), 999);
  EXPECT_EQ(BlowCountOf("60/3", 50), 50);
  EXPECT_EQ(BlowCountOf("x", 999), 0);
  EXPECT_EQ(PenetrationOf("50", 30), 30);
  EXPECT_EQ(PenetrationOf("50/12", 30), 12);
  EXPECT_EQ(PenetrationOf("50/ 12cm", 30), 12);
  EXPECT_EQ(PenetrationOf("50/cm", 30), 30);
}

}  // namespace
}  // namespace tesmor
