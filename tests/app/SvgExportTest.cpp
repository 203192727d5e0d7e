// SVG pages as an SVG renderer of its own (rsvg-convert) shows them, against the PNG
// export of the same page: the sheet's clipping holds, nothing is lost, and the
// file says what it is. With TESMOR_SVG_DIR set, the pages and their renderings
// are kept there for a look.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QXmlStreamReader>
#include <cstdio>

#include "AppTestSupport.h"
#include "app/PageOutput.h"
#include "app/PageRenderer.h"
#include "app/SvgSurface.h"
#include "app/Workspace.h"
#include "readers/DataLoader.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

constexpr int kDpi = 150;
// How far (pixels) the renderers may place an edge apart: a smoothed edge of a
// one-pixel line covers the pixels on both sides of it, glyph outlines differ a little.
constexpr int kEdgeTolerance = 2;

QString Describe(const test::InkBeyond& ink) {
  return QString("%1 px in (%2,%3)-(%4,%5)")
      .arg(ink.pixels)
      .arg(ink.bounds.left())
      .arg(ink.bounds.top())
      .arg(ink.bounds.right())
      .arg(ink.bounds.bottom());
}

class SvgExport : public ::testing::Test {
 protected:
  void SetUp() override {
    test::UseDefaultSheetSettings(ws);
    dir = test::KeepFolder("TESMOR_SVG_DIR");
    options.dpi = kDpi;
  }

  Workspace ws;
  PageOutputOptions options;
  QString dir;
  QString error;
};

TEST_F(SvgExport, PagesOfRealBoringsShowWhatThePngShows) {
  struct Case {
    const char* fixture;
    int page;
    const char* what;
  };
  const Case cases[] = {
      // 55 m of rock with Lugeon tests: the P-Q diagrams, the core graph and the
      // drilling columns of the last tests run past the bottom of pages 1 and 2.
      {"BOREHOLE_FUKUI_18000234650901407-BED0001.utf8.xml", 1, "deep rock, page 1"},
      {"BOREHOLE_FUKUI_18000234650901407-BED0001.utf8.xml", 2, "deep rock, Lugeon at the bottom"},
      {"BOREHOLE_FUKUI_18000234650901407-BED0001.utf8.xml", 3, "deep rock, last page"},
      // Soil with SPT rows down to 29 m: page 2 starts under rows of page 1.
      {"BOREHOLE_FUKUI_BED10418000011128.utf8.xml", 2, "soil with SPT, page 2"},
      // 83 m of soil: patterns and descriptions that cross both page edges.
      {"CBRDB_BEDCB0185336020750005.utf8.xml", 2, "deep soil, page 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(
        LoadBoringFile(test::FixturePath(std::string("real/") + c.fixture), OpenPath::FileMenu, ws.record, ws.shell)
            .loaded());
    const QString name = QString("%1-%2").arg(QFileInfo(c.fixture).baseName()).arg(c.page);
    const PageDrawer draw = [&](Surface& surface, int number) {
      EXPECT_TRUE(RenderPage(surface, ws, true, number).empty());
    };
    ASSERT_TRUE(WritePngPages(dir + "/" + name + ".png", {c.page}, draw, options, &error)) << error.toStdString();
    ASSERT_TRUE(WriteSvgPages(dir + "/" + name + ".svg", {c.page}, draw, options, &error)) << error.toStdString();
    const QImage png(dir + "/" + name + ".png");
    const QImage svg = test::RasteriseSvg(dir + "/" + name + ".svg", png.size(), &error);
    ASSERT_FALSE(svg.isNull()) << error.toStdString();

    // The PNG faint, with what only the SVG draws in blue and what it lacks in red.
    QImage marks = png.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < marks.height(); ++y) {
      for (int x = 0; x < marks.width(); ++x) {
        const int grey = 255 - (255 - qGray(marks.pixel(x, y))) / 4;
        marks.setPixel(x, y, qRgb(grey, grey, grey));
      }
    }
    const test::InkBeyond extra = test::InkNotIn(svg, png, kEdgeTolerance, &marks, qRgb(0, 0, 255));
    const test::InkBeyond lost = test::InkNotIn(png, svg, kEdgeTolerance, &marks, qRgb(255, 0, 0));
    if (!qEnvironmentVariableIsEmpty("TESMOR_SVG_DIR")) marks.save(dir + "/" + name + ".marks.png");
    std::printf("[ svg ink ] %s: beyond the PNG %s; PNG ink missing %s\n", c.what, qPrintable(Describe(extra)),
                qPrintable(Describe(lost)));
    EXPECT_LE(extra.pixels, 20) << "SVG ink that the PNG lacks: " << Describe(extra).toStdString();
    EXPECT_LE(lost.pixels, 20) << "PNG ink that the SVG lacks: " << Describe(lost).toStdString();
  }
}

