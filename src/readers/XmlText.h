// Text operations of the line-driven boring-information reader: finding the tags of
// a line, the value after a start tag, and the decoding of XML character references.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tesmor {

struct XmlTag {
  std::size_t open = 0;   // position of "<"
  std::size_t end = 0;    // position after ">"
  std::string_view name;  // text between "<" and ">" without trailing blanks; for a
                          // tag closed by "/>" the text before the "/"
  bool selfClosing = false;

  bool isEndTag() const { return name.starts_with('/'); }
};

// The first tag of text at or after from. False when no "<" follows, or the "<" has
// no ">" after it (the rest of the line is then not a tag).
bool FindTag(std::string_view text, std::size_t from, XmlTag& tag);

// Text without trailing ASCII blanks.
std::string_view TrimTrailingBlanks(std::string_view text);

// The raw value after a start tag that ends at valueStart: the text up to the next
// "<" without trailing blanks, or empty when no "<" follows on the line.
std::string_view RawValueAt(std::string_view text, std::size_t valueStart);

// True when the end tag "</name>" (blanks allowed before ">") starts at pos.
bool EndTagAt(std::string_view text, std::size_t pos, std::string_view name, std::size_t* after);

// XML text with the predefined entities (&lt; &gt; &amp; &quot; &apos;) and numeric
// character references decoded; anything else is kept as written.
std::string DecodeXmlText(std::string_view text);

}  // namespace tesmor
