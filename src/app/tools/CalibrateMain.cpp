// tesmor_calibrate OUTDIR [DPI]: writes the calibration page as calibration.pdf
// (A3 portrait), calibration.svg and calibration.png (DPI, default 300) into OUTDIR,
// to check that a 100 mm ruler comes out 100 mm long on every output.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "app/FontSetup.h"
#include "app/PageOutput.h"
#include "draw/CalibrationPage.h"
#include "draw/Canvas.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tesmor_calibrate OUTDIR [DPI]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  tesmor::InstallJapaneseFontSubstitutes();

  const QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  tesmor::PageOutputOptions options;
  const tesmor::PageDrawer draw = [](tesmor::Surface& surface, int) {
    tesmor::PageTransform transform;
    tesmor::SharedTextFont font;
    tesmor::Canvas dc{surface, transform, font};
    tesmor::DrawCalibrationPage(dc);
  };
  QString error;
  bool ok = tesmor::WritePdf(dir.filePath("calibration.pdf"), {1}, draw, options, &error) &&
            tesmor::WriteSvgPages(dir.filePath("calibration.svg"), {1}, draw, options, &error);
  if (ok && argc > 2) options.dpi = std::atoi(argv[2]);
  ok = ok && options.dpi > 0 &&
       tesmor::WritePngPages(dir.filePath("calibration.png"), {1}, draw, options, &error);
  if (!ok) {
    std::fprintf(stderr, "%s\n", qPrintable(error.isEmpty() ? QStringLiteral("bad DPI") : error));
    return 1;
  }
  return 0;
}
