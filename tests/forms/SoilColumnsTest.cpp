// The data columns of the soil form drawn on a page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "SheetFixture.h"
#include "forms/GeologyPattern.h"
#include "forms/SheetLayout.h"
#include "record/SjisText.h"
#include "record/TextUtil.h"

namespace tesmor {
namespace {

struct SoilColumns : test::SheetFixture {
  static double BodyCharHeight() { return 10.0 / Depth(0.0).yFactor; }

  std::vector<RecordedOp> BodyTexts(const std::string& text) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : TextsOf(text)) {
      if (op.points[0].y >= MapY(Depth(0.0), 0.0)) out.push_back(op);
    }
    return out;
  }

  // Filled rectangles (the interval and sample bars).
  std::vector<RecordedOp> Bars() const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : surface.OpsOf(Kind::kRectangle)) {
      if (op.brush.solid) out.push_back(op);
    }
    return out;
  }

  bool CircleAt(double x, double y) const {
    for (const RecordedOp& op : surface.OpsOf(Kind::kEllipse)) {
      if (std::abs((op.rect.left + op.rect.right) / 2 - X(x)) <= 1 &&
          std::abs((op.rect.top + op.rect.bottom) / 2 - MapY(Depth(0.0), y)) <= 1) {
        return true;
      }
    }
    return false;
  }
};

TEST_F(SoilColumns, StandardPenetrationTests) {
  struct Case {
    const char* total;
    const char* parts[3];
    const char* nText;
    double plotN;        // position on the graph (held to the limit of 50)
    double penetration;  // m
    double interval;     // bar length
    const char* above;   // total column: blows
    const char* below;   // total column: penetration
  };
  const Case cases[] = {
      {"5/30", {"1/10", "2/10", "2/10"}, "5 ", 5.0, 0.30, 0.30, "5", "30"},
      {"50/12", {"30/10", "20/2", ""}, "125 ", 50.0, 0.12, 0.12, "50", "12"},
      {"50/7", {"50/7", "", ""}, "214.3", 50.0, 0.07, 0.07, "50", "7"},
      {"15/20", {"7/10", "8/10", ""}, "22.5", 22.5, 0.20, 0.20, "15", "20"},
      {"0/45", {"0/45", "", ""}, "0 ", 0.0, 0.45, 0.45, "0", "45"},
      {"60/0", {"60/0", "", ""}, "- ", 50.0, 0.0, 0.03, "60", "0"},
      {"12", {"4", "4", "4"}, "12 ", 12.0, 0.30, 0.30, "12", "30"},
  };
  int row = 1;
  for (const Case& c : cases) {
    record.SptTable.set(row, 1, Format("%.2f", 2.0 * row));
    record.SptTable.set(row, 2, c.total);
    for (int p = 0; p < 3; ++p) record.SptTable.set(row, 3 + p, c.parts[p]);
    ++row;
  }
  Draw(kSoilForm);
  const PageTransform body = Depth(0.0);
  const double h = BodyCharHeight();
  row = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.total);
    const double s = 2.0 * row++;
    const double yL = std::min(s + c.interval / 2.0, s + c.interval - h);
    const auto n = BodyTexts(c.nText);
    ASSERT_FALSE(n.empty());
    const auto atRow = std::find_if(n.begin(), n.end(), [&](const RecordedOp& op) {
      return op.points[0].y == MapY(body, yL);
    });
    ASSERT_NE(atRow, n.end());
    EXPECT_EQ(atRow->points[0].x, X(151.85));
    EXPECT_EQ(atRow->flags, TA_CENTER | TA_TOP);
    // The point lies at half the actual penetration.
    const double y = s + c.penetration / 2.0;
    if (c.plotN > 0.0 && c.plotN < 50.0) {
      EXPECT_TRUE(CircleAt(154.25 + c.plotN, y));
    }
    if (std::string(c.total) == "50/12") {
      EXPECT_EQ(LinesBetween({X(204.25), MapY(body, y)}, {X(204.25 - 3.4), MapY(body, y)}).size(), 1U);
    }
    // The interval bar.
    const auto bars = Bars();
    EXPECT_TRUE(std::any_of(bars.begin(), bars.end(), [&](const RecordedOp& op) {
      return op.rect.top == MapY(body, s) && op.rect.bottom == MapY(body, s + c.interval) &&
             op.rect.left == X(126.95);
    }));
    // The total as blows over penetration in column 18.
    const auto blows = BodyTexts(c.above);
    EXPECT_TRUE(std::any_of(blows.begin(), blows.end(), [&](const RecordedOp& op) {
      return op.points[0] == PxPoint{X(147.15), MapY(body, yL)} && op.flags == (TA_CENTER | TA_BOTTOM);
    }));
    const auto pen = BodyTexts(c.below);
    EXPECT_TRUE(std::any_of(pen.begin(), pen.end(), [&](const RecordedOp& op) {
      return op.points[0] == PxPoint{X(147.15), MapY(body, yL)} && op.flags == (TA_CENTER | TA_TOP);
    }));
  }
  EXPECT_EQ(BodyTexts("自沈").size(), 1U);
  EXPECT_EQ(BodyTexts("貫入不能").size(), 1U);
}

