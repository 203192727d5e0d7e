#include "readers/XmlReformatter.h"

#include "record/Messages.h"
#include "record/SjisText.h"
#include "record/TextFile.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kBrokenTag = "< error >";
// Lines written at a start tag whose single quotes become double quotes: the XML
// declaration, the DOCTYPE, the root tag and the one after it.
constexpr int kQuoteFixedLines = 4;

std::string_view TrimRight(std::string_view text) {
  const std::size_t last = text.find_last_not_of(kBlanks);
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

// The start of a source line as the report texts quote it.
std::string QuotedStart(std::string_view line) { return std::string(SjisPrefix(StripLineEnd(line), kQuotedLineStart)); }

// One run of the reformatter: the pending output line survives from one source line
// to the next.
class Reformatter {
 public:
  Reformatter(ReformatReport& report, std::string& out) : report_(report), out_(out) {}

  // One source line, its line end included. False when reading stops before it.
  bool Line(std::string_view line, int number);
  // The end of the source: a pending line that no end tag closed is written too.
  void Finish() { FlushPending(false); }

 private:
  void CountLongLine(std::string_view line, int number);
  void CountBrokenTag(std::string_view line, int number);
  void Tag(std::string_view tag);
  void FlushPending(bool atStartTag);
  void WriteLine(std::string_view text) {
    out_.append(text);
    out_.append("\r\n");
  }

  ReformatReport& report_;
  std::string& out_;
  std::string pending_;
};

bool Reformatter::Line(std::string_view line, int number) {
  if (!report_.dtdMarkerFound) {
    if (number <= kDtdMarkerSearchLines && line.find(kDtdMarker) != std::string_view::npos) {
      report_.dtdMarkerFound = true;
    } else if (number > kLinesReadWithoutMarker) {
      report_.stoppedEarly = true;
      return false;
    }
  }
  report_.lines = number;
  if (SjisWidth(line) > kReformatLongLineWidth) CountLongLine(line, number);

  // Every token consumes at least one byte, so the loop ends with the line however
  // many tokens it holds.
  std::string_view rest = StripLineEnd(line);
  while (!rest.empty()) {
    if (rest.front() == '<') {
      const std::size_t close = rest.find('>');
      if (close == std::string_view::npos) {
        // The tag runs to the end of the line: nothing after it can be read.
        CountBrokenTag(line, number);
        FlushPending(true);
        pending_ = kBrokenTag;
        break;
      }
      Tag(rest.substr(1, close - 1));
      rest.remove_prefix(close + 1);
      continue;
    }
    const std::size_t open = rest.find('<');
    if (open == std::string_view::npos) {
      pending_.append(TrimRight(rest));
      break;
    }
    pending_.append(rest.substr(0, open));
    rest.remove_prefix(open);
  }
  return true;
}

void Reformatter::Tag(std::string_view tag) {
  if (!tag.empty() && tag.front() == '/') {
    pending_.resize(TrimRight(pending_).size());
    pending_.append("</").append(tag.substr(1)).append(">");
    WriteLine(pending_);
    pending_.clear();
  } else if (!tag.empty() && tag.back() == '/') {
    // Only a "/" right before ">" closes an empty element: one inside an attribute
    // value (a URL, a date) belongs to a start tag.
    FlushPending(false);
    std::string element = "<";
    element.append(tag.substr(0, tag.size() - 1)).append("/>");
    WriteLine(element);
  } else {
    FlushPending(true);
    pending_.clear();
    pending_.push_back('<');
    pending_.append(tag).push_back('>');
  }
}

void Reformatter::FlushPending(bool atStartTag) {
  pending_.resize(TrimRight(pending_).size());
  if (pending_.empty()) return;
  if (atStartTag) {
    if (report_.startTagLines < kQuoteFixedLines) pending_ = ReplaceAll(pending_, "'", "\"");
    ++report_.startTagLines;
  }
  WriteLine(pending_);
  pending_.clear();
}

void Reformatter::CountLongLine(std::string_view line, int number) {
  ++report_.longLines;
  if (report_.longLines == 1) report_.longLineText = MessageText(msg::kLineTooLong);
  if (report_.longLines <= kListedProblems) {
    report_.longLineText += Format(" 第%d行「%s …」\n", number, QuotedStart(line).c_str());
  }
}

void Reformatter::CountBrokenTag(std::string_view line, int number) {
  ++report_.brokenTags;
  if (report_.brokenTags == 1) report_.brokenTagText = MessageText(msg::kBrokenLine);
  if (report_.brokenTags <= kListedProblems) {
    report_.brokenTagText += Format(" 第%d行「%s 」\n", number, QuotedStart(line).c_str());
  } else if (report_.brokenTags == kListedProblems + 1) {
    report_.brokenTagText += " …\n";
  }
}

}  // namespace

std::string ReformatXmlText(std::string_view text, ReformatReport& report) {
  report = ReformatReport{};
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  Reformatter reformatter(report, out);
  std::size_t pos = 0;
  int number = 0;
  while (pos < text.size()) {
    const std::size_t newline = text.find('\n', pos);
    const std::size_t end = newline == std::string_view::npos ? text.size() : newline + 1;
    if (!reformatter.Line(text.substr(pos, end - pos), ++number)) break;
    pos = end;
  }
  reformatter.Finish();
  return out;
}

int ReformattedXml::errorMessageId() const {
  switch (status) {
    case ReformatStatus::Done: return 0;
    case ReformatStatus::SourceNotFound: return msg::kFileNotFound;
    case ReformatStatus::SourceTooLarge: return msg::kFileTooLarge;
    case ReformatStatus::CannotWrite: return msg::kCannotRun;
  }
  return msg::kCannotRun;
}

std::string ReformattedXml::errorMessage(const std::string& path) const {
  const int id = errorMessageId();
  return id == 0 ? std::string() : MessageText(id, path);
}

std::string ReformattedXml::bytes() const {
  std::string encoded = EncodeText(text, encoding);
  if (byteOrderMark) encoded.insert(0, kUtf8Bom);
  return encoded;
}

ReformattedXml ReformatXmlSource(const std::string& sourcePath) {
  ReformattedXml result;
  std::string source;
  const ReadStatus read = ReadFileBytes(sourcePath, source);
  if (read != ReadStatus::Ok) {
    result.status = read == ReadStatus::TooLarge ? ReformatStatus::SourceTooLarge : ReformatStatus::SourceNotFound;
    return result;
  }
  result.byteOrderMark = source.substr(0, kUtf8Bom.size()) == kUtf8Bom;
  std::string decoded = DecodeFileText(source, &result.encoding);
  source.clear();
  source.shrink_to_fit();
  result.text = ReformatXmlText(decoded, result.report);
  result.status = ReformatStatus::Done;
  return result;
}

void WriteReformattedXml(ReformattedXml& reformatted, const std::string& targetPath) {
  if (!reformatted.ok()) return;
  if (!WriteFileAtomic(targetPath, reformatted.bytes())) reformatted.status = ReformatStatus::CannotWrite;
}

std::string TempXmlPath(const std::string& installFolder) {
  return JoinPath(installFolder, std::string(kTempXmlName));
}

ReformattedXml FormatXmlToTemp(const std::string& sourcePath, const std::string& installFolder) {
  ReformattedXml result = ReformatXmlSource(sourcePath);
  WriteReformattedXml(result, TempXmlPath(installFolder));
  return result;
}

}  // namespace tesmor
