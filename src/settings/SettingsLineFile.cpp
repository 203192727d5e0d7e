#include "settings/SettingsLineFile.h"

#include <charconv>

#include "record/SjisText.h"
#include "record/TextFile.h"
#include "record/TextModeFile.h"
#include "settings/InstallFolder.h"

namespace tesmor {

namespace {

std::string FormatDouble(double value, std::chars_format format, int precision) {
  char buffer[400];  // "%.1f" of the largest double has 310 digits
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  if (result.ec != std::errc{}) return "0";
  return std::string(buffer, result.ptr);
}

}  // namespace

bool ReadSettingLines(const std::string& path, int readWidth, int maxLines, std::vector<std::string>& lines) {
  lines.clear();
  std::string text;
  if (!ReadTextModeFile(path, text)) return false;
  LineSource source(text);
  std::string_view piece;
  while (static_cast<int>(lines.size()) < maxLines && source.NextPiece(piece, readWidth)) {
    lines.emplace_back(DropLineFeed(UpToNul(piece)));
  }
  return true;
}

std::string SettingLineText(std::string_view text, int readWidth) {
  std::string line(UpToNul(text));
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  line.resize(SjisOffset(line, readWidth - 1));
  return line;
}

bool WriteSettingLines(const std::string& path, std::span<const std::string> lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  if (const std::string folder = FolderOf(path); !folder.empty()) EnsureFolder(folder);
  return WriteCp932File(path, text);
}

std::string FormatGeneral(double value) { return FormatDouble(value, std::chars_format::general, 6); }

std::string FormatOneDecimal(double value) { return FormatDouble(value, std::chars_format::fixed, 1); }

}  // namespace tesmor
