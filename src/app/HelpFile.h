// The guide's text as the guide dialog shows it: HelpTesmor.txt of the install
// folder when it is current, else the built-in lines, which then replace the file.
#pragma once

#include <string>
#include <vector>

namespace tesmor {

// Longest piece of a help-file line the guide reads (Shift_JIS bytes); a longer line
// continues as the next list line.
inline constexpr int kHelpReadWidth = 159;
// Most lines the guide's list takes; a longer file is cut there (message 4003).
inline constexpr int kGuideListLimit = 32767;
// Most built-in lines used when no "EOF" line ends them first.
inline constexpr int kBuiltInHelpLimit = 999;

struct GuideText {
  std::vector<std::string> lines;
  bool fromFile = false;      // the user's current help file, shown as it is
  bool tooManyLines = false;  // the file had more lines than the list takes
};

// <install folder>/HelpTesmor.txt.
std::string HelpFilePath(const std::string& installFolder);

// The guide's lines. A help file whose first line is a number of at least
// kHelpVersion is shown unchanged (edits included). A missing or older file is
// replaced by the built-in text, up to its "EOF" line; when the folder cannot be
// written the built-in text is still shown.
GuideText LoadGuideText(const std::string& installFolder);

}  // namespace tesmor
