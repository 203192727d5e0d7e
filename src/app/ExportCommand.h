// `tesmor -o OUT FILE`: pages of a boring into PDF, SVG or PNG without a window.
#pragma once

#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/PageOutput.h"
#include "app/Workspace.h"

namespace tesmor {

// Pages chosen by --export-page ("all", "N" or "A-B") out of pageCount; empty with
// an error text when the choice names no page of the boring.
std::vector<int> ChoosePages(const std::string& choice, int pageCount, std::string& error);

// The output type of -o (from --export-type or the output's suffix); false, with the
// reason on stderr, when neither names pdf, svg or png.
bool ChooseOutputType(const CommandLine& commandLine, PageFileType& type);

// Runs the export on a loaded workspace; needs a Qt application object. Returns the
// exit status (0 done, 1 output could not be written, 2 bad usage).
int ExportPages(const CommandLine& commandLine, Workspace& workspace);

}  // namespace tesmor
