#include "app/TextFileLauncher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace tesmor {

ProgramStarter& CurrentProgramStarter() {
  static ProgramStarter starter{
      [](const QUrl& url) { return QDesktopServices::openUrl(url); },
      [](const QString& program, const QStringList& arguments, const QString& folder) {
        return QProcess::startDetached(program, arguments, folder);
      },
  };
  return starter;
}

bool OpenTextFile(const QString& path, const QString& folder) {
  ProgramStarter& starter = CurrentProgramStarter();
  if (starter.openUrl(QUrl::fromLocalFile(path))) return true;
  for (const char* variable : {"VISUAL", "EDITOR"}) {
    // The variable may hold options after the program ("emacs -nw").
    QStringList command = QProcess::splitCommand(qEnvironmentVariable(variable));
    if (command.isEmpty()) continue;
    const QString program = command.takeFirst();
    if (starter.startDetached(program, command << path, folder)) return true;
  }
  return false;
}

}  // namespace tesmor
