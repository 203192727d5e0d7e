#include "AppTestSupport.h"

#include <QColor>
#include <algorithm>
#include <cstdlib>

#include "app/AppMessages.h"
#include "app/ProcessSetup.h"

namespace tesmor::test {

QApplication& TestApp() {
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "tesmor_tests_app";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  SetUpQtProcess();
  return *app;
}

void EnsureGuiApplication() { TestApp(); }

void RecordMessages(QStringList& messages, bool answer) {
  CurrentMessagePresenter() = [&messages, answer](QWidget*, const QString& text, MessageButtons) {
    messages << text;
    return answer;
  };
}

bool IsInk(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 160; }

int LongestInkRun(const QImage& image, const QRect& band, bool vertical) {
  const QRect r = band.intersected(image.rect());
  int best = 0;
  const int lines = vertical ? r.width() : r.height();
  const int length = vertical ? r.height() : r.width();
  for (int i = 0; i < lines; ++i) {
    int run = 0;
    for (int j = 0; j < length; ++j) {
      const int x = vertical ? r.left() + i : r.left() + j;
      const int y = vertical ? r.top() + j : r.top() + i;
      run = IsInk(image, x, y) ? run + 1 : 0;
      best = std::max(best, run);
    }
  }
  return best;
}

}  // namespace tesmor::test
