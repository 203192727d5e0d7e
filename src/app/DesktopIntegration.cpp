#include "app/DesktopIntegration.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The resource's initialiser lives in the global namespace.
static void InitIconResource() { Q_INIT_RESOURCE(tesmor); }

namespace tesmor {

QIcon ProgramIcon() {
  InitIconResource();
  return QIcon::fromTheme(QString::fromLatin1(kDesktopFileName), QIcon(QStringLiteral(":/tesmor/tesmor.svg")));
}

bool InstallJapaneseTranslations(QCoreApplication& app) {
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  QLocale::setDefault(japanese);
  auto* translator = new QTranslator(&app);
  // "qt_ja" gathers the catalogues of every Qt module that has one (qtbase_ja ...).
  if (!translator->load(japanese, QStringLiteral("qt"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

void SetUpDesktopApplication(QApplication& app) {
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
  QApplication::setWindowIcon(ProgramIcon());
  InstallJapaneseTranslations(app);
}

}  // namespace tesmor
