#include "forms/DepthGrid.h"

#include <gtest/gtest.h>

#include <set>

#include "SheetFixture.h"
#include "draw/PatternCatalogue.h"
#include "forms/SheetLayout.h"
#include "record/TextUtil.h"

namespace tesmor {
namespace {

using DepthGrid = test::SheetFixture;

// Font 3 (8 points, 10 pixels at 96 dpi) in metres at 1/100.
double BodyCharHeight() { return 10.0 / DepthGrid::Depth(0.0).yFactor; }

TEST_F(DepthGrid, MetreLabelZeroOnlyBelowTheTopOfTheBoring) {
  struct Case {
    double top;
    bool zeroShown;
  };
  for (const Case c : {Case{0.0, false}, Case{0.05, true}, Case{0.0009, false}, Case{25.0, false}}) {
    SCOPED_TRACE(c.top);
    page.PageTopDepth = c.top;
    Draw(kSoilForm);
    EXPECT_EQ(TextsOf("   0").size(), c.zeroShown ? 1U : 0U);
    const int metre = static_cast<int>(c.top) + 1;
    const auto label = TextsOf(Format("%4d", metre));
    ASSERT_EQ(label.size(), 1U);
    EXPECT_EQ(label[0].points[0],
              (PxPoint{X(12.0 - 0.5), MapY(Depth(c.top), metre - 0.5 * BodyCharHeight())}));
    EXPECT_EQ(label[0].flags, TA_RIGHT | TA_TOP);
  }
}

TEST_F(DepthGrid, RulerTicksAtBothOuterLines) {
  struct Case {
    double depth;
    double left;   // tick length from the left outer line
    double right;  // from the right outer line
  };
  const Case cases[] = {{1.3, 0.8, 1.0}, {1.5, 1.4, 1.6}, {2.0, 1.8, 2.0}};
  Draw(kRockForm);
  const PageTransform body = Depth(0.0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.depth);
    const int y = MapY(body, c.depth);
    EXPECT_EQ(LinesBetween({X(5.0), y}, {X(5.0 + c.left), y}).size(), 1U);
    EXPECT_EQ(LinesBetween({X(273.7), y}, {X(273.7 - c.right), y}).size(), 1U);
  }
}

TEST_F(DepthGrid, InSituAndCoreGridsFollowTheirSettings) {
  struct Case {
    int form;
    int sparse;  // soilInSituGrid or rockCoreGrid
    int verticals;
    std::set<double> someLines;  // depths that carry a horizontal line
    int horizontals;             // on a 25 m page from the top
    int verticalWidth;
  };
  settings.inSituVerticalWidth = 2;
  settings.coreVerticalWidth = 3;
  settings.coreGridColour = "0x0000ff";
  const Case cases[] = {
      {kSoilForm, 0, 9, {0.5, 1.0, 24.5}, 49, 2},
      {kSoilForm, 1, 0, {5.0, 10.0, 20.0}, 4, 2},
      {kRockForm, 0, 9, {0.5, 12.0}, 49, 3},
      {kRockForm, 1, 1, {1.0, 24.0}, 24, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "form " << c.form << " setting " << c.sparse);
    settings.soilInSituGrid = c.sparse;
    settings.rockCoreGrid = c.sparse;
    Draw(c.form);
    const ColumnGeometry g = ComputeColumnX(c.form);
    const int column = c.form == kSoilForm ? 23 : 15;
    const int left = X(g.Left(column));
    const int right = X(g.Right(column));
    const PageTransform body = Depth(0.0);
    const Colour colour = ColourFromCode(c.form == kSoilForm ? settings.inSituGridColour
                                                             : settings.coreGridColour);
    std::set<int> xs;
    std::set<int> ys;
    for (const RecordedOp& op : surface.OpsOf(Kind::kLine)) {
      const PxPoint a = op.points[0];
      const PxPoint b = op.points[1];
      if (a.y < MapY(body, 0.0)) continue;  // above the body
      if (a.x == b.x && a.x > left && a.x < right) {
        xs.insert(a.x);
        EXPECT_EQ(op.pen.width, c.verticalWidth);
        EXPECT_EQ(op.pen.colour, colour);
      }
      if (a.y == b.y && a.x >= left && b.x <= right && a.x < b.x) ys.insert(a.y);
    }
    EXPECT_EQ(static_cast<int>(xs.size()), c.verticals);
    EXPECT_EQ(static_cast<int>(ys.size()), c.horizontals);
    for (const double depth : c.someLines) EXPECT_EQ(ys.count(MapY(body, depth)), 1U) << depth;
  }
}

}  // namespace
}  // namespace tesmor