TEST_F(SoilColumns, PartTextsThatAreNotNumbers) {
  record.SptTable.set(1, 1, "1.00");
  record.SptTable.set(1, 2, "10");
  record.SptTable.set(1, 3, "自沈する");
  record.SptTable.set(1, 4, "4/10");
  record.SptTable.set(1, 5, "abcdef");
  Draw(kSoilForm);
  const PageTransform body = Depth(0.0);
  const double yL = std::min(1.15, 1.3 - BodyCharHeight());
  const auto kanji = BodyTexts("自");  // first three bytes: one double-byte character
  ASSERT_EQ(kanji.size(), 1U);
  EXPECT_EQ(kanji[0].points[0], (PxPoint{X(135.35), MapY(body, yL)}));
  ASSERT_EQ(BodyTexts("abc").size(), 1U);
  // A non-numeric part has nothing below it; a part without "/" neither.
  const auto tens = BodyTexts("10");  // the total, and the 10 cm of 4/10 in column 16
  EXPECT_TRUE(std::any_of(tens.begin(), tens.end(), [&](const RecordedOp& op) { return op.points[0].x == X(139.15); }));
}

TEST_F(SoilColumns, DepthLabelsShowElevationsOfAnInclinedHole) {
  record.setHeading(slot::kShowElevation, "1");
  record.setHeading(slot::kCollarElevation, "12.30");
  record.SptTable.set(1, 1, "1.15");
  record.SptTable.set(1, 2, "10");
  record.LayerTable.set(1, 1, "2.00");
  record.LayerTable.set(1, 2, "砂");
  record.LayerTable.set(1, 5, "300.1");
  Draw(kSoilForm);
  EXPECT_EQ(BodyTexts("11.15").size(), 1U);  // start of the test, as an elevation
  EXPECT_EQ(BodyTexts("10.85").size(), 1U);  // its end at 1.45 m
  EXPECT_EQ(BodyTexts("10.30").size(), 1U);  // the layer's elevation

  record.setHeading(slot::kDrillingAngle, "60");  // 2 m down the hole is 1 m lower
  Draw(kSoilForm);
  EXPECT_EQ(BodyTexts("11.30").size(), 1U);
  EXPECT_EQ(BodyTexts("2.00").size(), 2U);  // thickness and depth stay in metres of the hole
}

TEST_F(SoilColumns, LayerPatternStaysInsideItsClipAndThePage) {
  record.LayerTable.set(1, 1, "3.00");
  record.LayerTable.set(1, 2, "粘土");
  record.LayerTable.set(1, 5, "600.2");
  record.LayerTable.set(1, 7, "471");
  record.LayerTable.set(2, 1, "40.00");  // runs past the page bottom at 25 m
  record.LayerTable.set(2, 2, "砂");
  record.LayerTable.set(2, 5, "300.1");
  record.LayerTable.set(2, 7, "471");
  Draw(kSoilForm);
  const PageTransform body = Depth(0.0);
  std::vector<PxRect> clips;
  bool inLayer = false;
  int patternOps = 0;
  for (const RecordedOp& op : surface.ops) {
    if (op.kind == Kind::kPushClip) {
      clips.push_back(op.rect);
      inLayer = clips.size() > 1;  // the first clip is the body's
      continue;
    }
    if (op.kind == Kind::kPopClip) {
      clips.pop_back();
      inLayer = false;
      continue;
    }
    if (!inLayer || op.kind != Kind::kLine) continue;
    ++patternOps;
    const PxRect& c = clips.back();
    for (const PxPoint& p : op.points) {
      EXPECT_GE(p.x, c.left);
      EXPECT_LE(p.x, c.right);
      EXPECT_GE(p.y, c.top);
      EXPECT_LE(p.y, c.bottom);
    }
  }
  EXPECT_GT(patternOps, 10);
  // The layer clips: (35.8, 0)-(43.9, 3) and (35.8, 3)-(43.9, 25): never below the page.
  const auto pushes = surface.OpsOf(Kind::kPushClip);
  auto clipped = [&](const PxRect& r) {
    return std::any_of(pushes.begin(), pushes.end(), [&](const RecordedOp& op) { return op.rect == r; });
  };
  EXPECT_TRUE(clipped(PxRect{X(35.8), MapY(body, 0.0), X(43.9), MapY(body, 3.0)}));
  EXPECT_TRUE(clipped(PxRect{X(35.8), MapY(body, 3.0), X(43.9), MapY(body, 25.0)}));
  for (const RecordedOp& op : surface.OpsOf(Kind::kLine)) {
    if (op.points[0].x >= X(12.0) && op.points[0].x <= X(71.2)) {
      EXPECT_LE(std::max(op.points[0].y, op.points[1].y), MapY(body, 25.0));
    }
  }
  // Boundary texts only for the boundary inside the page.
  EXPECT_EQ(BodyTexts("3.00").size(), 2U);  // thickness and depth
  EXPECT_TRUE(BodyTexts("40.00").empty());
}

