// String and number utilities shared by the readers, the forms and the settings.
#pragma once

#include <string>
#include <string_view>

namespace tesmor {

// 1 when the first non-blank character is one of "1234567890.+-", 0 when it is
// another character, -1 when the text is empty or blank.
int StartsLikeNumber(std::string_view text);

// Copies the n-th (1-based) comma-separated field of line into dst. A field ends at
// a comma outside double quotes, at a line feed or at the end of the text; double
// quotes toggle the quoted state and are not copied. Returns 1 when the field
// exists, 0 when the line has fewer fields (dst empty), -1 when the line is empty.
int GetCsvField(std::string& dst, std::string_view line, int n);

// Every occurrence of find replaced, left to right, without re-scanning the
// inserted text. An empty find returns the text unchanged.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);

// Number of characters of a text (a double-byte character counts as one).
int CharacterCount(std::string_view text);

// step * floor(value / step + 1e-7); 0 when step is 0.
int FloorToMultiple(double value, int step);

// The digit of value at place (1, 10, ... 10000) times place, for 0 < value <= 99999.9.
int DecimalDigit(double value, int place);

// -1, 0 or 1.
int Sign(double n);

// The number at the start of a text, as the C library's atof reads it (leading
// blanks skipped, the rest ignored, 0 when there is no number). Independent of the
// process locale.
double TextToDouble(std::string_view text);

// The integer at the start of a text, as atoi reads it (clamped to the int range).
int TextToInt(std::string_view text);

// The integer at the start of a text, as atol reads it (clamped to the long range).
long TextToLong(std::string_view text);

// Text formatted like printf, into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Text with leading and trailing ASCII blanks (space, tab, CR, LF, VT, FF) removed.
std::string_view TrimBlanks(std::string_view text);

}  // namespace tesmor
