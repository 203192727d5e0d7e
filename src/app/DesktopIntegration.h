// What makes the window program a desktop application: its icon, its desktop
// entry, and Japanese texts in Qt's own dialogs whatever the user's locale.
#pragma once

class QApplication;
class QCoreApplication;
class QIcon;

namespace tesmor {

// The desktop entry's name (tesmor.desktop) without its suffix.
inline constexpr const char* kDesktopFileName = "tesmor";

// The program icon: the installed theme icon "tesmor", else the copy built into
// the program.
QIcon ProgramIcon();

// Loads Qt's Japanese translations (print, page-setup, file and message dialogs,
// standard buttons) and makes Japanese the default locale. False when the
// translation files are not installed; the program then runs with Qt's English
// dialog texts.
bool InstallJapaneseTranslations(QCoreApplication& app);

// Icon, desktop entry name and translations of the window program.
void SetUpDesktopApplication(QApplication& app);

}  // namespace tesmor
