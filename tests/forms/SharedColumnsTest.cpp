// The columns both forms draw: depth labels, water levels, description, geological
// age, drilling dates and the N-value plot.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SheetFixture.h"
#include "forms/DepthLabels.h"
#include "forms/GeologicalAge.h"
#include "forms/NValuePlot.h"
#include "forms/SheetFonts.h"
#include "forms/SheetPass.h"
#include "record/SjisText.h"
#include "record/TextUtil.h"

namespace tesmor {
namespace {

struct SharedColumns : test::SheetFixture {
  // A pass of the first page of the soil form with the body font, for the drawers
  // called on their own.
  SheetPass Pass(SheetContext& sheet, double top = 0.0) {
    SetDeviceResolution(transform, 96, 96, 5.0, 5.0);
    transform = Depth(top);
    SheetPass pass{sheet, ComputeColumnX(sheet.formSelector)};
    pass.pageTop = top;
    pass.pageBottom = top + 25.0;
    const CharSize body = SelectSheetFont(dc, settings.fonts[kBodyFont]);
    pass.charWidth = body.width;
    pass.charHeight = body.height;
    return pass;
  }

  // Texts in the body of the first page (below the heading band).
  std::vector<RecordedOp> BodyTexts(const std::string& text) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : TextsOf(text)) {
      if (op.points[0].y >= MapY(Depth(0.0), 0.0)) out.push_back(op);
    }
    return out;
  }

  // Width of a recorded text: a Shift_JIS byte is half the font height.
  static int WidthOf(const RecordedOp& op) { return SjisWidth(op.text) * op.font.height / 2; }

  std::vector<std::size_t> IndicesOfLine(PxPoint a, PxPoint b) const {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < surface.ops.size(); ++i) {
      const RecordedOp& op = surface.ops[i];
      if (op.kind != Kind::kLine) continue;
      if ((op.points[0] == a && op.points[1] == b) || (op.points[0] == b && op.points[1] == a)) {
        out.push_back(i);
      }
    }
    return out;
  }
};

// Font 3 (8 points, 10 pixels at 96 dpi) in metres at 1/100.
double BodyCharHeight() { return 10.0 / SharedColumns::Depth(0.0).yFactor; }

TEST_F(SharedColumns, DepthLabelsShowDepthsOrElevations) {
  struct Case {
    const char* show;       // heading slot 36
    const char* collar;     // slot 13
    const char* angle;      // slot 24
    double depth;
    bool force;
    const char* expected;
  };
  const Case cases[] = {
      {"", "12.30", "", 1.15, false, " 1.15"},
      {"1", "12.30", "", 1.15, false, "11.15"},
      {"1", "12.30", "60", 2.0, false, "11.30"},    // cos 60° halves the drop
      {"1", "12.30", "180", 2.0, false, "14.30"},   // drilled upwards
      {"", "12.30", "", 1.15, true, "11.15"},
      {"1", "", "", 1.15, false, ""},               // no collar elevation
      {"", "abc", "", 1.15, true, ""},
      {"1", "1.00", "", 1.001, false, " 0.00"},     // never "-0.00"
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.show << " " << c.collar << " " << c.angle << " " << c.depth);
    record.setHeading(slot::kShowElevation, c.show);
    record.setHeading(slot::kCollarElevation, c.collar);
    record.setHeading(slot::kDrillingAngle, c.angle);
    Draw(kSoilForm);  // the page computes the collar elevation and the angle
    SheetContext sheet{record, kSoilForm, settings, colours, page};
    SheetPass pass = Pass(sheet);
    pass.collarElevation = StartsLikeNumber(c.collar) > 0 ? TextToDouble(c.collar) : kMissingElevation;
    pass.drillingAngle = TextToDouble(c.angle);
    EXPECT_EQ(FormatDepthOrElevation(pass, c.depth, 5, 2, c.force), c.expected);
  }
}

