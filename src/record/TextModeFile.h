// The program's own small text files (geology-name master, pattern catalogue):
// read the way a C program reads a file opened in text mode, written as CP932 with
// CR LF line ends, atomically.
#pragma once

#include <string>
#include <string_view>

namespace tesmor {

// Reads a whole file and decodes it by its content (UTF-8 or CP932); every CR LF
// becomes LF, as text mode reads it. False when the file cannot be opened or read
// (text is then empty).
bool ReadTextModeFile(const std::string& path, std::string& text);

// Encodes UTF-8 text (line ends already CR LF) as CP932 and writes it atomically.
// False on any failure; an existing file is then left as it was.
bool WriteCp932File(const std::string& path, std::string_view utf8Text);

// The text as a C string sees it: up to its first NUL character.
std::string_view UpToNul(std::string_view text);

// The text without its last character (never splits a character).
std::string_view DropLastCharacter(std::string_view text);

// The text without one trailing line feed.
std::string_view DropLineFeed(std::string_view text);

// A field to be written into a comma-separated row: line ends become blanks, and a
// field that holds a comma is put in double quotes (GetCsvField reads it back whole).
std::string CsvFieldText(std::string_view field);

}  // namespace tesmor
