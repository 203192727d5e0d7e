#include "app/PageOutput.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "AppTestSupport.h"
#include "draw/CalibrationPage.h"
#include "draw/Canvas.h"
#include "draw/DrawOps.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

void DrawCalibration(Surface& surface, int /*page*/) {
  PageTransform transform;
  SharedTextFont font;
  Canvas dc{surface, transform, font};
  DrawCalibrationPage(dc);
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Device pixels of a paper position in millimetres at a resolution.
int Px(double mm, int dpi) { return static_cast<int>(mm * dpi / 25.4); }

// Measures both 100 mm rulers of a calibration page rasterised at dpi, in pixels.
void ExpectRulersOf100Mm(const QImage& page, int dpi, const char* what) {
  ASSERT_FALSE(page.isNull()) << what;
  const double margin = kCalibrationMarginMm;
  const int baseline = Px(margin + kRulerYCm * 10.0, dpi);
  const QRect across(0, baseline - 3, Px(margin + kRulerLeftMm + 101.0, dpi), 7);
  const int verticalX = Px(margin + 185.0, dpi);
  const QRect down(verticalX - 3, 0, 7, Px(margin + 140.0, dpi));
  const double expected = 100.0 * dpi / 25.4;
  EXPECT_NEAR(test::LongestInkRun(page, across, false), expected, 1.5) << what << " across";
  EXPECT_NEAR(test::LongestInkRun(page, down, true), expected, 1.5) << what << " down";
}

class PageOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureGuiApplication();
    dir = QString::fromStdString(test::MakeTempFolder());
  }
  QString dir;
  PageOutputOptions options;
  QString error;
};

TEST_F(PageOutput, PngRulerMeasures100MmAtEveryResolution) {
  for (int dpi : {300, 96}) {
    options.dpi = dpi;
    const QString path = dir + "/calibration.png";
    ASSERT_TRUE(WritePngPages(path, {1}, DrawCalibration, options, &error)) << error.toStdString();
    const QImage png(path);
    EXPECT_EQ(png.size(), dpi == 300 ? QSize(3508, 4961) : QSize(1123, 1587));  // A3 portrait
    EXPECT_EQ(png.dotsPerMeterX(), std::lround(dpi / 0.0254));
    ExpectRulersOf100Mm(png, dpi, dpi == 300 ? "png 300" : "png 96");
  }
}

TEST_F(PageOutput, SvgRulerMeasures100Mm) {
  const QString path = dir + "/calibration.svg";
  ASSERT_TRUE(WriteSvgPages(path, {1}, DrawCalibration, options, &error)) << error.toStdString();
  const QString svg = QString::fromUtf8(ReadFile(path));
  const QRegularExpressionMatch size =
      QRegularExpression(R"re(<svg width="([0-9.]+)mm" height="([0-9.]+)mm"\s+viewBox="0 0 ([0-9.]+) ([0-9.]+)")re")
          .match(svg);
  ASSERT_TRUE(size.hasMatch()) << svg.left(300).toStdString();
  EXPECT_NEAR(size.captured(1).toDouble(), 297.0, 0.1);  // A3 portrait
  EXPECT_NEAR(size.captured(2).toDouble(), 420.0, 0.1);
  const double mmPerUnit = size.captured(1).toDouble() / size.captured(3).toDouble();
  EXPECT_NEAR(mmPerUnit, size.captured(2).toDouble() / size.captured(4).toDouble(), 1e-6);
  EXPECT_TRUE(svg.contains("font-family=\"IPAMincho\""));

  // The rulers are the lines that start at their zero mark.
  const int x0 = Px(kCalibrationMarginMm + kRulerLeftMm, options.dpi);
  const int y0 = Px(kCalibrationMarginMm + kRulerYCm * 10.0, options.dpi);
  const int xDown = Px(kCalibrationMarginMm + 185.0, options.dpi);
  double across = 0.0;
  double down = 0.0;
  const QRegularExpression line(R"re(M(\d+) (\d+)([HV])(\d+))re");
  for (const QRegularExpressionMatch& m : line.globalMatch(svg)) {
    const int x = m.captured(1).toInt(), y = m.captured(2).toInt(), to = m.captured(4).toInt();
    if (m.captured(3) == "H" && x == x0 && y == y0) across = std::max(across, (to - x) * mmPerUnit);
    if (m.captured(3) == "V" && x == xDown && y == y0) down = std::max(down, (to - y) * mmPerUnit);
  }
  EXPECT_NEAR(across, 100.0, 0.1);
  EXPECT_NEAR(down, 100.0, 0.1);
}

