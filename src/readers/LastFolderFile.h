// The last-folder files (FileV.ndx and its kin): line 1 the folder of the last
// file, line 2 its full path; CP932 with CR LF.
#pragma once

#include <string>

namespace tesmor {

struct LastFolder {
  std::string folder;
  std::string path;
};

// Reads a last-folder file; empty texts when it is missing. The folder is cut to
// 80 bytes, as the dialog takes it.
LastFolder ReadLastFolderFile(const std::string& filePath);

// Writes folder and path, each followed by CR LF; false when it cannot be written.
bool WriteLastFolderFile(const std::string& filePath, const LastFolder& last);

// The folder of a chosen path as the Open command keeps it: the text before the
// file name, without a trailing separator.
std::string FolderOfChosenPath(const std::string& path);

}  // namespace tesmor
