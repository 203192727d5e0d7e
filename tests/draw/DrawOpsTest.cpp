#include "draw/DrawOps.h"

#include <gtest/gtest.h>

#include <vector>

#include "DrawFixture.h"

namespace tesmor {
namespace {

using DrawOps = test::DrawFixture;
using Kind = RecordedOp::Kind;

std::vector<std::vector<PxPoint>> LineEnds(const RecordingSurface& s) {
  std::vector<std::vector<PxPoint>> out;
  for (const RecordedOp& op : s.OpsOf(Kind::kLine)) out.push_back(op.points);
  return out;
}

using Dashes = std::vector<std::vector<PxPoint>>;

TEST_F(DrawOps, DashedLines) {
  struct Case {
    const char* what;
    int x1, y1, x2, y2, dash, gap, width;
    Dashes expected;
  };
  const Case cases[] = {
      {"rightwards", 0, 0, 100, 0, 10, 5, 1,
       {{{0, 0}, {10, 0}}, {{15, 0}, {25, 0}}, {{30, 0}, {40, 0}}, {{45, 0}, {55, 0}},
        {{60, 0}, {70, 0}}, {{75, 0}, {85, 0}}}},
      {"leftwards", 100, 0, 0, 0, 10, 5, 1,
       {{{100, 0}, {90, 0}}, {{85, 0}, {75, 0}}, {{70, 0}, {60, 0}}, {{55, 0}, {45, 0}},
        {{40, 0}, {30, 0}}, {{25, 0}, {15, 0}}}},
      {"upwards", 7, 50, 7, 0, 10, 10, 1, {{{7, 50}, {7, 40}}, {{7, 30}, {7, 20}}}},
      {"diagonal", 0, 0, 30, -30, 5, 5, 1,
       {{{0, 0}, {5, -5}}, {{10, -10}, {15, -15}}, {{20, -20}, {25, -25}}}},
      {"slanted stays on the line", 0, 0, 100, 10, 10, 10, 1,
       {{{0, 0}, {10, 1}}, {{20, 2}, {30, 3}}, {{40, 4}, {50, 5}}, {{60, 6}, {70, 7}},
        {{80, 8}, {90, 9}}}},
      {"no gap: one solid line", 0, 0, 100, 0, 10, 0, 1, {{{0, 0}, {100, 0}}}},
      {"negative gap: one solid line", 3, 4, 3, 90, 0, -2, 2, {{{3, 4}, {3, 90}}}},
      {"no dash: nothing", 0, 0, 100, 0, 0, 5, 1, {}},
      {"negative dash: nothing", 0, 0, 100, 0, -4, 5, 1, {}},
      {"width 0: nothing", 0, 0, 100, 0, 10, 5, 0, {}},
  };
  for (const Case& c : cases) {
    surface.ops.clear();
    DrawDashedLinePx(dc, c.x1, c.y1, c.x2, c.y2, c.dash, c.gap, c.width, 0x123456);
    EXPECT_EQ(LineEnds(surface), c.expected) << c.what;
    for (const RecordedOp& op : surface.ops) {
      EXPECT_EQ(op.pen, (Pen{PS_SOLID, c.width, 0x123456})) << c.what;
    }
  }
}

TEST_F(DrawOps, DashedLineStopsAfter10001Dashes) {
  DrawDashedLinePx(dc, -2000000000, 0, 2000000000, 0, 1, 1, 1, 0);
  EXPECT_EQ(surface.ops.size(), 10001u);
}

TEST_F(DrawOps, DashedLineMapsEndsButKeepsPixelDashes) {
  transform.xFactor = 10.0;
  DrawDashedLine(dc, 1.0, 3.0, 5.0, 3.0, 8, 4, 1, 0);  // pixels 10 to 50
  EXPECT_EQ(LineEnds(surface), (Dashes{{{10, 3}, {18, 3}}, {{22, 3}, {30, 3}}, {{34, 3}, {42, 3}}}));
}

TEST_F(DrawOps, LineOfWidthZeroIsSkipped) {
  DrawLine(dc, 0.0, 0.0, 10.0, 10.0, PS_SOLID, 0, 0);
  DrawLine(dc, 0.0, 0.0, 10.0, 10.0, PS_DOT, 1, 0xFF);
  ASSERT_EQ(surface.ops.size(), 1u);
  EXPECT_EQ(surface.ops[0].pen, (Pen{PS_DOT, 1, 0xFF}));
}

TEST_F(DrawOps, PolygonKeepsFirstTenVertices) {
  std::vector<double> xs, ys;
  for (int i = 0; i < 12; ++i) {
    xs.push_back(i * 10.0 + 0.7);
    ys.push_back(i * 2.0);
  }
  FillPolygon(dc, xs, ys, 0x00FF00);
  const auto polygons = surface.OpsOf(Kind::kPolygon);
  ASSERT_EQ(polygons.size(), 1u);
  ASSERT_EQ(polygons[0].points.size(), 10u);
  EXPECT_EQ(polygons[0].points[9], (PxPoint{90, 18}));
  EXPECT_EQ(polygons[0].brush, Brush::Solid(0x00FF00));
  EXPECT_EQ(polygons[0].pen, (Pen{PS_SOLID, 1, 0}));

  surface.ops.clear();
  FillPolygon(dc, std::span<const double>(xs).first(3), ys, 0);  // count from the shorter list
  ASSERT_EQ(surface.ops.size(), 1u);
  EXPECT_EQ(surface.ops[0].points.size(), 3u);
}

TEST_F(DrawOps, ShapesMapTheirRadii) {
  transform.xFactor = 4.0;
  transform.yFactor = 10.0;
  DrawCircle(dc, 10.0, 2.0, 0.55, PS_SOLID, 2, 0x0000FF);  // radius 5.5 px truncated
  DrawFilledCircle(dc, 10.0, 2.0, 1.0, PS_SOLID, 1, 0, 0xFF0000);
  DrawEllipse(dc, 10.0, 2.0, 3.0, 0.5, PS_DASH, 1, 0);
  DrawArc(dc, 10.0, 2.0, 1.0, 12.5, 2.0, 10.0, 1.0, PS_SOLID, 1, 0);
  const auto ellipses = surface.OpsOf(Kind::kEllipse);
  ASSERT_EQ(ellipses.size(), 3u);
  EXPECT_EQ(ellipses[0].rect, (PxRect{35, 15, 45, 25}));
  EXPECT_EQ(ellipses[0].brush, Brush::Hollow());
  EXPECT_EQ(ellipses[1].rect, (PxRect{30, 10, 50, 30}));
  EXPECT_EQ(ellipses[1].brush, Brush::Solid(0xFF0000));
  EXPECT_EQ(ellipses[2].rect, (PxRect{28, 15, 52, 25}));
  const auto arcs = surface.OpsOf(Kind::kArc);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].rect, (PxRect{30, 10, 50, 30}));
  EXPECT_EQ(arcs[0].points, (std::vector<PxPoint>{{50, 20}, {40, 10}}));
  EXPECT_EQ(arcs[0].arcDirection, AD_COUNTERCLOCKWISE);
}

