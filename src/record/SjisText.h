// Width of UTF-8 text as it would be in Shift_JIS (CP932) bytes.
//
// Inside the program every text is UTF-8; the file formats and the drawing rules
// count Shift_JIS bytes: one for ASCII and half-width katakana, two for every
// other character. These helpers measure and cut UTF-8 text by that width and
// never split a character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tesmor {

// Length in bytes of the UTF-8 sequence that starts at text[pos]; 1 for a stray or
// malformed byte, 0 at or past the end.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos);

// Code point of the UTF-8 sequence at text[pos]; U+FFFD for a malformed sequence.
char32_t Utf8CodePointAt(std::string_view text, std::size_t pos);

// Shift_JIS width of one code point: 1 for ASCII and half-width katakana, else 2.
int SjisCharWidth(char32_t codePoint);

// Shift_JIS width of the character that starts at text[pos] (0 at the end).
int SjisCharWidthAt(std::string_view text, std::size_t pos);

// Shift_JIS width of a whole UTF-8 text.
int SjisWidth(std::string_view text);

// Longest prefix whose Shift_JIS width is at most maxWidth; never splits a character.
std::string_view SjisPrefix(std::string_view text, int maxWidth);

// Byte offset in text that corresponds to a Shift_JIS width of `width`, rounded down to
// a character boundary (the length of SjisPrefix(text, width)).
std::size_t SjisOffset(std::string_view text, int width);

// Appends the UTF-8 encoding of a code point.
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace tesmor
