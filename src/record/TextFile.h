// Whole-file reads, atomic writes and the line-by-line reading of decoded text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tesmor {

enum class ReadStatus { Ok, NotFound, NotARegularFile, Unreadable, TooLarge };

// Reads a whole regular file. Files over maxBytes are refused with TooLarge.
ReadStatus ReadFileBytes(const std::string& path, std::string& bytes,
                         std::size_t maxBytes = std::size_t{512} * 1024 * 1024);

// Writes bytes to a temporary file in the same folder and renames it over path, so
// that a failed write never leaves a truncated file. False on any failure (the old
// file is then untouched).
bool WriteFileAtomic(const std::string& path, std::string_view bytes);

// Reads decoded (UTF-8) text line by line, the way a C program reads a text file
// opened without line-end translation: a piece ends after a line feed or when it
// reaches its width limit, measured in Shift_JIS bytes, and never splits a character.
class LineSource {
 public:
  explicit LineSource(std::string_view text) : text_(text) {}

  std::size_t position() const { return pos_; }

  // The next piece of at most maxWidth Shift_JIS bytes, line feed included when it
  // falls inside the piece. False at the end of the text.
  bool NextPiece(std::string_view& piece, int maxWidth);

  // The next whole line without its line end (CR LF or LF). False at the end.
  bool NextLine(std::string_view& line);

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// The text without one trailing CR LF, or else without one trailing LF.
std::string_view StripLineEnd(std::string_view line);

// The folder part of a path (no trailing separator) and the file name.
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);
// folder + "/" + name.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace tesmor
