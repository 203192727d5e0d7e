// The line files of the install folder (SysTesmor.ndx, Font1.ndx to Font5.ndx):
// read a line per position as a C program reads them with a fixed buffer, written
// as CP932 with CR LF line ends, atomically.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tesmor {

// Reads the file in text mode, in pieces of at most readWidth Shift_JIS bytes (a
// longer line gives several pieces, as a fixed read buffer does), each piece up to
// its first NUL and without its line feed. At most maxLines pieces are kept. False
// when the file cannot be opened (lines empty).
bool ReadSettingLines(const std::string& path, int readWidth, int maxLines, std::vector<std::string>& lines);

// A text as a line that reads back whole with readWidth: line ends become blanks, the
// text ends at a NUL, and it is cut (never inside a character) so that it and its line
// feed fit in one piece.
std::string SettingLineText(std::string_view text, int readWidth);

// Writes the lines, each followed by CR LF, as CP932, atomically; the folder is
// created when missing. False on failure (an existing file is then unchanged).
bool WriteSettingLines(const std::string& path, std::span<const std::string> lines);

// "%g" and "%.1f" as the C locale writes them, whatever the process locale.
std::string FormatGeneral(double value);
std::string FormatOneDecimal(double value);

}  // namespace tesmor
