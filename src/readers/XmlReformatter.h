// Rewriting badly line-broken XML boring files into one element per line.
//
// XML boring files from other programs often come with no line breaks at all, with
// one huge line, or with line breaks in the middle of element text. The XML reader
// reads line by line and needs one element per line; the reformatter produces that
// layout:
//   - every start tag begins a line;
//   - the text of an element and its end tag follow on the same line, even when the
//     source broke the text over several lines (the break and the blanks before it
//     are removed);
//   - nested start tags each stand on their own line, empty-element tags alone;
//   - single quotes in the first four lines written at a start tag (the XML
//     declaration, the DOCTYPE and the root tag) become double quotes, so that the
//     DTD version is recognised.
// Output lines end in CR LF.
//
// Lines are physical lines of any length: a document held on one line of 22,000
// bytes comes out one element per line like any other. A line wider than 1998
// Shift_JIS bytes (line end included) is still reported as long, since the Open
// command cannot read such a file directly.
//
// Until a line holding "ボーリング情報 DTD_version" has been seen among lines 1 to
// 9, the file is not taken as a boring file: lines 10 and 11 are still processed,
// and reading stops before line 12.
#pragma once

#include <string>
#include <string_view>

#include "record/TextCodec.h"

namespace tesmor {

inline constexpr std::string_view kDtdMarker = "ボーリング情報 DTD_version";
inline constexpr std::string_view kTempXmlName = "TesmorTmp.xml";
// A line wider than this (Shift_JIS bytes, line end included) is reported as long.
inline constexpr int kReformatLongLineWidth = 1998;
// Lines searched for the DTD marker, and the last line read when it is not found.
inline constexpr int kDtdMarkerSearchLines = 9;
inline constexpr int kLinesReadWithoutMarker = 11;
// Long lines and broken tags listed by number in the report texts.
inline constexpr int kListedProblems = 2;
// Width (Shift_JIS bytes) of the line start quoted in the report texts.
inline constexpr int kQuotedLineStart = 40;

// What one run of the reformatter found.
struct ReformatReport {
  int lines = 0;          // source lines processed
  int longLines = 0;      // lines wider than 1998 bytes
  int brokenTags = 0;     // "<" without a closing ">" on its line
  int startTagLines = 0;  // lines written at a start tag
  bool dtdMarkerFound = false;
  // No DTD marker in lines 1 to 9 and the source went on past line 11: the output
  // holds the first 11 lines only.
  bool stoppedEarly = false;
  // "データ1行の文字数が多すぎました…" with the first two long lines, each as
  // " 第N行「first 40 bytes …」" and a line end; empty when there were none.
  std::string longLineText;
  // "正しく読めない行がありました." with the first two broken tags, " …" at the
  // third; empty when there were none.
  std::string brokenTagText;

  bool hasProblems() const { return longLines > 0 || brokenTags > 0; }
  // The long-line text followed by the broken-tag text.
  std::string problemText() const { return longLineText + brokenTagText; }
};

// Reformats decoded (UTF-8) text; returns the new text with CR LF line ends.
std::string ReformatXmlText(std::string_view text, ReformatReport& report);

enum class ReformatStatus {
  Done,
  SourceNotFound,  // 4006: missing, unreadable or not a regular file
  SourceTooLarge,  // larger than the program reads
  CannotWrite,     // 4032: the target cannot be written
};

// A source file reformatted in memory.
struct ReformattedXml {
  ReformatStatus status = ReformatStatus::SourceNotFound;
  ReformatReport report;
  TextEncoding encoding = TextEncoding::Utf8;  // the source's, kept for the output
  bool byteOrderMark = false;                  // the source started with a UTF-8 BOM
  std::string text;                            // the reformatted text, UTF-8

  bool ok() const { return status == ReformatStatus::Done; }
  // The message id of a failure (0 when done) and its text with the path filled in.
  int errorMessageId() const;
  std::string errorMessage(const std::string& path) const;
  // The reformatted text in the source's encoding.
  std::string bytes() const;
};

// Reads, decodes and reformats a file.
ReformattedXml ReformatXmlSource(const std::string& sourcePath);

// Writes the reformatted text to a file atomically, in the source's encoding; on
// failure the status becomes CannotWrite and the file is left as it was.
void WriteReformattedXml(ReformattedXml& reformatted, const std::string& targetPath);

// The working file TesmorTmp.xml of an install folder.
std::string TempXmlPath(const std::string& installFolder);

// Reformats a source file into TesmorTmp.xml of the install folder (which must
// exist). The result says whether that worked and what the reformatter found.
ReformattedXml FormatXmlToTemp(const std::string& sourcePath, const std::string& installFolder);

}  // namespace tesmor
