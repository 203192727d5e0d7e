#include <gtest/gtest.h>

#include "readers/FileKind.h"
#include "readers/LoadHelpers.h"

namespace tesmor::test {
namespace {

TEST(XmlHeading, FillsTheSlotsWithDatesAndConversions) {
  const auto b = LoadFixture("xml/heading_300.xml");
  ASSERT_TRUE(b->result.loaded());
  const BoringRecord& r = b->record;
  EXPECT_EQ(r.heading(1), "地質調査業務 <第2工区> & 補足");
  EXPECT_EQ(r.heading(2), "河川改修工事");
  EXPECT_EQ(r.heading(3), "福井県鯖江市");
  EXPECT_EQ(r.heading(4), "福井県");
  EXPECT_EQ(r.heading(5), "No.1");
  // Start date split; an end date shorter than ten characters leaves empty parts.
  EXPECT_EQ(r.heading(6), "2007");
  EXPECT_EQ(r.heading(7), "09");
  EXPECT_EQ(r.heading(8), "14");
  EXPECT_EQ(r.heading(9), "");
  EXPECT_EQ(r.heading(10), "");
  EXPECT_EQ(r.heading(13), "10.32");
  EXPECT_EQ(r.heading(16), "技師 一郎");
  EXPECT_EQ(r.heading(19), "責任 三郎");
  EXPECT_EQ(r.heading(20), "YBM-05");
  EXPECT_EQ(r.heading(21), "トンビ");
  EXPECT_EQ(r.heading(22), "NFAD-8");
  EXPECT_EQ(r.heading(23), "V-5");
  EXPECT_EQ(r.heading(24), "90");    // cut before ".0"
  EXPECT_EQ(r.heading(25), "10");    // 10.05 is cut too
  EXPECT_EQ(r.heading(26), "0");
  EXPECT_EQ(r.heading(27), "53367168");
  EXPECT_EQ(r.heading(58), "71");
  EXPECT_EQ(r.heading(59), "68");
  EXPECT_EQ(r.heading(37), "10.02");
  EXPECT_EQ(r.heading(39), "株式会社　地質");
  EXPECT_EQ(r.heading(40), "0776-00-0000");
  EXPECT_EQ(r.heading(51), "35");
  EXPECT_EQ(r.heading(53), "19");
  EXPECT_EQ(r.heading(54), "136");
  EXPECT_EQ(r.heading(56), "34.5");
  EXPECT_EQ(r.heading(57), "1");
  EXPECT_EQ(r.heading(slot::kFileKind), "203");
  EXPECT_EQ(b->result.lastLineResult, 200);
  EXPECT_EQ(b->result.formSelector, kSoilForm);
}

std::string HeadingFile(std::string_view headingLine) {
  std::string text = "<ボーリング情報 DTD_version=\"2.00\">\n<標題情報>\n<調査基本情報>\n";
  text += headingLine;
  text += "\n</調査基本情報>\n</標題情報>\n</ボーリング情報>\n";
  return text;
}

TEST(XmlHeading, ElementsOnOneLineAreReadInTableOrderOnly) {
  const auto inOrder = LoadText(HeadingFile("<調査名>調査A</調査名><ボーリング名>B-1</ボーリング名>"));
  EXPECT_EQ(inOrder->record.heading(1), "調査A");
  EXPECT_EQ(inOrder->record.heading(5), "B-1");

  // The survey name comes before the boring name in the table: after the boring
  // name it is behind the cursor and not read.
  const auto reversed = LoadText(HeadingFile("<ボーリング名>B-1</ボーリング名><調査名>調査A</調査名>"));
  EXPECT_EQ(reversed->record.heading(1), "");
  EXPECT_EQ(reversed->record.heading(5), "B-1");
}

TEST(XmlHeading, ReadsAtMostNineElementsOfALine) {
  std::string line = "<経度緯度情報>";
  line += "<経度_度>1</経度_度><経度_分>2</経度_分><経度_秒>3</経度_秒>";
  line += "<緯度_度>4</緯度_度><緯度_分>5</緯度_分><緯度_秒>6</緯度_秒>";
  line += "<取得方法コード>1</取得方法コード><読取精度コード>1</読取精度コード>";
  line += "</経度緯度情報><調査位置><調査位置住所>遠い</調査位置住所>";
  const auto b = LoadText(HeadingFile(line));
  EXPECT_EQ(b->record.heading(54), "1");
  EXPECT_EQ(b->record.heading(53), "6");
  EXPECT_EQ(b->record.heading(3), "");  // the twelfth tag of the line
}

TEST(XmlHeading, EmptyElementsWriteEmptySlots) {
  const auto b = LoadText(HeadingFile("<調査名/>\n<ボーリング名>\t</ボーリング名>"));
  EXPECT_EQ(b->record.heading(1), "");
  EXPECT_EQ(b->record.heading(5), "");
  EXPECT_TRUE(b->result.notices.empty());
}

TEST(XmlHeading, ValueOverSeveralLinesIsEmptyAndAsksForFormatting) {
  const auto b = LoadText(HeadingFile("<調査名>長い調査名の\n続き</調査名>\n<ボーリング名>B-2</ボーリング名>"));
  EXPECT_EQ(b->record.heading(1), "");
  EXPECT_EQ(b->record.heading(5), "B-2");
  EXPECT_EQ(b->result.notices, (std::vector<int>{204}));

  const auto nextLine = LoadText(HeadingFile("<調査名>\n長い調査名\n</調査名>"));
  EXPECT_EQ(nextLine->result.notices, (std::vector<int>{204}));
}

}  // namespace
}  // namespace tesmor::test
