#include "record/TextCodec.h"

#include <gtest/gtest.h>

#include "record/TextFile.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

TEST(TextCodec, DecodesByContentNotByDeclaration) {
  const std::string sjis = "\x8d\xbb\xe2\x49";  // 砂礫 in CP932
  EXPECT_EQ(DetectEncoding(sjis), TextEncoding::Cp932);
  EXPECT_EQ(DecodeFileText(sjis), "砂礫");
  EXPECT_EQ(DetectEncoding("<?xml encoding=\"shift_jis\"?>砂礫"), TextEncoding::Utf8);
  EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF砂"), "砂");
  EXPECT_EQ(DetectEncoding("plain ascii"), TextEncoding::Utf8);
}

TEST(TextCodec, Cp932ExtensionsAndTrail5cRoundTrip) {
  const std::string text = "表ソ能①Ⅲ㎡ⅰ№㈱ｶﾅ\\~";
  const std::string bytes = EncodeCp932(text);
  EXPECT_EQ(DetectEncoding(bytes), TextEncoding::Cp932);
  EXPECT_EQ(DecodeCp932(bytes), text);
  EXPECT_EQ(bytes.substr(0, 2), "\x95\x5c");  // 表: trail byte 0x5C
}

TEST(TextCodec, UndecodableBytesBecomeReplacementCharacters) {
  // A lone lead byte at the end, an unassigned pair and a stray 0xA0 byte.
  EXPECT_EQ(DecodeCp932("a\x81"), "a\xEF\xBF\xBD");
  EXPECT_EQ(DecodeCp932("\x85\x40x"), "\xEF\xBF\xBDx");
  EXPECT_EQ(DecodeCp932("\xa0z"), "\xEF\xBF\xBDz");
  EXPECT_EQ(EncodeCp932("a😀b"), "a?b");
}

TEST(TextCodec, BinaryBytesNeverFailToDecode) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
  const std::string text = DecodeFileText(bytes + bytes);
  EXPECT_TRUE(IsWellFormedUtf8(text));
}

TEST(TextFile, LineSourceSplitsPiecesByShiftJisWidth) {
  const std::string text = "ab砂c\r\nxyz";
  LineSource source(text);
  std::string_view piece;
  ASSERT_TRUE(source.NextPiece(piece, 3));
  EXPECT_EQ(piece, "ab");  // 砂 would make 4 bytes
  ASSERT_TRUE(source.NextPiece(piece, 3));
  EXPECT_EQ(piece, "砂c");
  ASSERT_TRUE(source.NextPiece(piece, 3));
  EXPECT_EQ(piece, "\r\n");
  ASSERT_TRUE(source.NextPiece(piece, 3));
  EXPECT_EQ(piece, "xyz");
  EXPECT_FALSE(source.NextPiece(piece, 3));

  LineSource lines("one\r\ntwo\nthree");
  std::string_view line;
  ASSERT_TRUE(lines.NextLine(line));
  EXPECT_EQ(line, "one");
  ASSERT_TRUE(lines.NextLine(line));
  EXPECT_EQ(line, "two");
  ASSERT_TRUE(lines.NextLine(line));
  EXPECT_EQ(line, "three");
  EXPECT_FALSE(lines.NextLine(line));
}

TEST(TextFile, AtomicWriteReplacesWholeFileOrNothing) {
  const std::string folder = test::MakeTempFolder();
  const std::string path = folder + "/a.ndx";
  ASSERT_TRUE(WriteFileAtomic(path, "first\r\n"));
  ASSERT_TRUE(WriteFileAtomic(path, "second\r\n"));
  EXPECT_EQ(test::ReadAll(path), "second\r\n");
  EXPECT_FALSE(WriteFileAtomic(folder + "/missing/a.ndx", "x"));
  std::string bytes;
  EXPECT_EQ(ReadFileBytes(folder, bytes), ReadStatus::NotARegularFile);
  EXPECT_EQ(ReadFileBytes(folder + "/none", bytes), ReadStatus::NotFound);
  EXPECT_EQ(ReadFileBytes(path, bytes, 3), ReadStatus::TooLarge);
}

}  // namespace
}  // namespace tesmor
