// The one Qt application object of the benchmark process (offscreen platform unless
// the environment chose another), with the Japanese font substitutes installed.
#pragma once

#include <QGuiApplication>

#include "app/FontSetup.h"

namespace tesmor {

inline void EnsureBenchApp() {
  static int argc = 1;
  static char name[] = "tesmor_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
  InstallJapaneseFontSubstitutes();
}

}  // namespace tesmor
