// The built-in operating guide: the text the guide dialog shows and writes to
// HelpTesmor.txt in the install folder. Line 1 is the version number; the last line
// used is the first one that contains "EOF".
#pragma once

#include <span>
#include <string_view>

namespace tesmor {

// The guide's version. A help file whose first line has a smaller number is out of
// date and is replaced by the built-in text.
inline constexpr int kHelpVersion = 4000;

// The built-in lines, "4000" first and the "EOF" line last.
std::span<const std::string_view> HelpLines();

}  // namespace tesmor
