// Opens a text file for the user to read and print: in the desktop's default
// application for it, else in the editor named by $VISUAL, else by $EDITOR.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QUrl;

namespace tesmor {

// The two ways of starting a program, replaceable so that tests can see what would
// be started instead of starting it.
struct ProgramStarter {
  std::function<bool(const QUrl& url)> openUrl;  // the desktop's default application
  std::function<bool(const QString& program, const QStringList& arguments, const QString& folder)> startDetached;
};

// The starter in use (the desktop services and QProcess unless a test replaced it).
ProgramStarter& CurrentProgramStarter();

// Opens path; folder is the working folder of an editor started for it. False when
// nothing could be started (the caller shows message 4032).
bool OpenTextFile(const QString& path, const QString& folder);

}  // namespace tesmor
