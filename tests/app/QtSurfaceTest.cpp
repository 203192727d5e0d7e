#include "app/QtSurface.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <memory>

#include "AppTestSupport.h"

namespace tesmor {
namespace {

// Ink bounds of an image (empty when nothing was drawn).
QRect InkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (test::IsInk(image, x, y)) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

LogFont Mincho(int height, int escapement = 0) {
  LogFont f;
  f.height = height;
  f.escapement = escapement;
  f.charSet = SHIFTJIS_CHARSET;
  f.faceName = "ＭＳ 明朝";
  return f;
}

class QtSurfaceTest : public ::testing::Test {
 protected:
  QtSurfaceTest() {
    test::EnsureGuiApplication();
    Restart();
  }
  // A fresh white 400 × 400 image at 96 dpi and a surface on it.
  void Restart() {
    surface.reset();
    painter.reset();
    image = QImage(400, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    painter = std::make_unique<QPainter>(&image);
    surface = std::make_unique<QtSurface>(*painter);
  }
  QImage& Finish() {
    surface.reset();
    painter.reset();
    return image;
  }
  QImage image;
  std::unique_ptr<QPainter> painter;
  std::unique_ptr<QtSurface> surface;
};

TEST_F(QtSurfaceTest, WindowsFacesAreDrawnWithIpaFonts) {
  EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8("ＭＳ 明朝"))).family(), "IPAMincho");
  EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8("ＭＳ ゴシック"))).family(), "IPAGothic");
  ASSERT_TRUE(surface->SelectFont(Mincho(40)));
  EXPECT_EQ(surface->Font().family(), "IPAMincho");
}

TEST_F(QtSurfaceTest, CellHeightAndShiftJisByteWidths) {
  ASSERT_TRUE(surface->SelectFont(Mincho(40)));
  EXPECT_EQ(surface->Metrics().height, 40);
  // A Shift_JIS byte is half the cell height wide, as the recording surface assumes.
  EXPECT_NEAR(surface->TextExtent("地質").cx, 80, 1);
  EXPECT_NEAR(surface->TextExtent("N=12").cx, 80, 1);
  EXPECT_NEAR(surface->TextExtent("ｶﾅ").cx, 40, 1);
  EXPECT_FALSE(surface->SelectFont(Mincho(40000)));
  EXPECT_NEAR(surface->Metrics().height, 40, 1);  // the previous font stays
}

TEST_F(QtSurfaceTest, TextIsPlacedByItsAlignment) {
  struct Case {
    unsigned align;
    bool left, right, above, below;  // ink on that side of the reference point
  };
  const Case cases[] = {
      {TA_LEFT | TA_TOP, false, true, false, true},
      {TA_RIGHT | TA_BOTTOM, true, false, true, false},
      {TA_CENTER | TA_BASELINE, true, true, true, false},
  };
  for (const Case& c : cases) {
    Restart();
    surface->SelectFont(Mincho(40));
    surface->SetTextAlign(c.align);
    surface->TextOut(200, 200, "N=12");  // sits on the baseline
    const QRect ink = InkBounds(Finish());
    ASSERT_FALSE(ink.isEmpty()) << c.align;
    EXPECT_EQ(ink.left() < 200, c.left) << c.align;
    EXPECT_EQ(ink.right() > 200, c.right) << c.align;
    EXPECT_EQ(ink.top() < 200, c.above) << c.align;
    EXPECT_EQ(ink.bottom() > 201, c.below) << c.align;
    EXPECT_GT(ink.width(), 60) << c.align;
  }
}

TEST_F(QtSurfaceTest, EscapementTurnsTextCounterClockwise) {
  surface->SelectFont(Mincho(30, 900));
  surface->SetTextAlign(TA_LEFT | TA_BASELINE);
  surface->TextOut(200, 300, "地質柱状図");
  const QRect ink = InkBounds(Finish());
  EXPECT_GT(ink.height(), 120);
  EXPECT_LT(ink.width(), 40);
  EXPECT_LE(ink.bottom(), 301);  // runs upwards from the point
  EXPECT_LE(ink.right(), 201);   // with its top to the left
}

