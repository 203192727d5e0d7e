#include "app/WindowState.h"

#include <QMainWindow>
#include <QStatusBar>

#include "app/Registry.h"

namespace tesmor {

bool RestoreWindowState(QMainWindow& window) {
  const QSettings store = ProgramRegistry();
  const QByteArray geometry = store.value(QStringLiteral("Settings/WindowGeometry")).toByteArray();
  if (geometry.isEmpty() || !window.restoreGeometry(geometry)) return false;
  window.restoreState(store.value(QStringLiteral("Settings/WindowState")).toByteArray());
  window.statusBar()->setVisible(store.value(QStringLiteral("Settings/StatusBar"), true).toBool());
  return true;
}

void SaveWindowState(const QMainWindow& window) {
  QSettings store = ProgramRegistry();
  store.setValue(QStringLiteral("Settings/WindowGeometry"), window.saveGeometry());
  store.setValue(QStringLiteral("Settings/WindowState"), window.saveState());
  store.setValue(QStringLiteral("Settings/StatusBar"), !window.statusBar()->isHidden());
}

}  // namespace tesmor