TEST_F(DrawOps, DiamondAndBar) {
  DrawDiamondBar(dc, 50.0, 50.0, 10.0, 20.0, PS_SOLID, 1, 0);
  EXPECT_EQ(LineEnds(surface), (Dashes{{{40, 50}, {50, 30}},
                                       {{50, 30}, {60, 50}},
                                       {{60, 50}, {50, 70}},
                                       {{50, 70}, {40, 50}},
                                       {{50, 36}, {50, 64}}}));
}

TEST_F(DrawOps, RectanglesAndClip) {
  FrameRect(dc, 10.0, 20.0, 30.0, 40.0, PS_SOLID, 3, 0);
  FillRect(dc, 30.0, 40.0, 10.0, 20.0, PS_NULL, 1, 0, 0xABCDEF);
  ClipToRect(dc, 50.0, 60.0, 5.0, 6.0);
  RestoreClip(dc);
  ASSERT_EQ(surface.ops.size(), 4u);
  EXPECT_EQ(surface.ops[0].points,
            (std::vector<PxPoint>{{10, 20}, {30, 20}, {30, 40}, {10, 40}, {10, 20}}));
  EXPECT_EQ(surface.ops[1].rect, (PxRect{30, 40, 10, 20}));
  EXPECT_EQ(surface.ops[1].brush, Brush::Solid(0xABCDEF));
  EXPECT_EQ(surface.ops[2].kind, Kind::kPushClip);
  EXPECT_EQ(surface.ops[2].rect, (PxRect{5, 6, 50, 60}));
  EXPECT_EQ(surface.ops[3].kind, Kind::kPopClip);
}

}  // namespace
}  // namespace tesmor
