// The main window's place, size and bars, kept from one run to the next with
// QSettings under "Local AppWizard-Generated Applications/Tesmor", group "Settings".
#pragma once

class QMainWindow;

namespace tesmor {

// Puts the window back where the last run left it; false when nothing was stored
// (the window keeps the size it was given).
bool RestoreWindowState(QMainWindow& window);

// Stores the window's geometry, the tool bar's place and whether the bars are shown.
void SaveWindowState(const QMainWindow& window);

}  // namespace tesmor
