// The one QApplication of an app test process (offscreen platform).
#pragma once

#include <QApplication>
#include <cstdlib>

namespace tesmor::test {

inline QApplication& TestApp() {
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "tesmor_tests_app";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace tesmor::test