TEST_F(SharedColumns, WaterLevelNearTheTopIsDrawnInBothPassesAtTheSamePlace) {
  record.WaterLevelTable.set(1, 1, "-0.30");
  record.WaterLevelTable.set(1, 2, "11/16");
  record.WaterLevelTable.set(1, 3, "孔内水位");
  record.WaterLevelTable.set(1, 4, "7");
  Draw(kSoilForm);

  const PageTransform body = Depth(0.0);
  const double cx = 120.75 + 1.2;
  const auto levelLines = IndicesOfLine({X(cx - 1.6), MapY(body, 0.3)}, {X(cx + 1.6), MapY(body, 0.3)});
  ASSERT_EQ(levelLines.size(), 2U);
  std::size_t pop = 0;
  for (std::size_t i = 0; i < surface.ops.size(); ++i) {
    if (surface.ops[i].kind == Kind::kPopClip) pop = i;
  }
  EXPECT_LT(levelLines[0], pop);  // clipped pass
  EXPECT_GT(levelLines[1], pop);  // unclipped pass
  EXPECT_EQ(IndicesOfLine({X(cx), MapY(body, 0.3)}, {X(cx - 0.8), MapY(body, 0.3 - 0.16)}).size(), 2U);
  for (const char* text : {"0.30", "11/16", "孔内", "水位"}) {
    const auto found = BodyTexts(text);
    ASSERT_EQ(found.size(), 2U) << text;
    EXPECT_EQ(found[0].points[0], found[1].points[0]) << text;
    // No room above the body top: below the symbol, inside the body.
    EXPECT_GT(found[0].points[0].y, MapY(body, 0.3 + 0.08)) << text;
  }
  EXPECT_LT(BodyTexts("0.30")[0].points[0].y, BodyTexts("11/16")[0].points[0].y);
  EXPECT_LT(BodyTexts("11/16")[0].points[0].y, BodyTexts("孔内")[0].points[0].y);

  page.PageTopDepth = 25.0;  // the next page shows nothing of it
  Draw(kSoilForm);
  EXPECT_TRUE(TextsOf("0.30").empty());
  EXPECT_TRUE(TextsOf("11/16").empty());
}

TEST_F(SharedColumns, WaterLevelDepthAndDateAboveTheSymbolKindBelow) {
  record.WaterLevelTable.set(1, 1, "-12.30");
  record.WaterLevelTable.set(1, 2, "11/16");
  record.WaterLevelTable.set(1, 3, "孔内水位");
  record.WaterLevelTable.set(1, 4, "7");
  Draw(kSoilForm);
  const PageTransform body = Depth(0.0);
  const double h = BodyCharHeight();
  const auto depth = BodyTexts("12.30");
  const auto date = BodyTexts("11/16");
  const auto kind1 = BodyTexts("孔内");
  const auto kind2 = BodyTexts("水位");
  ASSERT_EQ(depth.size(), 1U);  // not near the page top: one pass only
  ASSERT_EQ(date.size(), 1U);
  ASSERT_EQ(kind1.size(), 1U);
  ASSERT_EQ(kind2.size(), 1U);
  EXPECT_EQ(depth[0].points[0].y, MapY(body, 12.3 - 0.8 * h));
  EXPECT_EQ(depth[0].flags, TA_LEFT | TA_BASELINE);
  EXPECT_EQ(date[0].points[0].y, MapY(body, 12.3 - 1.6 * h));
  EXPECT_EQ(kind1[0].points[0].y, MapY(body, 12.3 + 0.12));
  EXPECT_EQ(kind1[0].flags, TA_LEFT | TA_TOP);
  EXPECT_EQ(kind2[0].points[0].y, MapY(body, 12.3 + 0.12 + h));
  // Texts stay inside the column; wider ones are set smaller.
  for (const auto* texts : {&depth, &date, &kind1, &kind2}) {
    const RecordedOp& op = (*texts)[0];
    EXPECT_GE(op.points[0].x, X(120.75)) << op.text;
    EXPECT_LE(op.points[0].x + WidthOf(op), X(126.95)) << op.text;
  }
  EXPECT_EQ(kind1[0].points[0].x, X(120.75 + 0.6));
}

