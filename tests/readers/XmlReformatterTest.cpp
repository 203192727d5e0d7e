#include "readers/XmlReformatter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "readers/ReformattedLoad.h"
#include "record/Messages.h"
#include "record/SjisText.h"
#include "record/TextFile.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

const std::string kHead =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<!DOCTYPE ボーリング情報 SYSTEM \"BED0300.DTD\">\r\n"
    "<ボーリング情報 DTD_version=\"3.00\">\r\n";

std::vector<std::string> OutputLines(std::string_view text) {
  std::vector<std::string> lines;
  LineSource source(text);
  std::string_view line;
  while (source.NextLine(line)) lines.emplace_back(line);
  return lines;
}

// True when a line holds one element: "<a>", "</a>", "<a/>" or "<a>text</a>".
bool IsOneElement(std::string_view line) {
  if (line.size() < 3 || line.front() != '<' || line.back() != '>') return false;
  const std::size_t firstClose = line.find('>');
  if (firstClose == line.size() - 1) return true;
  const std::size_t secondOpen = line.find('<', 1);
  return secondOpen != std::string_view::npos && line.substr(secondOpen, 2) == "</" &&
         line.find('<', secondOpen + 1) == std::string_view::npos &&
         line.substr(secondOpen + 2, line.size() - secondOpen - 3) == line.substr(1, firstClose - 1);
}

TEST(XmlReformatter, FixturesComeOutOneElementPerLineInTheSourcesEncoding) {
  // A CP932 document on one line with single-quoted declaration and root tag; a
  // pretty-printed UTF-8 document with element text broken over three lines, an
  // empty element, an empty element whose end tag is on the next line, LF line ends.
  for (const std::string name : {"one-line.sjis.xml", "broken-text.utf8.xml"}) {
    SCOPED_TRACE(name);
    const std::string expectedName = name.substr(0, name.find('.')) + ".expected" + name.substr(name.find('.'));
    const ReformattedXml result = FormatXmlToTemp(test::FixturePath("reformat/" + name), test::InstallFolder());
    ASSERT_TRUE(result.ok());
    EXPECT_TRUE(result.report.dtdMarkerFound);
    EXPECT_FALSE(result.report.hasProblems());
    EXPECT_EQ(test::ReadAll(TempXmlPath(test::InstallFolder())),
              test::ReadAll(test::FixturePath("reformat/" + expectedName)));
  }
}

TEST(XmlReformatter, ByteOrderMarkOfAUtf8SourceIsKept) {
  const std::string folder = test::MakeTempFolder();
  const std::string source = folder + "/bom.xml";
  ASSERT_TRUE(test::WriteAll(source, "\xEF\xBB\xBF" + kHead + "<a>表土</a></ボーリング情報>"));
  ReformattedXml result = ReformatXmlSource(source);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.encoding, TextEncoding::Utf8);
  EXPECT_EQ(result.bytes(), "\xEF\xBB\xBF" + kHead + "<a>表土</a>\r\n</ボーリング情報>\r\n");
}

TEST(XmlReformatter, DocumentOnOneLineOf22000BytesComesOutOneElementPerLine) {
  std::string line = "<?xml version='1.0' encoding='Shift_JIS'?><ボーリング情報 DTD_version='2.10'><コア情報>";
  int records = 0;
  while (line.size() < 22000) {
    ++records;
    line += "<観察記事><観察記事_下端深度>" + std::to_string(records) + ".00</観察記事_下端深度><観察記事_記事>" +
            "記事" + std::to_string(records) + "</観察記事_記事></観察記事>";
  }
  line += "</コア情報></ボーリング情報>";
  ReformatReport report;
  const std::string out = ReformatXmlText(line, report);
  const std::vector<std::string> lines = OutputLines(out);
  ASSERT_EQ(lines.size(), 3u + 4u * static_cast<std::size_t>(records) + 2u);
  EXPECT_EQ(lines[1], "<ボーリング情報 DTD_version=\"2.10\">");
  EXPECT_EQ(lines[lines.size() - 4], "<観察記事_記事>記事" + std::to_string(records) + "</観察記事_記事>");
  for (const std::string& l : lines) EXPECT_TRUE(IsOneElement(l)) << l;
  EXPECT_EQ(report.longLines, 1);
  EXPECT_EQ(report.longLineText, std::string(MessageText(msg::kLineTooLong)) + " 第1行「" +
                                     std::string(SjisPrefix(line, 40)) + " …」\n");
  EXPECT_EQ(report.brokenTags, 0);
}

