// The install folder: where the program keeps its settings, fonts, tables,
// last-folder files, help text and working files.
//
// The folder is found through a one-line pointer file, StnTesmor.whr, kept in the
// folder ZodazIR of the user's configuration folder ($XDG_CONFIG_HOME, else
// ~/.config). Without a pointer file that names a folder, the program uses
// $TESMOR_HOME when set, else $XDG_CONFIG_HOME/tesmor. There are no drive letters
// here: the install drive is always empty and the folder is an absolute path.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tesmor {

// The values of the process environment the search depends on. Tests fill one in
// themselves; the program takes CurrentInstallEnvironment().
struct InstallEnvironment {
  std::string xdgConfigHome;  // $XDG_CONFIG_HOME
  std::string home;           // $HOME
  std::string tesmorHome;     // $TESMOR_HOME
  std::string currentFolder;  // the current directory
};

// Reads the environment variables and the current directory (the only place that
// does).
InstallEnvironment CurrentInstallEnvironment();

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path,
// else $HOME/.config; empty when neither is known.
std::string ConfigFolder(const InstallEnvironment& env);

// <configuration folder>/ZodazIR/StnTesmor.whr; empty without a configuration folder.
std::string PointerFilePath(const InstallEnvironment& env);

// What the search found.
struct InstallSearch {
  std::string pointerFilePath;
  std::string installDrive;  // always empty on this platform
  std::string installPath;   // the install folder, an absolute path
  // Messages to show, in order: msg::kWindowsFolderNotFound when there is no
  // configuration folder, msg::kSaveProgramInFolder when the folder falls back to the
  // root of the file system.
  std::vector<int> messages;
};

// Finds the install folder:
//  1. the folder named by the pointer file, when it is an absolute path other than "/";
//  2. else $TESMOR_HOME (relative to the current directory when it is relative);
//  3. else <configuration folder>/tesmor;
//  4. else (no configuration folder either) the current directory.
InstallSearch FindInstallFolder(const InstallEnvironment& env);

// The first line of the pointer file without its line end; empty when the file is
// missing or the line has at most 1 character.
std::string ReadPointerFile(const std::string& path);

// A folder as the program keeps it: without trailing slashes ("/" stays "/").
std::string_view WithoutTrailingSlashes(std::string_view folder);

// True when folder can be written to the pointer file and read back as the install
// folder: an absolute path other than "/", on one line.
bool IsUsableInstallFolder(std::string_view folder);

// Writes the pointer file: one line, the folder and CR LF (CP932 unless the folder has
// characters CP932 cannot hold, then UTF-8). The folder ZodazIR is created when
// missing. False when the file cannot be written; an existing file is then unchanged.
bool WritePointerFile(const std::string& path, std::string_view folder);

// Creates the folder (and its parents) when missing; false when that fails.
bool EnsureFolder(const std::string& folder);

}  // namespace tesmor