TEST_F(PageOutput, PdfIsA3WithEveryPageAndRulerMeasures100Mm) {
  const QString path = dir + "/calibration.pdf";
  ASSERT_TRUE(WritePdf(path, {1, 2, 3}, DrawCalibration, options, &error)) << error.toStdString();
  const QString pdf = QString::fromLatin1(ReadFile(path));
  EXPECT_EQ(pdf.count(QRegularExpression("/Type /Page(?!s)")), 3);
  const QRegularExpressionMatch box =
      QRegularExpression(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])").match(pdf);
  ASSERT_TRUE(box.hasMatch());
  EXPECT_NEAR(box.captured(1).toDouble(), 297.0 / 25.4 * 72, 1.0);
  EXPECT_NEAR(box.captured(2).toDouble(), 420.0 / 25.4 * 72, 1.0);

  QProcess raster;
  raster.start("pdftoppm", {"-r", "300", "-f", "1", "-l", "1", "-aa", "no", "-aaVector", "no",
                            "-W", "2500", "-H", "2000", "-png", path, dir + "/raster"});
  if (!raster.waitForFinished(60000) || raster.exitCode() != 0) {
    GTEST_SKIP() << "pdftoppm is not available to rasterise the PDF";
  }
  ExpectRulersOf100Mm(QImage(dir + "/raster-1.png"), 300, "pdf");
}

TEST_F(PageOutput, OnePageFilePerPage) {
  EXPECT_EQ(PageFilePath("out.svg", 3, 1), "out.svg");
  EXPECT_EQ(PageFilePath("dir.v2/out.svg", 3, 4), "dir.v2/out-3.svg");
  EXPECT_EQ(PageFilePath("dir.v2/out", 12, 20), "dir.v2/out-12");
  options.dpi = 20;
  std::vector<int> drawn;
  const PageDrawer record = [&](Surface& s, int page) {
    drawn.push_back(page);
    EXPECT_EQ(s.DpiX(), 20);
  };
  ASSERT_TRUE(WritePngPages(dir + "/p.png", {2, 5}, record, options, &error));
  EXPECT_EQ(drawn, (std::vector<int>{2, 5}));
  EXPECT_TRUE(QFile::exists(dir + "/p-2.png"));
  EXPECT_TRUE(QFile::exists(dir + "/p-5.png"));
  EXPECT_FALSE(QFile::exists(dir + "/p.png"));
}

TEST_F(PageOutput, PrinterGetsEveryPageAtItsResolution) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir + "/printed.pdf");
  std::vector<int> drawn;
  const PageDrawer record = [&](Surface& s, int page) {
    drawn.push_back(page);
    EXPECT_EQ(s.DpiX(), printer.resolution());
    DrawCalibration(s, page);
  };
  ASSERT_TRUE(PrintPages(printer, {4, 5}, record, &error)) << error.toStdString();
  EXPECT_EQ(drawn, (std::vector<int>{4, 5}));
  const QString pdf = QString::fromLatin1(ReadFile(dir + "/printed.pdf"));
  EXPECT_EQ(pdf.count(QRegularExpression("/Type /Page(?!s)")), 2);
}

TEST_F(PageOutput, UnwritableFileFailsWithAMessageAndLeavesNothing) {
  const QString path = dir + "/missing/out.pdf";
  EXPECT_FALSE(WritePdf(path, {1}, DrawCalibration, options, &error));
  EXPECT_TRUE(error.contains("missing/out.pdf")) << error.toStdString();
  error.clear();
  EXPECT_FALSE(WriteSvgPages(path, {1}, DrawCalibration, options, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
}  // namespace tesmor
