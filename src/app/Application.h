// The program's entry: the command line, then the window or a headless job.
#pragma once

namespace tesmor {

// Runs the program; returns the exit status (0 done, 1 the file could not be read
// or is not a boring file, 2 bad usage).
int RunTesmor(int argc, char** argv);

}  // namespace tesmor