TEST(XmlReformatter, LongLinesAndBrokenTagsAreListedTwiceThenCounted) {
  const std::string longLine = "<a>" + std::string(1996, 'x') + "</a>\r\n";  // 2005 bytes
  struct Case {
    std::string body;
    int longLines;
    int brokenTags;
    std::string text;
  };
  const std::string brokenHead = std::string(MessageText(msg::kBrokenLine));
  const std::string longHead = std::string(MessageText(msg::kLineTooLong));
  const Case cases[] = {
      // "<" without ">" on line 4: the rest of the line is lost and reported.
      {"<調査名>地区<調査\r\n<b>1</b>\r\n", 0, 1, brokenHead + " 第4行「<調査名>地区<調査 」\n"},
      {"<c\r\n<d\r\n<e\r\n<f\r\n", 0, 4, brokenHead + " 第4行「<c 」\n 第5行「<d 」\n …\n"},
      {longLine + "<b/>\r\n" + longLine + longLine, 3, 0,
       longHead + " 第4行「<a>" + std::string(37, 'x') + " …」\n 第6行「<a>" + std::string(37, 'x') + " …」\n"},
      // 1996 bytes and CR LF: not long.
      {"<a>" + std::string(1989, 'x') + "</a>\r\n", 0, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body.substr(0, 40));
    ReformatReport report;
    ReformatXmlText(kHead + c.body, report);
    EXPECT_EQ(report.longLines, c.longLines);
    EXPECT_EQ(report.brokenTags, c.brokenTags);
    EXPECT_EQ(report.problemText(), c.text);
  }
  ReformatReport report;
  EXPECT_EQ(ReformatXmlText(kHead + "<調査名>地区<調査\r\n<b>1</b>\r\n", report),
            kHead + "<調査名>地区\r\n< error >\r\n<b>1</b>\r\n");
}

TEST(XmlReformatter, WithoutTheDtdMarkerInLinesOneToNineReadingStopsAfterLineEleven) {
  auto numbered = [](int markerLine) {
    std::string text;
    for (int n = 1; n <= 20; ++n) {
      text += n == markerLine ? "<ボーリング情報 DTD_version=\"3.00\">\n" : "<l" + std::to_string(n) + "/>\n";
    }
    return text;
  };
  ReformatReport report;
  std::vector<std::string> lines = OutputLines(ReformatXmlText(numbered(9), report));
  EXPECT_TRUE(report.dtdMarkerFound);
  EXPECT_FALSE(report.stoppedEarly);
  EXPECT_EQ(lines.back(), "<l20/>");

  lines = OutputLines(ReformatXmlText(numbered(10), report));
  EXPECT_FALSE(report.dtdMarkerFound);
  EXPECT_TRUE(report.stoppedEarly);
  EXPECT_EQ(report.lines, 11);
  EXPECT_EQ(lines.back(), "<l11/>");

  // Loaded through the reformatter, such a file is not a boring file, even when the
  // marker stands in line 10 or 11 and so in the lines that were kept.
  for (const int markerLine : {0, 10, 11}) {
    BoringRecord record;
    ShellState shell;
    record.setHeading(1, "previous");
    const std::string text = ReformatXmlText(numbered(markerLine), report);
    const LoadResult load = LoadReformattedText(text, report, record, shell);
    EXPECT_EQ(load.status, LoadStatus::NotBoringExchangeFile);
    EXPECT_EQ(load.errorMessage(""), MessageText(msg::kNotBoringExchangeFile));
    EXPECT_EQ(record.heading(1), "previous");
  }
}

