// The last-folder files (FileV.ndx and its kin): line 1 the folder of the last
// file, line 2 its full path; CP932 with CR LF.
#pragma once

#include <string>

namespace tesmor {

struct LastFolder {
  std::string folder;
  std::string path;
};

// Folder widths (Shift_JIS bytes) as the dialogs take them: FileV.ndx of the Open
// command, and FileF.ndx, FileU.ndx and FileU2.ndx of the XML reformatting commands.
inline constexpr int kOpenFolderWidth = 80;
inline constexpr int kReformatFolderWidth = 254;

// Reads a last-folder file; empty texts when it is missing. The folder is cut to
// folderWidth bytes; the path is read whole.
LastFolder ReadLastFolderFile(const std::string& filePath, int folderWidth = kOpenFolderWidth);

// Writes folder and path, each followed by CR LF; false when it cannot be written.
bool WriteLastFolderFile(const std::string& filePath, const LastFolder& last);

}  // namespace tesmor