TEST_F(SharedColumns, WaterLevelLabelsMoveBelowWhenTheyWouldLeaveThePageOrMeetTheLevelAbove) {
  struct Row {
    const char* level;
    const char* date;
  };
  const Row rows[] = {{"-0.05", "4/1"}, {"+1.20", "4/2"}, {"-3.00", "4/3"}, {"-3.10", "4/4"}};
  int r = 1;
  for (const Row& row : rows) {
    record.WaterLevelTable.set(r, 1, row.level);
    record.WaterLevelTable.set(r, 2, row.date);
    record.WaterLevelTable.set(r, 4, "3");
    ++r;
  }
  Draw(kSoilForm);
  const PageTransform body = Depth(0.0);
  const double h = BodyCharHeight();

  // 0.05 m: no room above the body top, so the labels stand below the symbol.
  const auto shallow = TextsOf("0.05");
  ASSERT_FALSE(shallow.empty());
  EXPECT_EQ(shallow[0].flags, TA_LEFT | TA_TOP);
  EXPECT_GT(shallow[0].points[0].y, MapY(body, 0.05));
  // 1.20 m above the collar: drawn at the collar with its height.
  const auto artesian = TextsOf("+1.20");
  ASSERT_FALSE(artesian.empty());
  EXPECT_GT(artesian[0].points[0].y, MapY(body, 0.0));
  EXPECT_GE(IndicesOfLine({X(120.35), MapY(body, 0.0)}, {X(123.55), MapY(body, 0.0)}).size(), 1U);
  // 3.00 m: above; 3.10 m: its labels would meet the 3.00 m symbol, so below.
  const auto first = TextsOf("3.00");
  const auto second = TextsOf("3.10");
  ASSERT_EQ(first.size(), 1U);
  ASSERT_EQ(second.size(), 1U);
  EXPECT_EQ(first[0].points[0].y, MapY(body, 3.0 - 0.8 * h));
  EXPECT_GT(second[0].points[0].y, MapY(body, 3.1));
  // The texts of all four levels are apart from each other.
  std::vector<RecordedOp> texts;
  for (const char* t : {"0.05", "4/1", "+1.20", "4/2", "3.00", "4/3", "3.10", "4/4"}) {
    const auto found = TextsOf(t);
    ASSERT_FALSE(found.empty()) << t;
    texts.push_back(found[0]);
  }
  auto topOf = [&](const RecordedOp& op) {
    return op.flags == (TA_LEFT | TA_TOP) ? op.points[0].y : op.points[0].y - 9;  // ascent 7/8 of 10 px
  };
  std::sort(texts.begin(), texts.end(), [&](const RecordedOp& a, const RecordedOp& b) { return topOf(a) < topOf(b); });
  for (std::size_t i = 1; i < texts.size(); ++i) {
    EXPECT_GE(topOf(texts[i]), topOf(texts[i - 1]) + 8) << texts[i - 1].text << " / " << texts[i].text;
  }
}

TEST_F(SharedColumns, DescriptionNotesFlowDownAndNeverOverlap) {
  auto& t = record.ObservationTable;
  t.set(1, 1, "0.00");
  t.set(1, 2, "0.20");
  t.set(1, 4, "一行目\r\n二行目\r\n三行目");
  t.set(1, 5, "1");
  t.set(2, 1, "0.20");
  t.set(2, 2, "5.00");
  t.set(2, 4, "次の記事");
  t.set(2, 5, "0");
  Draw(kSoilForm);
  const PageTransform body = Depth(0.0);
  const auto l1 = TextsOf("一行目");
  const auto l3 = TextsOf("三行目");
  const auto next = TextsOf("次の記事");
  ASSERT_EQ(l1.size(), 1U);
  ASSERT_EQ(l3.size(), 1U);
  ASSERT_EQ(next.size(), 1U);
  EXPECT_EQ(l1[0].points[0], (PxPoint{X(82.2 + 0.2), MapY(body, 0.03)}));
  EXPECT_GT(l3[0].points[0].y, l1[0].points[0].y);
  EXPECT_GE(next[0].points[0].y, l3[0].points[0].y + 9);  // below the third line (font 4: 9 px)
  // The frame line at 0.20 m in three pieces; none at 5.00 m.
  EXPECT_EQ(LinesBetween({X(82.2), MapY(body, 0.2)}, {X(83.2), MapY(body, 0.2)}).size(), 1U);
  EXPECT_EQ(LinesBetween({X(83.2), MapY(body, 0.2)}, {X(113.0), MapY(body, 0.2)}).size(), 1U);
  EXPECT_EQ(LinesBetween({X(113.0), MapY(body, 0.2)}, {X(114.0), MapY(body, 0.2)}).size(), 1U);
  EXPECT_TRUE(LinesBetween({X(83.2), MapY(body, 5.0)}, {X(113.0), MapY(body, 5.0)}).empty());
}