TEST_F(SoilColumns, PatternNumbersSplitIntoTheirParts) {
  struct Case {
    int number;
    PatternParts parts;
  };
  const Case cases[] = {
      {1605, {1600, 0, 5, 0, false}},   {523, {500, 20, 3, 0, false}},
      {94443, {4400, 0, 0, 4300, true}}, {90000, {0, 0, 0, 0, true}},
      {10002, {10002, 0, 0, 0, false}},  {10092, {10092, 0, 0, 0, false}},
  };
  for (const Case& c : cases) {
    const PatternParts p = SplitPatternNumber(c.number);
    EXPECT_EQ(p.main, c.parts.main) << c.number;
    EXPECT_EQ(p.qualifier, c.parts.qualifier) << c.number;
    EXPECT_EQ(p.admixture, c.parts.admixture) << c.number;
    EXPECT_EQ(p.alternate, c.parts.alternate) << c.number;
    EXPECT_EQ(p.alternation, c.parts.alternation) << c.number;
  }
}

TEST_F(SoilColumns, NameAndColourStandAboveTheLayerBottomAndNeverOverlap) {
  settings.attachGeologySymbol = 1;
  const char* rows[][3] = {{"5.00", "粘土", "CH"}, {"5.10", "砂", "S"}, {"5.20", "礫", "G"}};
  int r = 1;
  for (const auto& row : rows) {
    record.LayerTable.set(r, 1, row[0]);
    record.LayerTable.set(r, 2, row[1]);
    record.LayerTable.set(r, 8, row[2]);
    record.LayerTable.set(r, 4, "灰");
    record.LayerTable.set(r, 7, "471");
    ++r;
  }
  Draw(kSoilForm);
  const PageTransform body = Depth(0.0);
  const double h = BodyCharHeight();
  const auto clay = BodyTexts("粘土 (CH)");
  ASSERT_EQ(clay.size(), 1U);
  EXPECT_EQ(clay[0].points[0].y, MapY(body, 5.0 - h));
  const auto sand = BodyTexts("砂 (S)");
  const auto gravel = BodyTexts("礫 (G)");
  ASSERT_EQ(sand.size(), 1U);
  ASSERT_EQ(gravel.size(), 1U);
  EXPECT_GE(sand[0].points[0].y, clay[0].points[0].y + 10);
  EXPECT_GE(gravel[0].points[0].y, sand[0].points[0].y + 10);
  // Elevation, thickness and depth labels of close boundaries do not overlap either.
  const auto d1 = BodyTexts("5.00");
  const auto d2 = BodyTexts("5.10");
  const auto d3 = BodyTexts("5.20");
  ASSERT_FALSE(d1.empty());
  ASSERT_FALSE(d2.empty());
  ASSERT_FALSE(d3.empty());
  EXPECT_LE(d1.back().points[0].y, d2.back().points[0].y - 10);
  EXPECT_LE(d2.back().points[0].y, d3.back().points[0].y - 10);
  EXPECT_EQ(d3.back().points[0].y, MapY(body, 5.2));
}

