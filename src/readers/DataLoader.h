// Opening a boring data file: recognise its kind from its first lines, empty the
// boring record, feed every line to the kind's reader and run the post-load step.
//
// The file is read into memory once, so the record is only touched after the file
// has been read and recognised: a file that cannot be read or is not a boring file
// leaves the boring on screen as it was.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "readers/LoadContext.h"
#include "readers/ShellState.h"

namespace tesmor {

// How the file was chosen: the File menu's Open command reads every line in pieces
// of at most 1899 bytes; the framework's load (recent files, command line, drag and
// drop) reads whole lines for detection and passes the lines from the kind line on,
// in pieces of at most 2000 bytes.
enum class OpenPath { FileMenu, Framework };

inline constexpr int kFileMenuPieceWidth = 1899;
inline constexpr int kFrameworkPieceWidth = 2000;
inline constexpr int kDetectionLines = 6;
inline constexpr int kLongLineWidth = 500;

enum class LoadStatus {
  Loaded,          // the record holds the new boring
  FileNotFound,    // 4006: missing, unreadable or not a regular file
  NotReadable,     // 4008: no known kind in the first six lines
  NotYetReadable,  // a known kind without a reader in this program
  TooLarge,        // larger than the program reads
  NotBoringExchangeFile,  // 203: reformatted, but not an XML boring file
};

struct KindDetection {
  int kind = 0;
  int longLines = 0;     // lines of more than 500 bytes among those examined
  int linesExamined = 0;
};

struct LoadResult {
  LoadStatus status = LoadStatus::NotReadable;
  int kind = 0;
  int lastLineResult = 0;
  int formSelector = 0;
  // Message ids for the user, in order: 204 and 4010 from the detection, then
  // whatever the reader raised (4019 ...).
  std::vector<int> notices;
  // The "%1" of a notice's message, by id (the tables that were full, the depth that
  // could not be used).
  std::map<int, std::string> noticeDetails;

  bool loaded() const { return status == LoadStatus::Loaded; }
  // The text of a notice, with its detail filled in.
  std::string noticeText(int id) const;
  // The message id that explains a failed load (0 when loaded).
  int errorMessageId() const;
  // The message text of a failed load, with the path filled in.
  std::string errorMessage(const std::string& path) const;
};

// Kind detection over decoded text as the given open path does it.
KindDetection DetectKindOfText(std::string_view text, OpenPath path);

// Loads decoded (UTF-8) text. On success the record, the shell state and
// slot::kFileKind hold the new boring; otherwise nothing is changed.
LoadResult LoadBoringText(std::string_view text, OpenPath path, BoringRecord& record, ShellState& shell,
                          const GeologyClassTable* geology = nullptr);

// Reads, decodes and loads a file.
LoadResult LoadBoringFile(const std::string& filePath, OpenPath path, BoringRecord& record, ShellState& shell,
                          const GeologyClassTable* geology = nullptr);

}  // namespace tesmor
