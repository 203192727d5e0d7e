// What every Qt process of the program sets up right after creating its
// application object.
#pragma once

namespace tesmor {

// A file-size limit (ulimit -f) must make a write fail with its error, which the
// program reports and cleans up after, instead of killing the process with SIGXFSZ
// halfway through a file. First thing of every run.
void IgnoreFileSizeSignal();

// Before the application object is created: a private runtime folder when the
// session has none (batch jobs, cron, CI), so that Qt does not complain about it.
void PrepareQtEnvironment();

// Installs the Japanese font substitutes and puts the numeric locale back to "C"
// (Qt adopts the user's locale, which would write "12,5" where the program's files
// and sheets need "12.5").
void SetUpQtProcess();

}  // namespace tesmor