TEST(XmlReformatter, TagsKeepTheirAttributesAndOnlyTheFirstLinesTheirQuotesChanged) {
  // Lines written at a start tag: the declaration, the DOCTYPE, the root tag and
  // <標題情報> get double quotes; <調査基本情報>, written fifth, and the lines written
  // at an empty-element or end tag keep theirs.
  ReformatReport report;
  const std::string out = ReformatXmlText(
      "<?xml version='1.0'?><!DOCTYPE ボーリング情報 SYSTEM 'http://example.org/BED0300.DTD'>"
      "<ボーリング情報 DTD_version='3.00' xmlns:x='http://example.org/x'><標題情報 v='4'><調査基本情報 v='5'>"
      "<e v='6'><a y='1/2'/><b>it's</b><c z='q'>1</c><d w='p'>\n</d>\n",
      report);
  EXPECT_EQ(out,
            "<?xml version=\"1.0\"?>\r\n"
            "<!DOCTYPE ボーリング情報 SYSTEM \"http://example.org/BED0300.DTD\">\r\n"
            "<ボーリング情報 DTD_version=\"3.00\" xmlns:x=\"http://example.org/x\">\r\n"
            "<標題情報 v=\"4\">\r\n"
            "<調査基本情報 v='5'>\r\n"
            "<e v='6'>\r\n"
            "<a y='1/2'/>\r\n"
            "<b>it's</b>\r\n"
            "<c z='q'>1</c>\r\n"
            "<d w='p'></d>\r\n");
  EXPECT_EQ(report.startTagLines, 5);
}

TEST(XmlReformatter, BadSourcesEndInTheirMessageAndNeverInAHalfWrittenFile) {
  const std::string folder = test::MakeTempFolder();
  const std::string temp = TempXmlPath(folder);
  ASSERT_TRUE(test::WriteAll(temp, "previous"));

  ReformattedXml missing = FormatXmlToTemp(folder + "/none.xml", folder);
  EXPECT_EQ(missing.errorMessage(folder + "/none.xml"), MessageText(msg::kFileNotFound, folder + "/none.xml"));
  EXPECT_EQ(FormatXmlToTemp(folder, folder).status, ReformatStatus::SourceNotFound);
  EXPECT_EQ(test::ReadAll(temp), "previous");

  const std::string source = folder + "/source.xml";
  ASSERT_TRUE(test::WriteAll(source, kHead + "</ボーリング情報>\r\n"));
  const ReformattedXml unwritable = FormatXmlToTemp(source, temp + "/not-a-folder");
  EXPECT_EQ(unwritable.errorMessageId(), msg::kCannotRun);

  // Binary data, text without any ">", 10,000 broken tags: each gives a clean result.
  std::string binary;
  for (unsigned i = 0; i < 1u << 20; ++i) binary.push_back(static_cast<char>((i * 7919u + (i >> 7)) & 0xFFu));
  std::string noClose = "<ボーリング情報 DTD_version='3.00'\n";
  std::string brokenTags = kHead;
  for (int i = 0; i < 10000; ++i) {
    noClose += "<<< x\n";
    brokenTags += "<a>1</a><b\r\n";
  }
  struct Case {
    std::string bytes;
    int brokenTags;
  };
  for (const Case& c : {Case{binary, -1}, Case{noClose, 10001}, Case{brokenTags, 10000}}) {
    ASSERT_TRUE(test::WriteAll(source, c.bytes));
    const ReformattedXml result = FormatXmlToTemp(source, folder);
    ASSERT_TRUE(result.ok());
    if (c.brokenTags >= 0) {
      EXPECT_EQ(result.report.brokenTags, c.brokenTags);
      EXPECT_EQ(OutputLines(result.report.brokenTagText).size(), 3u);
    }
    EXPECT_EQ(test::ReadAll(temp), result.bytes());
  }
}

}  // namespace
}  // namespace tesmor
