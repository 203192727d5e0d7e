#include "readers/LastFolderFile.h"

#include "record/SjisText.h"
#include "record/TextCodec.h"
#include "record/TextFile.h"

namespace tesmor {

LastFolder ReadLastFolderFile(const std::string& filePath, int folderWidth) {
  LastFolder last;
  std::string bytes;
  if (ReadFileBytes(filePath, bytes, 64 * 1024) != ReadStatus::Ok) return last;
  const std::string text = DecodeFileText(bytes);
  LineSource source(text);
  std::string_view line;
  if (source.NextLine(line)) last.folder = std::string(SjisPrefix(line, folderWidth));
  if (source.NextLine(line)) last.path = std::string(line);
  return last;
}

bool WriteLastFolderFile(const std::string& filePath, const LastFolder& last) {
  return WriteFileAtomic(filePath, EncodeCp932(last.folder + "\r\n" + last.path + "\r\n"));
}

std::string FolderOfChosenPath(const std::string& path) { return FolderOf(path); }

}  // namespace tesmor
