#include "draw/LithologyPatterns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "PatternFixture.h"
#include "draw/GrainPatternTable.h"
#include "draw/PatternCatalogue.h"
#include "draw/PageTransform.h"

namespace tesmor {
namespace {

using Kind = RecordedOp::Kind;
using Patterns = test::PatternFixture;

constexpr Colour kColour = 0x123456;

// Every pattern number of the built-in catalogue.
std::vector<int> CatalogueTypes() {
  std::vector<int> types;
  for (const PatternCatalogueRow& row : DefaultPatternCatalogueRows()) {
    if (!IsCatalogueSectionRow(row.pattern)) types.push_back(std::atoi(row.pattern.c_str()));
  }
  return types;
}

std::vector<int> DrawnTypes() {
  std::vector<int> types = CatalogueTypes();
  std::erase(types, 9900);
  return types;
}

TEST_F(Patterns, EveryCatalogueTypeButTheCavityHasADrawing) {
  for (int type : CatalogueTypes()) {
    surface.ops.clear();
    const int result = DrawLithologyPattern(dc, type, 10.0, 1.0, 40.0, 3.0, 1.0, 1, kColour, 0);
    if (type == 9900) {
      EXPECT_EQ(result, 0);
      EXPECT_TRUE(surface.ops.empty());
    } else {
      EXPECT_EQ(result, 1) << type;
      EXPECT_FALSE(test::MarksOf(surface).empty()) << type;
    }
  }
  EXPECT_EQ(DrawnTypes().size(), 78u);
  for (int type : {0, 9, 60, 1000, 3200, 3700, 8800, 9900, 10005, 10090, 10094, 90000, -100}) {
    surface.ops.clear();
    EXPECT_EQ(DrawLithologyPattern(dc, type, 10.0, 1.0, 40.0, 3.0, 1.0, 1, kColour, 0), 0) << type;
    EXPECT_TRUE(surface.ops.empty()) << type;
  }
}

// Nothing of any pattern lies outside its box or right of the covered width, at any
// coverage and box shape: a sheet column, the legend's box, a thin layer.
TEST_F(Patterns, NothingIsDrawnOutsideTheCoveredBox) {
  struct Box {
    double x1, y1, x2, y2;
  };
  const Box boxes[] = {{35.8, 0.3, 44.0, 25.3}, {10.0, 1.0, 40.0, 3.0}, {35.8, 4.0, 43.9, 4.05}};
  for (int type : DrawnTypes()) {
    for (const Box& b : boxes) {
      for (double coverage : {1.0, 0.5, 0.37}) {
        surface.ops.clear();
        DrawLithologyPattern(dc, type, b.x1, b.y1, b.x2, b.y2, coverage, 2, kColour, 1);
        const bool whole = type >= 10000 && type <= 10004;
        const double right = b.x1 + (whole ? 1.0 : coverage) * (b.x2 - b.x1);
        const PxRect limit{MapX(transform, b.x1) - 1, MapY(transform, b.y1) - 1,
                           MapX(transform, right) + 1, MapY(transform, b.y2) + 1};
        for (const RecordedOp& op : test::MarksOf(surface)) {
          const PxRect e = test::ExtentOf(op);
          EXPECT_TRUE(e.left >= limit.left && e.right <= limit.right && e.top >= limit.top &&
                      e.bottom <= limit.bottom)
              << type << " coverage " << coverage << " box " << b.x1 << "," << b.y1 << ": "
              << test::Describe(op);
        }
      }
    }
  }
}

bool Near(const RecordedOp& a, const RecordedOp& b, int dx) {
  if (a.kind != b.kind || a.points.size() != b.points.size()) return false;
  const auto close = [](int p, int q) { return std::abs(p - q) <= 1; };
  for (std::size_t i = 0; i < a.points.size(); ++i) {
    // Arc rays are long: their ends keep the direction, not the distance.
    const int tolerance = a.kind == Kind::kArc ? 3 : 1;
    if (std::abs(a.points[i].x - (b.points[i].x - dx)) > tolerance ||
        std::abs(a.points[i].y - b.points[i].y) > tolerance) {
      return false;
    }
  }
  if (a.kind == Kind::kEllipse || a.kind == Kind::kArc) {
    return close(a.rect.left, b.rect.left - dx) && close(a.rect.right, b.rect.right - dx) &&
           close(a.rect.top, b.rect.top) && close(a.rect.bottom, b.rect.bottom);
  }
  return true;
}

// Half coverage shows the right half of the full-width drawing moved left by W ÷ 2,
// and nothing right of x1 + W ÷ 2. (Elements the middle cuts through are left out.)
TEST_F(Patterns, HalfCoverageIsTheRightHalfOfTheFullDrawingMovedLeft) {
  const double x1 = 10.0;
  const double w = 40.0;  // 400 pixels, so W ÷ 2 is 200 pixels
  const int shift = 200;
  const int widestElement = 70;  // pixels: no element of these types is wider
  std::vector<int> types;
  for (const GrainParameters& p : kGrainPatterns) types.push_back(p.type);
  for (int type : {100, 1500, 1600, 6800, 2100, 4100}) types.push_back(type);
  const int middle = MapX(transform, x1 + w / 2.0);
  const auto contains = [](const std::vector<RecordedOp>& ops, const RecordedOp& op, int dx) {
    return std::any_of(ops.begin(), ops.end(), [&](const RecordedOp& o) { return Near(op, o, dx); });
  };
  for (int type : types) {
    surface.ops.clear();
    DrawLithologyPattern(dc, type, x1, 1.0, x1 + w, 6.0, 1.0, 1, kColour, 0);
    const std::vector<RecordedOp> full = test::MarksOf(surface);
    surface.ops.clear();
    DrawLithologyPattern(dc, type, x1, 1.0, x1 + w, 6.0, 0.5, 1, kColour, 0);
    const std::vector<RecordedOp> half = test::MarksOf(surface);
    ASSERT_FALSE(half.empty()) << type;
    for (const RecordedOp& op : half) {
      EXPECT_LE(test::ExtentOf(op).right, middle) << type << ": " << test::Describe(op);
      EXPECT_TRUE(contains(full, op, shift)) << type << ": " << test::Describe(op);
    }
    for (const RecordedOp& op : full) {
      if (test::ExtentOf(op).left < middle + widestElement) continue;
      EXPECT_TRUE(contains(half, op, -shift)) << type << ": " << test::Describe(op);
    }
  }
}

TEST_F(Patterns, BoxesThinnerThanAThousandthDrawNothing) {
  for (int type : DrawnTypes()) {
    surface.ops.clear();
    EXPECT_EQ(DrawLithologyPattern(dc, type, 10.0, 1.0, 40.0, 1.0005, 1.0, 1, kColour, 0), 1);
    EXPECT_EQ(DrawLithologyPattern(dc, type, 10.0, 1.0, 10.0005, 3.0, 1.0, 1, kColour, 0), 1);
    EXPECT_EQ(DrawLithologyPattern(dc, type, 10.0, 3.0, 40.0, 1.0, 1.0, 1, kColour, 0), 1);
    EXPECT_TRUE(test::MarksOf(surface).empty()) << type;
  }
}

// Coarse sand (r = 20) puts a small circle in every grain mark; sand (r = 24) does not.
TEST_F(Patterns, SmallCirclesOnlyInTheCoarserGrainMarks) {
  for (int type : {3600, 3800, 300, 1400}) {
    surface.ops.clear();
    DrawLithologyPattern(dc, type, 10.0, 1.0, 40.0, 6.0, 1.0, 1, kColour, 0);
    const std::size_t marks = surface.OpsOf(Kind::kLine).size() / 5;  // diamond + bar
    const std::vector<RecordedOp> circles = surface.OpsOf(Kind::kEllipse);
    ASSERT_GT(marks, 10u) << type;
    if (type == 3600 || type == 3800) {
      EXPECT_EQ(circles.size(), marks) << type;
    } else {
      EXPECT_TRUE(circles.empty()) << type;
    }
  }
  // Each circle sits at the centre of a bar.
  surface.ops.clear();
  DrawLithologyPattern(dc, 3600, 10.0, 1.0, 40.0, 6.0, 1.0, 1, kColour, 0);
  std::vector<PxPoint> bars;
  for (const RecordedOp& op : surface.OpsOf(Kind::kLine)) {
    if (op.points[0].x == op.points[1].x) bars.push_back(op.points[0]);
  }
  for (const RecordedOp& circle : surface.OpsOf(Kind::kEllipse)) {
    const int cx = (circle.rect.left + circle.rect.right) / 2;
    EXPECT_TRUE(std::any_of(bars.begin(), bars.end(), [&](PxPoint p) {
      return p.x == cx && circle.rect.top < p.y && p.y < circle.rect.bottom;
    })) << test::Describe(circle);
  }
}

// The first chain of an admixture starts 0.5 row steps below the box top (the
// stroke types 4 and 5: at the top); with stagger 1, 4.25 (strokes: 3.75) row steps.
TEST_F(Patterns, StaggerStartsAdmixtureChainsLower) {
  struct Case {
    int type;
    double rowStep;  // centimetres, W = 30
    double plain;
    double staggered;
  };
  const double w = 30.0;
  const Case cases[] = {
      {1, 0.1 * w / 6, 0.5, 4.25}, {2, 0.1 * w / 6, 0.5, 4.25}, {3, 0.1 * w / 8, 0.5, 4.25},
      {4, 0.1 * w / 6, 0.0, 3.75}, {5, 0.1 * w / 6, 0.0, 3.75}, {6, 0.1 * w / 6, 0.5, 4.25},
      // A shell is taller than half a row step: the first one of a plain chain
      // would stick out of the box, so the chain shows from its second shell.
      {8, 0.1 * w / 6, 1.5, 4.25},
  };
  const double top = 1.0;
  for (const Case& c : cases) {
    for (int stagger : {0, 1}) {
      surface.ops.clear();
      DrawLithologyPattern(dc, c.type, 10.0, top, 10.0 + w, 5.0, 1.0, 1, kColour, stagger);
      // The first element: a circle's or an ellipse's centre, a diamond's middle
      // corners, a stroke's upper end.
      int first = 1 << 30;
      const bool round = c.type == 1 || c.type == 2 || c.type == 8;
      for (const RecordedOp& op : test::MarksOf(surface)) {
        if (op.kind == Kind::kEllipse) {
          first = std::min(first, (op.rect.top + op.rect.bottom) / 2);
        } else if (!round) {
          first = std::min(first, c.type == 3 ? std::max(op.points[0].y, op.points[1].y)
                                              : std::min(op.points[0].y, op.points[1].y));
        }
      }
      const double expected = top + c.rowStep * (stagger == 1 ? c.staggered : c.plain);
      EXPECT_NEAR(first, MapY(transform, expected), 1) << c.type << " stagger " << stagger;
    }
  }
}

// Circles of 礫 that would pass the box bottom are drawn as their upper halves, and
// nothing once the centre itself would.
TEST_F(Patterns, GravelEndsInHalfCirclesAtTheBottom) {
  // W = 40: rows every 1 cm from 1.5 cm, radius 0.4 cm. Bottom 3.7 cuts the third row.
  DrawLithologyPattern(dc, 100, 10.0, 1.0, 50.0, 3.7, 1.0, 1, kColour, 0);
  EXPECT_EQ(surface.OpsOf(Kind::kEllipse).size(), 4u);
  const std::vector<RecordedOp> arcs = surface.OpsOf(Kind::kArc);
  ASSERT_EQ(arcs.size(), 2u);
  for (const RecordedOp& arc : arcs) {
    EXPECT_EQ(test::ExtentOf(arc).bottom, MapY(transform, 3.5)) << test::Describe(arc);
    EXPECT_EQ(test::ExtentOf(arc).top, MapY(transform, 3.1)) << test::Describe(arc);
  }
}

// The drawing is clipped to the box (shapes widened by a horizontal scale other than
// 1/100 stay in it), its arcs turn counter-clockwise whatever the surface was set
// to, and the surface is left as it was.
TEST_F(Patterns, ClippedToTheBoxAndSurfaceLeftAsItWas) {
  surface.SetArcDirection(AD_CLOCKWISE);
  DrawLithologyPattern(dc, 100, 10.0, 1.0, 50.0, 3.7, 1.0, 1, kColour, 0);
  ASSERT_GE(surface.ops.size(), 2u);
  EXPECT_EQ(surface.ops.front().kind, Kind::kPushClip);
  EXPECT_EQ(surface.ops.front().rect,
            (PxRect{MapX(transform, 10.0), MapY(transform, 1.0), MapX(transform, 50.0) + 1,
                    MapY(transform, 3.7) + 1}));
  EXPECT_EQ(surface.ops.back().kind, Kind::kPopClip);
  const std::vector<RecordedOp> arcs = surface.OpsOf(Kind::kArc);
  ASSERT_FALSE(arcs.empty());
  for (const RecordedOp& arc : arcs) EXPECT_EQ(arc.arcDirection, AD_COUNTERCLOCKWISE);
  EXPECT_EQ(surface.ArcDirection(), AD_CLOCKWISE);
}

TEST_F(Patterns, IgneousCellsOfTheGrid) {
  // W = 60: cells 8 mm square (4 mm either side of the centre), rows 1.5 cm apart
  // from 0.375 cm.
  DrawLithologyPattern(dc, 2100, 0.0, 0.0, 60.0, 4.0, 1.0, 1, kColour, 0);
  const std::vector<RecordedOp> lines = surface.OpsOf(Kind::kLine);
  const std::vector<std::vector<PxPoint>> expected = {
      // even row: crosses centred at 10, 30, 50 mm; cell from 37.5 to 117.5 pixels
      {{100, 37}, {100, 117}}, {{60, 77}, {140, 77}}, {{300, 37}, {300, 117}},
      {{260, 77}, {340, 77}}, {{500, 37}, {500, 117}}, {{460, 77}, {540, 77}},
      // odd row: at 20 and 40 mm, 150 pixels lower; the third row would pass the bottom
      {{200, 187}, {200, 267}}, {{160, 227}, {240, 227}}, {{400, 187}, {400, 267}},
      {{360, 227}, {440, 227}}};
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (std::size_t j = 0; j < 2; ++j) {
      EXPECT_NEAR(lines[i].points[j].x, expected[i][j].x, 1) << i;
      EXPECT_NEAR(lines[i].points[j].y, expected[i][j].y, 1) << i;
    }
  }
}

TEST_F(Patterns, FillSymbolInHalfTheBoxAndInBlack) {
  PatternColourTable colours;
  LoadBuiltInPatternColours(colours);
  for (int i = 0; i < colours.count; ++i) {
    if (colours.pattern[i] == 10003) colours.colour[i] = 0x0000ff;
  }
  const int left = MapX(transform, 10.0);
  const int middle = MapX(transform, 25.0);
  for (int useBlack : {0, 1}) {
    surface.ops.clear();
    DrawFillSymbol(dc, colours, 10.0, 1.0, 40.0, 3.0, 3, 2, 2, useBlack);
    const std::vector<RecordedOp> lines = surface.OpsOf(Kind::kLine);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].points, (std::vector<PxPoint>{{middle, 100}, {middle, 300}}));
    for (const RecordedOp& line : lines) {
      EXPECT_EQ(line.pen, (Pen{PS_SOLID, 2, useBlack == 1 ? 0u : 0x0000ffu}));
      const PxRect e = test::ExtentOf(line);
      EXPECT_TRUE(e.left >= left && e.right <= middle) << test::Describe(line);
    }
  }
  // Mode 0 covers the whole box; a symbol out of range draws only the middle line.
  surface.ops.clear();
  DrawFillSymbol(dc, colours, 10.0, 1.0, 40.0, 3.0, 0, 0, 1, 0);
  EXPECT_EQ(surface.OpsOf(Kind::kLine).size(), 2u);
  EXPECT_EQ(test::ExtentOf(surface.OpsOf(Kind::kLine)[0]).right, MapX(transform, 40.0));
  surface.ops.clear();
  DrawFillSymbol(dc, colours, 10.0, 1.0, 40.0, 3.0, 7, 2, 1, 0);
  EXPECT_EQ(surface.OpsOf(Kind::kLine).size(), 1u);
  surface.ops.clear();
  DrawFillSymbol(dc, colours, 10.0, 1.0, 40.0, 3.0, 2147483000, 0, 1, 0);
  EXPECT_TRUE(surface.ops.empty());
}

