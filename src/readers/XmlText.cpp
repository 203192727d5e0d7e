#include "readers/XmlText.h"

#include <array>

#include "record/SjisText.h"

namespace tesmor {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

struct Entity {
  std::string_view name;
  char32_t codePoint;
};

constexpr std::array<Entity, 5> kPredefinedEntities = {{
    {"lt", U'<'},
    {"gt", U'>'},
    {"amp", U'&'},
    {"quot", U'"'},
    {"apos", U'\''},
}};

// The code point of a character reference body ("#60", "#x3C") or entity name; 0 when
// it is not one the program decodes.
char32_t ReferencedCodePoint(std::string_view body) {
  if (body.starts_with('#')) {
    body.remove_prefix(1);
    int base = 10;
    if (!body.empty() && (body.front() == 'x' || body.front() == 'X')) {
      base = 16;
      body.remove_prefix(1);
    }
    if (body.empty() || body.size() > 8) return 0;
    char32_t value = 0;
    for (const char c : body) {
      int digit = -1;
      if (c >= '0' && c <= '9') digit = c - '0';
      else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
      if (digit < 0) return 0;
      value = value * static_cast<char32_t>(base) + static_cast<char32_t>(digit);
    }
    const bool valid = value != 0 && value <= 0x10FFFF && !(value >= 0xD800 && value <= 0xDFFF);
    return valid ? value : 0;
  }
  for (const Entity& entity : kPredefinedEntities) {
    if (body == entity.name) return entity.codePoint;
  }
  return 0;
}

}  // namespace

bool FindTag(std::string_view text, std::size_t from, XmlTag& tag) {
  const std::size_t open = text.find('<', from);
  if (open == std::string_view::npos) return false;
  const std::size_t close = text.find('>', open + 1);
  if (close == std::string_view::npos) return false;
  std::string_view body = TrimTrailingBlanks(text.substr(open + 1, close - open - 1));
  tag.open = open;
  tag.end = close + 1;
  tag.selfClosing = body.ends_with('/');
  if (tag.selfClosing) body = TrimTrailingBlanks(body.substr(0, body.size() - 1));
  tag.name = body;
  return true;
}

std::string_view TrimTrailingBlanks(std::string_view text) {
  std::size_t n = text.size();
  while (n > 0 && IsBlank(text[n - 1])) --n;
  return text.substr(0, n);
}

std::string_view RawValueAt(std::string_view text, std::size_t valueStart) {
  if (valueStart > text.size()) return {};
  const std::size_t next = text.find('<', valueStart);
  if (next == std::string_view::npos) return {};
  return TrimTrailingBlanks(text.substr(valueStart, next - valueStart));
}

bool EndTagAt(std::string_view text, std::size_t pos, std::string_view name, std::size_t* after) {
  if (pos >= text.size() || text.compare(pos, 2, "</") != 0) return false;
  std::size_t p = pos + 2;
  if (text.compare(p, name.size(), name) != 0) return false;
  p += name.size();
  while (p < text.size() && IsBlank(text[p])) ++p;
  if (p >= text.size() || text[p] != '>') return false;
  if (after != nullptr) *after = p + 1;
  return true;
}

std::string DecodeXmlText(std::string_view text) {
  std::size_t amp = text.find('&');
  if (amp == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (amp != std::string_view::npos) {
    out.append(text.substr(pos, amp - pos));
    const std::size_t semicolon = text.find(';', amp + 1);
    const char32_t cp = semicolon != std::string_view::npos && semicolon - amp <= 12
                            ? ReferencedCodePoint(text.substr(amp + 1, semicolon - amp - 1))
                            : 0;
    if (cp != 0) {
      AppendUtf8(out, cp);
      pos = semicolon + 1;
    } else {
      out.push_back('&');
      pos = amp + 1;
    }
    amp = text.find('&', pos);
  }
  out.append(text.substr(pos));
  return out;
}

}  // namespace tesmor
