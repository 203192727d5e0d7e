#include "draw/PageTransform.h"

#include <gtest/gtest.h>

#include <limits>

namespace tesmor {
namespace {

TEST(PageTransform, MapsTruncatesTowardZeroAndClamps) {
  const PageTransform t;  // xFactor 1, yFactor 10, yOrigin 11.5, headerUnit 10, pxPerMm 0
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double x;
    int px;
  };
  const Case xs[] = {{12.9, 12}, {-12.9, -12}, {-0.9, 0}, {32766.99, 32766}, {32767.5, 32767},
                     {40000.0, 32767}, {-32767.9, -32767}, {-40000.0, -32767}, {inf, 32767},
                     {-inf, -32767}, {1e300, 32767}};
  for (const Case& c : xs) EXPECT_EQ(MapX(t, c.x), c.px) << c.x;
  // MapY(y) = (11.5 + y) × 10 + 115.
  const Case ys[] = {{0.0, 230}, {1.25, 242}, {-23.05, 0}, {-23.25, -2}, {3300.0, 32767},
                     {-3300.0, -32767}};
  for (const Case& c : ys) EXPECT_EQ(MapY(t, c.x), c.px) << c.x;
}

TEST(PageTransform, DeviceResolutionGivesTrueMillimetres) {
  PageTransform t;
  t.horizontalScale = 200;
  SetDeviceResolution(t, 300, 600, 10.0, 7.0);
  EXPECT_DOUBLE_EQ(t.pxPerMmX, 300 / 25.4);
  EXPECT_DOUBLE_EQ(t.pxPerMmY, 600 / 25.4);
  EXPECT_DOUBLE_EQ(t.xFactor, 0.5 * 300 / 25.4);  // 1/200: half as long on paper
  EXPECT_EQ(MapX(t, 0.0), 118);                    // the 10 mm margin
  EXPECT_EQ(MapX(t, 200.0), 118 + 1181);          // 200 world mm = 100 mm of paper
  t.yFactor = 10.0 * t.pxPerMmY;  // centimetre system, heading band folded away
  t.headerUnit = t.yFactor;
  t.yOrigin = -11.5;
  EXPECT_EQ(MapY(t, 10.0) - MapY(t, 0.0), 2362);  // 100 mm at 600 dpi
}

TEST(PageTransform, UnmapInvertsMapAndRefusesTinyFactors) {
  PageTransform t;
  SetDeviceResolution(t, 300, 300, 5.0, 5.0);
  t.yFactor = 1000.0 / 100 * t.pxPerMmY;
  t.headerUnit = t.yFactor;
  t.yOrigin = -20.0;
  for (double x : {0.0, 17.3, 250.0}) EXPECT_NEAR(UnmapX(t, MapX(t, x)), x, 1.0 / t.xFactor);
  for (double y : {20.0, 23.7, 31.0}) EXPECT_NEAR(UnmapY(t, MapY(t, y)), y, 1.0 / t.yFactor);

  PageTransform zero;
  zero.xFactor = 0.0;
  zero.yFactor = 0.0;
  EXPECT_EQ(UnmapX(zero, 500), 0.0);
  EXPECT_EQ(UnmapY(zero, 500), 0.0);
  zero.xFactor = 0.0001;
  zero.yFactor = -3.0;
  EXPECT_EQ(UnmapX(zero, 500), 0.0);
  EXPECT_EQ(UnmapY(zero, 500), 0.0);
}

TEST(PageTransform, CentimetreYOfADepth) {
  PageTransform t;
  t.depthScale = 200;
  SetDeviceResolution(t, 300, 300, 5.0, 5.0);
  t.yFactor = 1000.0 / t.depthScale * t.pxPerMmY;  // depth system, page top 10 m
  t.headerUnit = t.yFactor;
  t.yOrigin = -10.0;
  // 2 m below the page top at 1/200 is 1 cm of paper, plus the origin carried along.
  EXPECT_NEAR(ToCentimetreY(t, 12.0), 11.0, 1.0 / (10.0 * t.pxPerMmY));
  EXPECT_EQ(ToCentimetreY(PageTransform{}, 12.0), 0.0);  // resolution not set yet
}

TEST(PageTransform, FontHeightInPixels) {
  EXPECT_EQ(FontHeightPx(96, 10.0), 13);
  EXPECT_EQ(FontHeightPx(300, 8.0), 33);
  EXPECT_EQ(FontHeightPx(600, 9.5), 79);
}

}  // namespace
}  // namespace tesmor