// Draws a few marks on a fresh SVG page, renders it and returns the image.
template <typename Draw>
QImage RenderSvg(const QString& path, QSize pixels, Draw draw, QString* error) {
  SvgSurface svg(SvgPage{QSizeF(pixels.width() * 25.4 / 96, pixels.height() * 25.4 / 96), 96, "test"});
  draw(svg);
  const std::string& document = svg.Finish();
  if (!test::WriteAll(path.toStdString(), document)) return QImage();
  return test::RasteriseSvg(path, pixels, error);
}

TEST_F(SvgExport, ClipsNestAndRestore) {
  const Brush black = Brush::Solid(0);
  const Pen none{PS_NULL, 1, 0};
  const Pen thin{PS_SOLID, 1, 0};
  const QImage out = RenderSvg(
      dir + "/clips.svg", QSize(400, 400),
      [&](SvgSurface& s) {
        s.PushClip(PxRect{0, 0, 100, 100});
        s.PushClip(PxRect{200, 200, 50, 50});              // given the wrong way round
        s.Rectangle(PxRect{0, 0, 400, 400}, none, black);  // only 50..100
        s.PopClip();
        s.Line(10, 0, 10, 400, thin);          // only 0..100 down
        s.PushClip(PxRect{300, 0, 400, 400});  // nothing drawn under it
        s.PopClip();
        s.PopClip();
        s.Line(20, 300, 200, 300, thin);
        s.PushClip(PxRect{300, 300, 400, 400});  // still pushed at the end
        s.Rectangle(PxRect{0, 300, 400, 400}, none, black);
      },
      &error);
  ASSERT_FALSE(out.isNull()) << error.toStdString();
  EXPECT_TRUE(test::IsInk(out, 75, 75));
  EXPECT_FALSE(test::IsInk(out, 150, 150));
  EXPECT_FALSE(test::IsInk(out, 40, 40));
  EXPECT_TRUE(test::IsInk(out, 10, 90));
  EXPECT_FALSE(test::IsInk(out, 10, 150));
  EXPECT_TRUE(test::IsInk(out, 100, 300));
  EXPECT_TRUE(test::IsInk(out, 350, 350));
  EXPECT_FALSE(test::IsInk(out, 250, 350));
}

TEST_F(SvgExport, PageCarriesItsTitlePaperAndText) {
  options.pageSize = QPageSize(QPageSize::A4);
  options.orientation = QPageLayout::Landscape;
  options.title = "No.1 <B&C>";
  const std::string awkward = "地質 & <柱状図>\x01\x1b\tend";
  const PageDrawer draw = [&](Surface& s, int) {
    LogFont font;
    font.height = 40;
    font.faceName = "ＭＳ 明朝";
    s.SelectFont(font);
    s.TextOut(100, 100, awkward);
    s.PushClip(PxRect{0, 0, 50, 50});
    s.TextOut(10, 10, "試料");
  };
  const QString path = dir + "/page.svg";
  ASSERT_TRUE(WriteSvgPages(path, {1}, draw, options, &error)) << error.toStdString();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  QString title;
  QStringList texts;
  QXmlStreamAttributes root;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("svg")) root = xml.attributes();
    if (xml.name() == QLatin1String("title")) title = xml.readElementText();
    if (xml.name() == QLatin1String("text")) texts << xml.readElementText();
  }
  ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(title, "No.1 <B&C>");
  EXPECT_EQ(root.value("width").toString(), "297mm");
  EXPECT_EQ(root.value("height").toString(), "210mm");
  EXPECT_EQ(texts, QStringList({"地質 & <柱状図>\tend", "試料"}));
}

}  // namespace
}  // namespace tesmor
