#include "record/SjisText.h"

#include <gtest/gtest.h>

namespace tesmor {
namespace {

TEST(SjisText, WidthCountsShiftJisBytes) {
  EXPECT_EQ(SjisWidth("abc"), 3);
  EXPECT_EQ(SjisWidth("砂礫"), 4);
  EXPECT_EQ(SjisWidth("ｶﾅ"), 2);       // half-width katakana: one byte each
  EXPECT_EQ(SjisWidth("①Ⅲ㎡"), 6);     // NEC special characters
  EXPECT_EQ(SjisWidth("\xff"), 2);     // a stray byte counts like an undecodable character
}

TEST(SjisText, PrefixNeverSplitsACharacter) {
  EXPECT_EQ(SjisPrefix("砂礫土", 3), "砂");
  EXPECT_EQ(SjisPrefix("砂礫土", 4), "砂礫");
  EXPECT_EQ(SjisPrefix("a砂", 2), "a");
  EXPECT_EQ(SjisPrefix("abc", 0), "");
  EXPECT_EQ(SjisPrefix("abc", 10), "abc");
  EXPECT_EQ(SjisOffset("BOR砂", 11), std::string("BOR砂").size());
}

TEST(SjisText, Utf8Sequences) {
  EXPECT_EQ(Utf8CodePointAt("砂", 0), U'砂');
  EXPECT_EQ(Utf8SequenceLength("\xe7\xa0", 0), 1u);  // truncated sequence
  std::string out;
  AppendUtf8(out, U'礫');
  AppendUtf8(out, 0xD800);
  EXPECT_EQ(out, "礫\xEF\xBF\xBD");
}

}  // namespace
}  // namespace tesmor
