// The program's registry: QSettings under the organisation "Local AppWizard-Generated
// Applications", application "Tesmor" (recent files, printer setup, window state).
#pragma once

#include <QSettings>

namespace tesmor {

inline QSettings ProgramRegistry() {
  return QSettings(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Tesmor"));
}

}  // namespace tesmor
