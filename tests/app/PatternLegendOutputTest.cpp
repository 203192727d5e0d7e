#include "app/PatternLegendOutput.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include "AppTestSupport.h"
#include "draw/PatternCatalogue.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

std::vector<PatternLegendEntry> BuiltInEntries() {
  PatternColourTable colours;
  LoadBuiltInPatternColours(colours);
  return PatternLegendEntries(DefaultPatternCatalogueRows(), colours);
}

class PatternLegendOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureGuiApplication();
    dir = QString::fromStdString(test::MakeTempFolder());
  }
  QString dir;
  QString error;
};

TEST_F(PatternLegendOutput, PdfHoldsEveryPageOnA4AndStaysSmall) {
  const std::vector<PatternLegendEntry> entries = BuiltInEntries();
  const QString path = dir + "/legend.pdf";
  ASSERT_TRUE(WritePatternLegend(path, PageFileType::Pdf, 300, entries, &error)) << error.toStdString();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_LT(bytes.size(), 3 * 1024 * 1024);
  const QString pdf = QString::fromLatin1(bytes);
  EXPECT_EQ(pdf.count(QRegularExpression("/Type /Page(?!s)")), PatternLegendPageCount(entries));
  const QRegularExpressionMatch box =
      QRegularExpression(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])").match(pdf);
  ASSERT_TRUE(box.hasMatch());
  EXPECT_NEAR(box.captured(1).toDouble(), 210.0 / 25.4 * 72, 1.0);
  EXPECT_NEAR(box.captured(2).toDouble(), 297.0 / 25.4 * 72, 1.0);
}

// One PNG per page; the first pattern box (100 礫, brown) holds ink of its colour.
TEST_F(PatternLegendOutput, PngPagesShowThePatternsInTheirColours) {
  const std::vector<PatternLegendEntry> entries = BuiltInEntries();
  const int dpi = 100;
  ASSERT_TRUE(WritePatternLegend(dir + "/legend.png", PageFileType::Png, dpi, entries, &error))
      << error.toStdString();
  const int pages = PatternLegendPageCount(entries);
  for (int page = 1; page <= pages; ++page) {
    EXPECT_TRUE(QFile::exists(dir + QString("/legend-%1.png").arg(page))) << page;
  }
  EXPECT_FALSE(QFile::exists(dir + QString("/legend-%1.png").arg(pages + 1)));
  const QImage first(dir + "/legend-1.png");
  ASSERT_FALSE(first.isNull());
  EXPECT_NEAR(first.width(), 210.0 / 25.4 * dpi, 1.0);
  const PatternLegendPlace place = PatternLegendLayout(entries)[1];
  ASSERT_EQ(entries[place.entry].pattern, 100);
  const auto px = [dpi](double mm) { return static_cast<int>(mm * dpi / 25.4); };
  const PatternLegendBox box = LegendPatternBox(place);
  int brown = 0;
  for (int y = px(box.y1 * 10.0) + 2; y < px(box.y2 * 10.0) - 1; ++y) {
    for (int x = px(box.x1) + 2; x < px(box.x2) - 1; ++x) {
      const QColor c = first.pixelColor(x, y);
      if (c.red() > c.blue() + 60 && c.red() < 0xC0 && c.green() < 0x90) ++brown;
    }
  }
  EXPECT_GT(brown, 50);
}

}  // namespace
}  // namespace tesmor
