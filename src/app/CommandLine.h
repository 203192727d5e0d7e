// The command line: GUI, headless export, dump, reformat, help and version.
#pragma once

#include <string>
#include <vector>

namespace tesmor {

enum class RunMode { Gui, Export, Dump, Reformat, PatternLegend, Help, Version };

struct CommandLine {
  RunMode mode = RunMode::Gui;
  std::string file;          // the data file (GUI: optional)
  std::string output;        // -o / --export-filename
  std::string exportType;    // pdf, svg, png; empty: from the output's suffix
  std::string exportPages;   // N, A-B or all
  int exportDpi = 300;
  std::string paper = "A3";
  std::string form;          // soil, rock or empty (the file's own)
  std::string settingsDir;   // --settings-dir
  bool reformat = false;     // read the file through the XML reformatter first
  std::string error;         // set when the arguments are not usable
};

// Parses argv (without argv[0]).
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The text of --help.
std::string UsageText();

}  // namespace tesmor
