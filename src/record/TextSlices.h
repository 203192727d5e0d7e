// Texts before or after a separator, and substrings that never split a character.
// Positions and byte counts are those of the text in Shift_JIS (CP932 widths of the
// UTF-8 text, SjisText.h); searches run on the UTF-8 text.
#pragma once

#include <string>
#include <string_view>

namespace tesmor {

// dst = the text before the first sep when sep stands at a position greater than 0,
// else empty. Returns the position of sep, -1 when absent.
int TextBefore(std::string& dst, std::string_view text, std::string_view sep);

// dst = the text before the first sep when sep stands at a position greater than 0,
// else the whole text. Returns the position of sep + 1, 0 when absent.
int TextBeforeOrAll(std::string& dst, std::string_view text, std::string_view sep);

// dst = the text after the first sep, empty when sep is absent. Returns the position of
// sep + 1, 0 when absent.
int TextAfter(std::string& dst, std::string_view text, std::string_view sep);

// dst = at most count bytes (at most 200) from the 1-based byte position start, the
// text being considered up to its first 200 bytes. A double-byte character cut at
// the last position, or (when start > 1) at the first, is written as a blank.
// Returns 0; returns 1 with dst empty when count is 0 or less or start lies beyond
// the text. A start below 1 is taken as 1.
int MidBytesSafe(std::string& dst, std::string_view text, int start, int count);

// The characters from the 1-based character number startChar on, at most maxChars of
// them (every character counts as one).
std::string MidChars(std::string_view text, int startChar, int maxChars);

}  // namespace tesmor
