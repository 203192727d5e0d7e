#include "record/TextSlices.h"

#include <gtest/gtest.h>

#include <string>

namespace tesmor {
namespace {

TEST(TextSlices, TextBeforeAndAfter) {
  std::string dst = "stale";
  EXPECT_EQ(TextBefore(dst, "50/10", "/"), 2);
  EXPECT_EQ(dst, "50");
  EXPECT_EQ(TextBefore(dst, "/10", "/"), 0);
  EXPECT_EQ(dst, "");
  EXPECT_EQ(TextBefore(dst, "50", "/"), -1);
  EXPECT_EQ(dst, "");
  EXPECT_EQ(TextBefore(dst, "砂岩・泥岩", "・"), 4);  // positions count Shift_JIS bytes
  EXPECT_EQ(dst, "砂岩");

  EXPECT_EQ(TextBeforeOrAll(dst, "50/10", "/"), 3);
  EXPECT_EQ(dst, "50");
  EXPECT_EQ(TextBeforeOrAll(dst, "/10", "/"), 1);
  EXPECT_EQ(dst, "/10");
  EXPECT_EQ(TextBeforeOrAll(dst, "50", "/"), 0);
  EXPECT_EQ(dst, "50");

  EXPECT_EQ(TextAfter(dst, "50/10", "/"), 3);
  EXPECT_EQ(dst, "10");
  EXPECT_EQ(TextAfter(dst, "砂岩・泥岩", "・"), 5);
  EXPECT_EQ(dst, "泥岩");
  EXPECT_EQ(TextAfter(dst, "50", "/"), 0);
  EXPECT_EQ(dst, "");

  dst = "a/b";  // the destination may be the text itself
  EXPECT_EQ(TextAfter(dst, dst, "/"), 2);
  EXPECT_EQ(dst, "b");
}

TEST(TextSlices, MidBytesSafeNeverSplitsACharacter) {
  struct Case {
    const char* text;
    int start;
    int count;
    int result;
    const char* expected;
  };
  const Case cases[] = {
      {"ab砂岩cd", 1, 2, 0, "ab"},
      {"ab砂岩cd", 3, 4, 0, "砂岩"},
      {"ab砂岩cd", 1, 3, 0, "ab "},   // lead byte of 砂 at the last position
      {"ab砂岩cd", 4, 4, 0, " 岩c"},  // trail byte of 砂 at the first position
      {"ab砂岩cd", 4, 1, 0, " "},
      {"ab砂岩cd", 5, 100, 0, "岩cd"},
      {"ab砂岩cd", 8, 1, 0, "d"},
      {"ab砂岩cd", 9, 1, 1, ""},      // beyond the text
      {"ab砂岩cd", 1, 0, 1, ""},
      {"ab砂岩cd", 1, -5, 1, ""},
      {"ｱｲｳ", 2, 2, 0, "ｲｳ"},        // half-width katakana are single bytes
      {"", 1, 1, 1, ""},
  };
  for (const Case& c : cases) {
    std::string dst = "stale";
    EXPECT_EQ(MidBytesSafe(dst, c.text, c.start, c.count), c.result) << c.text << ' ' << c.start << ' ' << c.count;
    EXPECT_EQ(dst, c.expected) << c.text << ' ' << c.start << ' ' << c.count;
  }
}

TEST(TextSlices, MidBytesSafeConsidersTheFirst200Bytes) {
  std::string text = "a";
  for (int i = 0; i < 150; ++i) text += "砂";  // 301 bytes; 砂 number 100 spans bytes 200 and 201
  std::string dst;
  EXPECT_EQ(MidBytesSafe(dst, text, 1, 500), 0);
  EXPECT_EQ(dst.size(), 1u + 99u * 3u + 1u);  // "a", 99 characters and the cut lead byte as a blank
  EXPECT_EQ(dst.back(), ' ');
  EXPECT_EQ(MidBytesSafe(dst, text, 200, 5), 0);
  EXPECT_EQ(dst, " ");
  EXPECT_EQ(MidBytesSafe(dst, text, 201, 5), 1);
  EXPECT_EQ(dst, "");
}

TEST(TextSlices, MidChars) {
  EXPECT_EQ(MidChars("砂岩a泥岩", 1, 2), "砂岩");
  EXPECT_EQ(MidChars("砂岩a泥岩", 3, 2), "a泥");
  EXPECT_EQ(MidChars("砂岩a泥岩", 4, 10), "泥岩");
  EXPECT_EQ(MidChars("砂岩a泥岩", 6, 10), "");
  EXPECT_EQ(MidChars("砂岩a泥岩", 0, 1), "砂");
  EXPECT_EQ(MidChars("砂岩a泥岩", 1, 0), "");
  EXPECT_EQ(MidChars("", 1, 3), "");
}

}  // namespace
}  // namespace tesmor
