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

TEST(TextCodec, AFewDamagedBytesLeaveAFileUtf8) {
  const std::string good = "<地質名>砂礫混じり粘土</地質名>";  // 11 three-byte characters
  const std::string ufffd = "\xEF\xBF\xBD";
  struct Case {
    const char* name;
    std::string bytes;
    TextEncoding encoding;
    std::string text;  // decoded (UTF-8 cases)
  };
  const Case cases[] = {
      {"cut inside the last character", good + "砂" + "\xE7\xA4", TextEncoding::Utf8, good + "砂" + ufffd},
      {"a stray 0xFF", good + "\xFF" + good, TextEncoding::Utf8, good + ufffd + good},
      {"a lone continuation byte", good + "\x82" + good, TextEncoding::Utf8, good + ufffd + good},
      // A broken sequence is one U+FFFD, and the byte that broke it is read again.
      {"a sequence broken by ASCII", good + "\xE7\xA4<" + good, TextEncoding::Utf8, good + ufffd + "<" + good},
      {"an overlong form", good + "\xC0\xAF" + good, TextEncoding::Utf8, good + ufffd + ufffd + good},
      {"a few damaged places among many good", good + "\xFF" + good + "\xE7" + good, TextEncoding::Utf8,
       good + ufffd + good + ufffd + good},
      // More damage than a few: the file is not UTF-8 on the whole.
      {"damage everywhere", "砂\xFF礫\xFF粘\xFF土\xFF", TextEncoding::Cp932, ""},
      {"short Shift_JIS", EncodeCp932("砂礫混じり粘土"), TextEncoding::Cp932, ""},
      {"one stray byte in ASCII", "<a>\xB1</a>", TextEncoding::Cp932, ""},  // ｱ in CP932
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextEncoding detected = TextEncoding::Utf8;
    const std::string text = DecodeFileText(c.bytes, &detected);
    EXPECT_EQ(detected, c.encoding);
    EXPECT_EQ(DetectEncoding(c.bytes), c.encoding);
    EXPECT_TRUE(IsWellFormedUtf8(text));
    if (c.encoding == TextEncoding::Utf8) {
      EXPECT_EQ(text, c.text);
    }
  }
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
