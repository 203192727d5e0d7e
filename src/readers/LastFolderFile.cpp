#include "readers/LastFolderFile.h"

#include "record/SjisText.h"
#include "record/TextFile.h"
#include "record/TextModeFile.h"

namespace tesmor {

LastFolder ReadLastFolderFile(const std::string& filePath, int folderWidth) {
  LastFolder last;
  std::string text;
  if (!ReadTextModeFile(filePath, text)) return last;
  LineSource source(text);
  std::string_view line;
  if (source.NextLine(line)) last.folder = std::string(SjisPrefix(line, folderWidth));
  if (source.NextLine(line)) last.path = std::string(line);
  return last;
}

bool WriteLastFolderFile(const std::string& filePath, const LastFolder& last) {
  return WriteCp932File(filePath, last.folder + "\r\n" + last.path + "\r\n");
}

}  // namespace tesmor
