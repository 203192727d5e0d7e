#include "app/WindowState.h"

#include <QMainWindow>
#include <QSettings>
#include <QStatusBar>

namespace tesmor {

namespace {
QSettings WindowStore() {
  return QSettings(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Tesmor"));
}
}  // namespace

bool RestoreWindowState(QMainWindow& window) {
  const QSettings store = WindowStore();
  const QByteArray geometry = store.value(QStringLiteral("Settings/WindowGeometry")).toByteArray();
  if (geometry.isEmpty() || !window.restoreGeometry(geometry)) return false;
  window.restoreState(store.value(QStringLiteral("Settings/WindowState")).toByteArray());
  window.statusBar()->setVisible(store.value(QStringLiteral("Settings/StatusBar"), true).toBool());
  return true;
}

void SaveWindowState(const QMainWindow& window) {
  QSettings store = WindowStore();
  store.setValue(QStringLiteral("Settings/WindowGeometry"), window.saveGeometry());
  store.setValue(QStringLiteral("Settings/WindowState"), window.saveState());
  store.setValue(QStringLiteral("Settings/StatusBar"), !window.statusBar()->isHidden());
}

}  // namespace tesmor