TEST_F(QtSurfaceTest, PensAndColours) {
  surface->Line(10, 10, 390, 10, Pen{PS_DASH, 3, 0});     // wide: solid
  surface->Line(10, 50, 390, 50, Pen{PS_DASH, 1, 0});     // thin: dashed
  surface->Line(10, 90, 390, 90, Pen{PS_NULL, 1, 0});     // null: nothing
  surface->Line(10, 130, 390, 130, Pen{PS_SOLID, 0, 0});  // width 0: one pixel
  surface->Rectangle(PxRect{10, 200, 110, 300}, Pen{PS_NULL, 1, 0}, Brush::Solid(0x0000FF));
  const QImage& out = Finish();
  EXPECT_NEAR(test::LongestInkRun(out, QRect(0, 8, 400, 5), false), 381, 1);
  EXPECT_LT(test::LongestInkRun(out, QRect(0, 50, 400, 1), false), 30);
  EXPECT_GT(test::LongestInkRun(out, QRect(0, 50, 400, 1), false), 10);
  EXPECT_EQ(test::LongestInkRun(out, QRect(0, 85, 400, 10), false), 0);
  EXPECT_EQ(test::LongestInkRun(out, QRect(200, 120, 1, 20), true), 1);
  EXPECT_EQ(out.pixelColor(60, 250), QColor(255, 0, 0));  // 0x0000FF is red
}

TEST_F(QtSurfaceTest, ArcsFollowTheArcDirection) {
  const PxRect box{100, 100, 300, 300};
  for (int direction : {AD_COUNTERCLOCKWISE, AD_CLOCKWISE}) {
    Restart();
    surface->SetArcDirection(direction);
    surface->Arc(box, PxPoint{300, 200}, PxPoint{200, 100}, Pen{PS_SOLID, 3, 0});
    const QImage& out = Finish();
    const bool upperRight = test::LongestInkRun(out, QRect(215, 95, 90, 90), true) > 0;
    const bool lowerLeft = test::LongestInkRun(out, QRect(95, 215, 90, 90), true) > 0;
    EXPECT_EQ(upperRight, direction == AD_COUNTERCLOCKWISE) << direction;
    EXPECT_EQ(lowerLeft, direction == AD_CLOCKWISE) << direction;
  }
}

TEST_F(QtSurfaceTest, ClipsNestAndRestore) {
  const Brush black = Brush::Solid(0);
  const Pen none{PS_NULL, 1, 0};
  surface->PushClip(PxRect{0, 0, 100, 100});
  surface->PushClip(PxRect{50, 50, 200, 200});
  surface->Rectangle(PxRect{0, 0, 400, 400}, none, black);  // only 50..100
  surface->PopClip();
  surface->Rectangle(PxRect{0, 0, 20, 400}, none, black);  // only 0..100 down
  surface->PopClip();
  surface->Rectangle(PxRect{300, 300, 400, 400}, none, black);
  const QImage& out = Finish();
  EXPECT_TRUE(test::IsInk(out, 75, 75));
  EXPECT_FALSE(test::IsInk(out, 150, 150));
  EXPECT_FALSE(test::IsInk(out, 40, 40));
  EXPECT_TRUE(test::IsInk(out, 10, 90));
  EXPECT_FALSE(test::IsInk(out, 10, 150));
  EXPECT_TRUE(test::IsInk(out, 350, 350));
}

TEST_F(QtSurfaceTest, TextBoxClipsUnlessTold) {
  for (unsigned noClip : {0u, DT_NOCLIP}) {
    Restart();
    surface->SelectFont(Mincho(40));
    PxRect box{100, 100, 150, 200};
    surface->DrawTextBox(box, "地質柱状図", DT_SINGLELINE | noClip);
    const QRect ink = InkBounds(Finish());
    EXPECT_GT(ink.left(), 99);
    EXPECT_EQ(ink.right() > 150, noClip != 0);
  }
}

}  // namespace
}  // namespace tesmor
