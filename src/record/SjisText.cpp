#include "record/SjisText.h"

namespace tesmor {

namespace {
constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  const auto c = static_cast<unsigned char>(text[pos]);
  std::size_t need = 0;
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) need = 2;
  else if (c >= 0xE0 && c <= 0xEF) need = 3;
  else if (c >= 0xF0 && c <= 0xF4) need = 4;
  else return 1;
  if (pos + need > text.size()) return 1;
  for (std::size_t i = 1; i < need; ++i) {
    if (!IsContinuation(static_cast<unsigned char>(text[pos + i]))) return 1;
  }
  return need;
}

char32_t Utf8CodePointAt(std::string_view text, std::size_t pos) {
  const std::size_t len = Utf8SequenceLength(text, pos);
  if (len == 0) return 0;
  const auto c = static_cast<unsigned char>(text[pos]);
  if (len == 1) return c < 0x80 ? c : kReplacement;
  char32_t cp = 0;
  if (len == 2) cp = c & 0x1F;
  else if (len == 3) cp = c & 0x0F;
  else cp = c & 0x07;
  for (std::size_t i = 1; i < len; ++i) {
    cp = (cp << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
  }
  return cp;
}

int SjisCharWidth(char32_t cp) {
  if (cp < 0x80) return 1;
  if (cp >= 0xFF61 && cp <= 0xFF9F) return 1;  // half-width katakana
  return 2;
}

int SjisCharWidthAt(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  const auto c = static_cast<unsigned char>(text[pos]);
  if (c < 0x80) return 1;
  return SjisCharWidth(Utf8CodePointAt(text, pos));
}

int SjisWidth(std::string_view text) {
  int width = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const auto c = static_cast<unsigned char>(text[pos]);
    if (c < 0x80) {
      ++width;
      ++pos;
      continue;
    }
    width += SjisCharWidthAt(text, pos);
    pos += Utf8SequenceLength(text, pos);
  }
  return width;
}

std::size_t SjisOffset(std::string_view text, int width) {
  int used = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const int w = SjisCharWidthAt(text, pos);
    if (used + w > width) break;
    used += w;
    pos += Utf8SequenceLength(text, pos);
  }
  return pos;
}

std::string_view SjisPrefix(std::string_view text, int maxWidth) {
  return text.substr(0, SjisOffset(text, maxWidth));
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace tesmor
