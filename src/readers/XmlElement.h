// One entry of an XML element table: the element as written in a boring-information
// file and what the reader does with it.
#pragma once

#include <span>
#include <string_view>

namespace tesmor {

namespace xml_code {
inline constexpr int kRecordStart = -1;  // the record's own start tag: empties the scratch row
inline constexpr int kRecordEnd = -9;    // the record's end tag (the heading's end): commits
inline constexpr int kIgnored = 0;       // a known element whose value is not kept
}  // namespace xml_code

// The name of the first start tag of a template: the text between its first "<" and
// the next ">" ("/標題情報" for "</標題情報>").
constexpr std::string_view TemplateTagName(std::string_view text) {
  const std::size_t open = text.find('<');
  if (open == std::string_view::npos) return {};
  const std::size_t close = text.find('>', open + 1);
  if (close == std::string_view::npos) return {};
  return text.substr(open + 1, close - open - 1);
}

struct XmlElement {
  constexpr XmlElement(std::string_view templateText, int columnCode)
      : text(templateText),
        name(TemplateTagName(templateText)),
        code(columnCode),
        holdsValue(templateText.find("%s") != std::string_view::npos) {}

  std::string_view text;  // the element as written in a file, "%s" for its value
  std::string_view name;  // the start-tag name that lines are matched against
  int code;               // scratch column 1..10 (heading: slot), or an xml_code
  bool holdsValue;        // a leaf element with a text value
};

using XmlElementTable = std::span<const XmlElement>;

// A record group: the tag that opens it, the table of its elements, its row limit and
// the width of the scratch row it uses.
struct XmlGroup {
  int code;
  std::string_view startTag;
  bool rockOnly;  // recognised only in a boring read as rock
  int maxRows;
  int scratchWidth;
  XmlElementTable elements;
};

}  // namespace tesmor