TEST_F(SharedColumns, DescriptionStaysInsideItsColumn) {
  record.ObservationTable.set(1, 1, "1.00");
  record.ObservationTable.set(1, 2, "2.00");
  record.ObservationTable.set(1, 4, std::string(60, 'x') + "砂礫層で玉石を多く含む。所々に粘土を挟む。");
  Draw(kSoilForm);
  bool any = false;
  for (const RecordedOp& op : surface.OpsOf(Kind::kText)) {
    if (op.points[0].x < X(82.2) || op.points[0].x > X(114.0)) continue;
    if (op.points[0].y < MapY(Depth(0.0), 1.0)) continue;
    any = true;
    EXPECT_LE(op.points[0].x + WidthOf(op), X(114.0)) << op.text;
  }
  EXPECT_TRUE(any);
}

TEST_F(SharedColumns, GeologicalAgeIsStackedWithSmallKanaReduced) {
  const auto chars = StackedCharacters("ジュラ紀ー");
  ASSERT_EQ(chars.size(), 5U);
  EXPECT_FALSE(chars[0].small);
  EXPECT_TRUE(chars[1].small);
  EXPECT_EQ(chars[4].text, "｜");

  record.GeoAgeTable.set(1, 1, "2.00");
  record.GeoAgeTable.set(1, 2, "6.00");
  record.GeoAgeTable.set(1, 3, "ジュラ紀");
  Draw(kSoilForm);
  const PageTransform body = Depth(0.0);
  const double h = BodyCharHeight();
  const auto ji = BodyTexts("ジ");
  const auto yu = BodyTexts("ュ");
  const auto ki = BodyTexts("紀");
  ASSERT_EQ(ji.size(), 1U);
  ASSERT_EQ(yu.size(), 1U);
  ASSERT_EQ(ki.size(), 1U);
  EXPECT_EQ(ji[0].points[0].x, X(115.5));
  EXPECT_EQ(ji[0].points[0].y, MapY(body, 4.0 - 2.0 * h));  // centred in 2 to 6 m
  EXPECT_EQ(ki[0].points[0].y, MapY(body, 4.0 + 1.0 * h));
  EXPECT_LT(yu[0].font.height, ji[0].font.height);
  EXPECT_EQ(ki[0].font.height, ji[0].font.height);
  // Lines across the strip and the slants at both ends.
  EXPECT_EQ(LinesBetween({X(114.0), MapY(body, 2.0)}, {X(117.0), MapY(body, 2.0)}).size(), 1U);
  EXPECT_EQ(LinesBetween({X(114.0), MapY(body, 6.0)}, {X(114.5), MapY(body, 5.7)}).size(), 1U);
}

TEST_F(SharedColumns, DrillingDateIsAFraction) {
  record.DrillingConditionTable.set(1, 1, "3.00");
  record.DrillingConditionTable.set(1, 2, "4/12");
  record.DrillingConditionTable.set(1, 11, "1");
  record.DrillingConditionTable.set(2, 1, "5.00");
  record.DrillingConditionTable.set(2, 2, "4/13");
  record.DrillingConditionTable.set(2, 11, "2");  // no date
  Draw(kSoilForm);
  const PageTransform body = Depth(0.0);
  const double h = BodyCharHeight();
  const auto month = TextsOf("4");
  const auto day = TextsOf("12");
  ASSERT_EQ(day.size(), 1U);
  EXPECT_EQ(day[0].points[0], (PxPoint{X(268.5 + 0.8), MapY(body, 3.0)}));
  EXPECT_TRUE(std::any_of(month.begin(), month.end(), [&](const RecordedOp& op) {
    return op.points[0] == PxPoint{X(268.5 + 0.4), MapY(body, 3.0 - 0.9 * h)};
  }));
  EXPECT_EQ(LinesBetween({X(268.5), MapY(body, 3.0)}, {X(273.8), MapY(body, 3.0)}).size(), 1U);
  EXPECT_TRUE(TextsOf("13").empty());
}

