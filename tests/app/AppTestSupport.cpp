#include "AppTestSupport.h"

#include <QColor>
#include <QDir>
#include <QProcess>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/AppMessages.h"
#include "app/ProcessSetup.h"
#include "draw/PatternCatalogue.h"
#include "settings/FontSettings.h"
#include "settings/Settings.h"
#include "support/TestSupport.h"

namespace tesmor::test {

namespace {
constexpr int kInkLevel = 160;   // grey below it is ink
constexpr int kMarkLevel = 240;  // grey below it is a mark on the paper
}  // namespace

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

bool IsInk(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < kInkLevel; }

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

QString KeepFolder(const char* variable) {
  const QByteArray keep = qgetenv(variable);
  if (keep.isEmpty()) return QString::fromStdString(MakeTempFolder());
  const QString dir = QString::fromLocal8Bit(keep);
  QDir().mkpath(dir);
  return dir;
}

void UseDefaultSheetSettings(Workspace& workspace) {
  EnsureGuiApplication();
  ApplyDefaultSettings(workspace.settingsStore.settings);
  LoadFonts(workspace.settingsStore.settings.fonts, MakeTempFolder());
  LoadBuiltInPatternColours(workspace.settingsStore.patternColours);
}

QImage RasteriseSvg(const QString& svgPath, const QSize& size, QString* error) {
  const QString pngPath = svgPath + ".rsvg.png";
  QProcess rsvg;
  rsvg.start("rsvg-convert", {"-b", "white", "-w", QString::number(size.width()), "-h", QString::number(size.height()),
                              "-o", pngPath, svgPath});
  if (!rsvg.waitForFinished(120000) || rsvg.exitStatus() != QProcess::NormalExit || rsvg.exitCode() != 0) {
    *error = "rsvg-convert (librsvg2-bin, scripts/setup.sh) could not render " + svgPath + ": " + rsvg.errorString() +
             " " + QString::fromLocal8Bit(rsvg.readAllStandardError());
    return QImage();
  }
  return QImage(pngPath);
}

namespace {

// Pixels of an image darker than a grey level, one byte per pixel (1 darker, 0 not).
std::vector<unsigned char> DarkerThan(const QImage& image, int level) {
  const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
  std::vector<unsigned char> mask(static_cast<std::size_t>(grey.width()) * grey.height());
  for (int y = 0; y < grey.height(); ++y) {
    const uchar* row = grey.constScanLine(y);
    for (int x = 0; x < grey.width(); ++x) mask[static_cast<std::size_t>(y) * grey.width() + x] = row[x] < level;
  }
  return mask;
}

// The mask grown by radius pixels along rows (across) or columns.
std::vector<unsigned char> GrownAlong(const std::vector<unsigned char>& mask, int width, int height, int radius,
                                      bool across) {
  std::vector<unsigned char> grown(mask.size());
  const int length = across ? width : height;
  const auto at = [&](int x, int y) { return static_cast<std::size_t>(y) * width + x; };
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int here = across ? x : y;
      unsigned char any = 0;
      for (int d = std::max(0, here - radius); d <= std::min(length - 1, here + radius) && !any; ++d) {
        any = mask[across ? at(d, y) : at(x, d)];
      }
      grown[at(x, y)] = any;
    }
  }
  return grown;
}

// The mask grown by radius pixels in every direction (a square neighbourhood).
std::vector<unsigned char> Grown(const std::vector<unsigned char>& mask, int width, int height, int radius) {
  return GrownAlong(GrownAlong(mask, width, height, radius, true), width, height, radius, false);
}

}  // namespace

InkBeyond InkNotIn(const QImage& shown, const QImage& reference, int radius, QImage* marks, QRgb mark) {
  InkBeyond beyond;
  if (shown.size() != reference.size()) {
    beyond.pixels = -1;
    return beyond;
  }
  const int width = shown.width();
  const std::vector<unsigned char> ink = DarkerThan(shown, kInkLevel);
  const std::vector<unsigned char> near = Grown(DarkerThan(reference, kMarkLevel), width, shown.height(), radius);
  for (std::size_t i = 0; i < ink.size(); ++i) {
    if (ink[i] && !near[i]) {
      const int x = static_cast<int>(i % width);
      const int y = static_cast<int>(i / width);
      ++beyond.pixels;
      beyond.bounds |= QRect(x, y, 1, 1);
      if (marks != nullptr) marks->setPixel(x, y, mark);
    }
  }
  return beyond;
}

}  // namespace tesmor::test
