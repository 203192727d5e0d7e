#include "record/TextSlices.h"

#include <algorithm>

#include "record/SjisText.h"

namespace tesmor {

namespace {

constexpr int kMidLimit = 200;

// The Shift_JIS position of a byte offset of the UTF-8 text.
int PositionOf(std::string_view text, std::size_t offset) { return SjisWidth(text.substr(0, offset)); }

}  // namespace

int TextBefore(std::string& dst, std::string_view text, std::string_view sep) {
  const std::size_t at = text.find(sep);
  std::string out(at != std::string_view::npos && at > 0 ? text.substr(0, at) : std::string_view());
  dst = std::move(out);
  return at == std::string_view::npos ? -1 : PositionOf(text, at);
}

int TextBeforeOrAll(std::string& dst, std::string_view text, std::string_view sep) {
  const std::size_t at = text.find(sep);
  std::string out(at != std::string_view::npos && at > 0 ? text.substr(0, at) : text);
  dst = std::move(out);
  return at == std::string_view::npos ? 0 : PositionOf(text, at) + 1;
}

int TextAfter(std::string& dst, std::string_view text, std::string_view sep) {
  const std::size_t at = text.find(sep);
  std::string out(at != std::string_view::npos ? text.substr(at + sep.size()) : std::string_view());
  dst = std::move(out);
  return at == std::string_view::npos ? 0 : PositionOf(text, at) + 1;
}

int MidBytesSafe(std::string& dst, std::string_view text, int start, int count) {
  std::string out;
  const int considered = std::min(SjisWidth(text), kMidLimit);
  start = std::max(start, 1);
  if (count <= 0 || start > considered) {
    dst.clear();
    return 1;
  }
  const int end = std::min(start + std::min(count, kMidLimit) - 1, considered);  // last position copied
  int pos = 1;  // position of the character's first byte
  for (std::size_t at = 0; at < text.size() && pos <= end;) {
    const std::size_t length = Utf8SequenceLength(text, at);
    const int width = SjisCharWidthAt(text, at);
    const int lastByte = pos + width - 1;
    if (pos >= start && lastByte <= end) {
      out.append(text.substr(at, length));
    } else if (lastByte >= start) {
      // A double-byte character cut by the window: its lead byte at the last copied
      // position, or its trail byte at the first.
      out.push_back(' ');
    }
    pos += width;
    at += length;
  }
  dst = std::move(out);
  return 0;
}

std::string MidChars(std::string_view text, int startChar, int maxChars) {
  std::string out;
  int number = 1;
  int taken = 0;
  for (std::size_t at = 0; at < text.size() && taken < maxChars; ++number) {
    const std::size_t length = Utf8SequenceLength(text, at);
    if (number >= startChar) {
      out.append(text.substr(at, length));
      ++taken;
    }
    at += length;
  }
  return out;
}

}  // namespace tesmor
