// Loading an XML boring file through the reformatter (整形して開く): the file is
// rewritten one element per line first, and only XML boring files are loaded.
#pragma once

#include <string>
#include <string_view>

#include "readers/DataLoader.h"
#include "readers/XmlReformatter.h"

namespace tesmor {

// The file kind of reformatted text, detected from its first six lines; 0 when the
// reformatter stopped early (no DTD marker in lines 1 to 9), since the text then
// holds only the first lines of the source.
int ReformattedKind(std::string_view text, const ReformatReport& report);

// Loads reformatted text as the File menu's Open reads a file. Only the XML kinds
// are loaded (199 after notice 4010); any other text ends as NotBoringExchangeFile
// (203) with the record untouched. Notice 204 is never raised: the text has just
// been reformatted.
LoadResult LoadReformattedText(std::string_view text, const ReformatReport& report, BoringRecord& record,
                               ShellState& shell, const GeologyClassTable* geology = nullptr);

// Reads and reformats a file in memory and loads the result. The notices start with
// 4007 when the source had long lines and 4011 when it had broken tags.
LoadResult LoadBoringFileReformatted(const std::string& filePath, BoringRecord& record, ShellState& shell,
                                     const GeologyClassTable* geology = nullptr);

}  // namespace tesmor