// The forms' entry: a box in depth metres comes out where the depth system puts it,
// with the pen of the settings, and the transform is left as it was.
TEST_F(Patterns, LayerPatternInTheDepthSystem) {
  PatternColourTable colours;
  LoadBuiltInPatternColours(colours);
  transform.yFactor = 1000.0 / 100 * transform.pxPerMmY;  // 1/100: a metre is 10 mm
  transform.yOrigin = -2.0;                                // page top at 2 m
  transform.headerUnit = 3.0;
  const PageTransform before = transform;
  struct Case {
    int choice;
    int black;
    Pen pen;
  };
  const Case cases[] = {{0, 0, {PS_SOLID, 1, 0xff0000}}, {2, 0, {PS_SOLID, 3, 0xff0000}},
                        {-4, 1, {PS_SOLID, 1, 0}}};
  for (const Case& c : cases) {
    surface.ops.clear();
    // 600 粘性土: lines every 0.025 W from 0.0125 W below the top; W = 8 mm gives
    // lines every 2 mm of paper (0.2 m of depth) from 1 mm (0.1 m).
    EXPECT_EQ(DrawLayerPattern(dc, 600, 0.0, 3.0, 8.0, 3.6, 1.0, 0, colours, c.choice, c.black), 1);
    EXPECT_EQ(transform.yFactor, before.yFactor);
    EXPECT_EQ(transform.yOrigin, before.yOrigin);
    std::vector<int> ys;
    for (const RecordedOp& op : surface.OpsOf(Kind::kLine)) {
      EXPECT_EQ(op.pen, c.pen);
      ys.push_back(op.points[0].y);
    }
    std::vector<int> expected;
    for (double depth : {3.1, 3.3, 3.5}) expected.push_back(MapY(transform, depth));
    ASSERT_EQ(ys.size(), expected.size());
    for (std::size_t i = 0; i < ys.size(); ++i) EXPECT_NEAR(ys[i], expected[i], 1);
  }
  EXPECT_EQ(DrawLayerPattern(dc, 9900, 0.0, 3.0, 40.0, 3.6, 1.0, 0, colours, 0, 0), 0);
}

}  // namespace
}  // namespace tesmor