TEST_F(SoilColumns, DensityLabelsOfCodesZeroAndFourTakeTwoLines) {
  record.Density.depth[0] = -8.8;  // an XML load
  record.Density.depth[1] = 3.0;
  record.Density.density[1] = 0;
  record.Density.consistency[1] = -9;
  record.Density.depth[2] = 8.0;
  record.Density.density[2] = 4;
  record.Density.consistency[2] = 1;
  record.Density.depth[3] = -0.001;
  Draw(kSoilForm);
  const PageTransform body = Depth(0.0);
  const double h = BodyCharHeight();
  const auto very = BodyTexts("非常に");
  ASSERT_EQ(very.size(), 2U);
  EXPECT_EQ(very[0].points[0].y, MapY(body, 3.0 - 1.8 * h));
  EXPECT_EQ(very[0].points[0].x, X(73.95));
  const auto loose = BodyTexts("緩い");
  ASSERT_EQ(loose.size(), 1U);
  EXPECT_EQ(loose[0].points[0].y, MapY(body, 3.0 - 0.8 * h));
  const auto dense = BodyTexts("密な");
  ASSERT_EQ(dense.size(), 1U);
  EXPECT_EQ(dense[0].points[0].y, MapY(body, 8.0 - 0.8 * h));
  // Consistency code 1 in two halves in column 9.
  const auto soft1 = BodyTexts("軟ら");
  const auto soft2 = BodyTexts("かい");
  ASSERT_EQ(soft1.size(), 1U);
  ASSERT_EQ(soft2.size(), 1U);
  EXPECT_EQ(soft1[0].points[0], (PxPoint{X(79.45), MapY(body, 8.0 - 1.8 * h)}));
  // Every label fits its 5.5 mm column.
  for (const RecordedOp& op : {very[0], loose[0], soft1[0]}) {
    const int width = SjisWidth(op.text) * op.font.height / 2;
    EXPECT_LE(width, X(5.5) - X(0.0)) << op.text;
  }
}

TEST_F(SoilColumns, SamplesAndInSituTests) {
  record.SampleTable.set(1, 1, "1.00");
  record.SampleTable.set(1, 2, "1.87");
  record.SampleTable.set(1, 3, "TW-1");
  record.SampleTable.set(1, 4, "A");
  record.SampleTable.set(1, 5, "物理,一軸,圧密");
  record.SampleTable.set(2, 1, "2.00");  // close under the first: its bottom depth goes above its line
  record.SampleTable.set(2, 2, "2.88");
  record.SampleTable.set(2, 3, "TW-2");
  record.InSituTable.set(1, 1, "2.00");
  record.InSituTable.set(1, 2, "k=5.32E-4 m/s");
  record.InSituTable.set(1, 3, "現場透水");
  record.InSituTable.set(2, 1, "6.00");
  record.InSituTable.set(2, 2, "E=1.19E4 kN/m2");
  record.InSituTable.set(2, 3, "孔内水平載荷");
  Draw(kSoilForm);
  const PageTransform body = Depth(0.0);
  const double h = BodyCharHeight();
  EXPECT_EQ(BodyTexts("TW-1")[0].points[0], (PxPoint{X(253.3), MapY(body, 1.87)}));
  EXPECT_TRUE(CircleAt(261.1, 1.87 - h / 2.0));
  for (const char* test : {"物理", "一軸", "圧密"}) EXPECT_EQ(BodyTexts(test).size(), 1U) << test;
  EXPECT_LT(BodyTexts("物理")[0].points[0].y, BodyTexts("一軸")[0].points[0].y);
  EXPECT_EQ(BodyTexts("1.87")[0].flags, TA_CENTER | TA_BOTTOM);
  EXPECT_EQ(BodyTexts("2.00").size(), 2U);  // the second sample's top and the in-situ test
  EXPECT_EQ(BodyTexts("2.88")[0].flags, TA_CENTER | TA_TOP);
  // "透水": the kind above the depth line, the result under it; others the other way.
  EXPECT_EQ(BodyTexts("現場透水")[0].points[0].y, MapY(body, 2.0 - h));
  EXPECT_EQ(BodyTexts("k=5.32E-4 m/s")[0].points[0].y, MapY(body, 2.05));
  EXPECT_EQ(BodyTexts("E=1.19E4 kN/m2")[0].points[0].y, MapY(body, 6.0 - h));
  EXPECT_EQ(BodyTexts("孔内水平載荷")[0].points[0], (PxPoint{X(225.9), MapY(body, 6.05)}));
}

}  // namespace
}  // namespace tesmor