TEST_F(SharedColumns, NValuePlotMarkersArrowsAndNotes) {
  SheetContext sheet{record, kSoilForm, settings, colours, page};
  SheetPass pass = Pass(sheet);
  const double left = 154.25;
  const PageTransform body = Depth(0.0);
  const double h = pass.charHeight;
  const std::vector<NValuePoint> points = {
      NValuePointOf("5/30", 1.0), NValuePointOf("50/12", 2.0), NValuePointOf("50/7", 3.0),
      NValuePointOf("0/45", 4.0), NValuePointOf("60/0", 5.0)};
  EXPECT_DOUBLE_EQ(points[0].y, 1.15);
  EXPECT_DOUBLE_EQ(points[1].y, 2.06);
  EXPECT_DOUBLE_EQ(points[4].y, 5.0);

  struct Case {
    int symbol;
    bool circleAtFive;
    bool arrowAt50;   // 50/12 drawn as an arrow at the limit
    bool circleAt50;
  };
  for (const Case c : {Case{0, true, false, true}, Case{1, true, true, false}, Case{2, true, true, true}}) {
    SCOPED_TRACE(c.symbol);
    surface.ops.clear();
    NValuePlotStyle style = NValuePlotStyleOf(pass, left);
    style.overflowSymbol = c.symbol;
    DrawNValuePlot(dc, pass, style, points);
    auto circleAt = [&](double x, double y) {
      const int cx = X(x);
      const int cy = MapY(body, y);
      for (const RecordedOp& op : surface.OpsOf(Kind::kEllipse)) {
        if ((op.rect.left + op.rect.right) / 2 == cx && std::abs((op.rect.top + op.rect.bottom) / 2 - cy) <= 1) return true;
      }
      return false;
    };
    EXPECT_EQ(circleAt(left + 5.0, 1.15), c.circleAtFive);
    EXPECT_EQ(circleAt(left + 50.0, 2.06), c.circleAt50);
    EXPECT_EQ(LinesBetween({X(left + 50.0), MapY(body, 2.06)}, {X(left + 50.0 - 3.4), MapY(body, 2.06)}).size(),
              c.arrowAt50 ? 1U : 0U);
    EXPECT_EQ(LinesBetween({X(left + 50.0), MapY(body, 2.06)}, {X(left + 48.0), MapY(body, 1.96)}).size(),
              c.arrowAt50 ? 1U : 0U);
    // The curve stops short of the overflow point and leaves below it.
    EXPECT_EQ(LinesBetween({X(left + 5.0), MapY(body, 1.15)}, {X(left + 50.0), MapY(body, 1.96)}).size(), 1U);
    EXPECT_EQ(LinesBetween({X(left + 50.0), MapY(body, 2.16)}, {X(left + 50.0), MapY(body, 2.935)}).size(), 1U);
    // Notes: 自沈 for 0 blows, 貫入不能 for no penetration, clear of the arrows.
    const auto zero = TextsOf("自沈");
    const auto none = TextsOf("貫入不能");
    ASSERT_EQ(zero.size(), 1U);
    ASSERT_EQ(none.size(), 1U);
    const double zeroX = c.symbol == 0 ? 3.0 : 4.0;
    EXPECT_EQ(zero[0].points[0], (PxPoint{X(left + zeroX), MapY(body, 4.225 - h / 2.0)}));
    EXPECT_EQ(zero[0].flags, TA_LEFT | TA_TOP);
    const double noneX = c.symbol == 0 ? 48.0 : 46.0;
    EXPECT_EQ(none[0].points[0], (PxPoint{X(left + noneX), MapY(body, 5.0 - h / 2.0)}));
    EXPECT_EQ(none[0].flags, TA_RIGHT | TA_TOP);
  }
}

TEST_F(SharedColumns, NValuePlotLimitFollowsTheSetting) {
  SheetContext sheet{record, kSoilForm, settings, colours, page};
  SheetPass pass = Pass(sheet);
  settings.maxBlowCountChoice = 1;
  const NValuePlotStyle style = NValuePlotStyleOf(pass, 154.25);
  EXPECT_EQ(style.blowLimit, 60);
  EXPECT_DOUBLE_EQ(NValuePlotX(style, 55.0), 154.25 + 55.0);
  EXPECT_DOUBLE_EQ(NValuePlotX(style, 125.0), 154.25 + 60.0);
  EXPECT_DOUBLE_EQ(NValuePlotX(style, -3.0), 154.25);
}

}  // namespace
}  // namespace tesmor
