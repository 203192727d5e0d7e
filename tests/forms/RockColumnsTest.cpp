// The data columns of the rock form drawn on a page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "SheetFixture.h"
#include "forms/SheetLayout.h"
#include "record/SjisText.h"
#include "record/TextUtil.h"

namespace tesmor {
namespace {

struct RockColumns : test::SheetFixture {
  RockColumns() : g(ComputeColumnX(kRockForm)) {}

  static int Y(double depth, double top = 0.0) { return MapY(Depth(top), depth); }
  static double BodyCharHeight() { return 10.0 / Depth(0.0).yFactor; }

  // Text ops inside the body whose left edge lies in column k.
  std::vector<RecordedOp> TextsIn(int k) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : surface.OpsOf(Kind::kText)) {
      if (op.points[0].y < Y(0.0)) continue;
      const int left = TextLeft(op);
      if (left >= X(g.Left(k)) - 1 && left < X(g.Right(k))) out.push_back(op);
    }
    return out;
  }

  // Left and right pixel edges of a recorded text (a byte is half the font height wide).
  static int TextWidthPx(const RecordedOp& op) {
    return SjisWidth(op.text) * std::abs(op.font.height) / 2;
  }
  static int TextLeft(const RecordedOp& op) {
    const unsigned h = op.flags & TA_HORIZONTAL_MASK;
    if (h == TA_RIGHT) return op.points[0].x - TextWidthPx(op);
    if (h == TA_CENTER) return op.points[0].x - TextWidthPx(op) / 2;
    return op.points[0].x;
  }
  static int TextTop(const RecordedOp& op) {
    const int height = std::abs(op.font.height);
    const unsigned v = op.flags & TA_VERTICAL_MASK;
    if (v == TA_BOTTOM) return op.points[0].y - height;
    if (v == TA_BASELINE) return op.points[0].y - (height - height / 8);
    return op.points[0].y;
  }

  // Horizontal lines at depth y between the two x (either direction).
  std::vector<RecordedOp> HorizontalLines(double y, double x1, double x2) const {
    return LinesBetween({X(x1), Y(y)}, {X(x2), Y(y)});
  }

  bool HasLine(double x1, double y1, double x2, double y2) const {
    return !LinesBetween({X(x1), Y(y1)}, {X(x2), Y(y2)}).empty();
  }

  ColumnGeometry g;
};

TEST_F(RockColumns, CoreRecoveryLabelsSideByValueAndStayInTheColumn) {
  struct Case {
    const char* value;
    double x;  // mm from the column's left edge
    const char* label;
    unsigned side;
  };
  const Case cases[] = {
      {"100", 20.0, "(100)", TA_RIGHT},
      {"85", 17.0, "(85)", TA_LEFT},
      {"90", 18.0, "(90)", TA_LEFT},
      {"91", 18.2, "(91)", TA_RIGHT},
  };
  int row = 1;
  for (const Case& c : cases) {
    record.CoreRecoveryTable.set(row, 1, Format("%d.00", 2 * row));
    record.CoreRecoveryTable.set(row, 2, c.value);
    record.CoreRecoveryTable.set(row, 3, "2");
    ++row;
  }
  Draw(kRockForm);
  const double left = g.Left(15);
  row = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const double m = row == 1 ? 1.5 : 2.0 * row - 1.0;  // the middle of the row's range
    const double x = left + c.x;
    EXPECT_TRUE(HasLine(x - 0.6, m - 0.06, x + 0.6, m + 0.06));
    EXPECT_TRUE(HasLine(x - 0.6, m + 0.06, x + 0.6, m - 0.06));
    const auto labels = TextsOf(c.label);
    ASSERT_EQ(labels.size(), 1U);
    EXPECT_EQ(labels[0].flags & TA_HORIZONTAL_MASK, c.side);
    EXPECT_EQ(labels[0].flags & TA_VERTICAL_MASK, TA_TOP);  // column 3 is 2: under the middle
    EXPECT_EQ(labels[0].points[0].y, Y(m));
    EXPECT_GE(TextLeft(labels[0]), X(left));
    EXPECT_LE(TextLeft(labels[0]) + TextWidthPx(labels[0]), X(g.Right(15)));
    ++row;
  }
  // 100 % stands right-aligned at the column's right edge.
  EXPECT_EQ(TextsOf("(100)")[0].points[0].x, X(g.Right(15)));
}

TEST_F(RockColumns, FirstCoreRowIsTakenAsOneMetreLong) {
  record.CoreRecoveryTable.set(1, 1, "2.50");
  record.CoreRecoveryTable.set(1, 2, "50");
  record.CoreRecoveryTable.set(1, 3, "2");
  record.CoreRecoveryTable.set(2, 1, "3.50");
  record.CoreRecoveryTable.set(2, 2, "50");
  record.CoreRecoveryTable.set(2, 3, "2");
  Draw(kRockForm);
  const double x = g.Left(15) + 10.0;
  EXPECT_TRUE(HasLine(x - 0.6, 1.94, x + 0.6, 2.06));  // 1.5 to 2.5 m: at 2.0 m
  EXPECT_TRUE(HasLine(x, 2.0, x, 3.0));                 // joined to the next row's point
}

TEST_F(RockColumns, RqdStepLine) {
  record.CoreLengthRqdTable.set(1, 1, "1.00");
  record.CoreLengthRqdTable.set(1, 3, "60");
  record.CoreLengthRqdTable.set(2, 1, "2.00");
  record.CoreLengthRqdTable.set(2, 3, "20");
  Draw(kRockForm);
  const double left = g.Left(15);
  const int width = settings.rqdPlotWidth;
  for (const auto& [x1, y1, x2, y2] : {std::array{left + 12.0, 0.0, left + 12.0, 1.0},
                                       std::array{left + 12.0, 1.0, left + 4.0, 1.0},
                                       std::array{left + 4.0, 1.0, left + 4.0, 2.0}}) {
    const auto lines = LinesBetween({X(x1), Y(y1)}, {X(x2), Y(y2)});
    ASSERT_EQ(lines.size(), 1U) << x1 << " " << y1 << " " << x2 << " " << y2;
    EXPECT_EQ(lines[0].pen.width, width);
  }
  EXPECT_EQ(TextsOf("〔60〕").size(), 1U);
  EXPECT_EQ(TextsOf("〔20〕").size(), 1U);
}

TEST_F(RockColumns, CoreLabelsDoNotOverlap) {
  // Core length and RQD at the same place in every row, recovery at the right edge.
  for (int row = 1; row <= 8; ++row) {
    record.CoreRecoveryTable.set(row, 1, Format("%d.00", row));
    record.CoreRecoveryTable.set(row, 2, "100");
    record.CoreRecoveryTable.set(row, 3, "2");
    record.CoreLengthRqdTable.set(row, 1, Format("%d.00", row));
    record.CoreLengthRqdTable.set(row, 2, row % 2 ? "10" : "95");
    record.CoreLengthRqdTable.set(row, 3, row % 2 ? "10" : "95");
  }
  Draw(kRockForm);
  const auto texts = TextsIn(15);
  ASSERT_EQ(texts.size(), 24U);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const int l1 = TextLeft(texts[i]);
    const int t1 = TextTop(texts[i]);
    EXPECT_GE(l1, X(g.Left(15)));
    EXPECT_LE(l1 + TextWidthPx(texts[i]), X(g.Right(15)));
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      const int l2 = TextLeft(texts[j]);
      const int t2 = TextTop(texts[j]);
      const int h = std::abs(texts[i].font.height);
      const bool apart = l1 + TextWidthPx(texts[i]) <= l2 || l2 + TextWidthPx(texts[j]) <= l1 ||
                         t1 + h - 2 <= t2 || t2 + h - 2 <= t1;
      EXPECT_TRUE(apart) << texts[i].text << " / " << texts[j].text;
    }
  }
}

TEST_F(RockColumns, DrillingDateIsAFraction) {
  record.DrillingConditionTable.set(1, 1, "3.00");
  record.DrillingConditionTable.set(1, 2, "4/12");
  record.DrillingConditionTable.set(1, 11, "1");
  Draw(kRockForm);
  const double left = g.Left(24);
  const double h = BodyCharHeight();
  const auto month = TextsOf("4");
  const auto day = TextsOf("12");
  ASSERT_EQ(month.size(), 1U);
  ASSERT_EQ(day.size(), 1U);
  EXPECT_EQ(month[0].points[0], (PxPoint{X(left + 0.4), Y(3.0 - 0.9 * h)}));
  EXPECT_EQ(day[0].points[0], (PxPoint{X(left + 0.8), Y(3.0)}));
  EXPECT_EQ(day[0].flags & TA_VERTICAL_MASK, TA_BASELINE);
  EXPECT_TRUE(HasLine(left + 0.6, 3.0 - 0.8 * h, left + (g.Width(24) + 1.0) / 2.0, 3.0 - h));
  EXPECT_FALSE(HorizontalLines(3.0, left, g.Right(24)).empty());
}

TEST_F(RockColumns, DrillingConditionValues) {
  // Rows out of depth order; one value without its presence bit; pressures by the
  // decimals settings.
  settings.supplyPressureDecimals = 1;  // no decimals
  settings.waterPressureDecimals = 0;   // as stored
  record.DrillingConditionTable.set(1, 1, "5.00");
  record.DrillingConditionTable.set(1, 5, "150");
  record.DrillingConditionTable.set(1, 6, "7.5");
  record.DrillingConditionTable.set(1, 8, "0.25");
  record.DrillingConditionTable.set(1, 11, "22");  // speed, feed pressure, water pressure
  record.DrillingConditionTable.set(2, 1, "2.00");
  record.DrillingConditionTable.set(2, 10, "12");  // drainage, no presence bit
  record.DrillingConditionTable.set(2, 11, "0");
  Draw(kRockForm);
  struct Expect {
    const char* text;
    int column;
    double depth;
    double inset;
  };
  for (const Expect& e : {Expect{"150", 25, 5.0, 0.0}, Expect{"8", 28, 5.0, 0.0},
                          Expect{"0.25", 30, 5.0, 0.0}, Expect{"12", 32, 2.0, 1.0}}) {
    SCOPED_TRACE(e.text);
    const auto texts = TextsOf(e.text);
    ASSERT_EQ(texts.size(), 1U);
    EXPECT_EQ(texts[0].points[0], (PxPoint{X(g.Right(e.column) - e.inset), Y(e.depth)}));
    EXPECT_EQ(texts[0].flags, TA_RIGHT | TA_BOTTOM);
    EXPECT_FALSE(HorizontalLines(e.depth, g.Left(e.column), g.Right(e.column)).empty());
  }
}

TEST_F(RockColumns, ClassCellsEndOnlyWhereTheirRowHoldsThem) {
  // 1.0: a colour row at a layer boundary; 2.0: a 硬軟 class row; 3.0: colour and
  // 硬軟 inside a layer.
  record.ColourTable.set(1, 1, "1.00");
  record.ColourTable.set(1, 2, "褐");
  record.ColourTable.set(1, 9, "4");
  record.ColourTable.set(2, 1, "2.00");
  record.ColourTable.set(2, 3, "C");
  record.ColourTable.set(2, 9, "11");
  record.ColourTable.set(3, 1, "3.00");
  record.ColourTable.set(3, 2, "灰");
  record.ColourTable.set(3, 3, "D");
  record.ColourTable.set(3, 9, "8");
  Draw(kRockForm);
  const auto piece = [&](int /*column*/, double y, double from, double to) {
    return HorizontalLines(y, from, to).size();
  };
  const double c6 = g.Left(6), r6 = g.Right(6), c7 = g.Left(7), r7 = g.Right(7);
  // Colour tone: whole line at 1.0 (a layer boundary), nothing at 2.0, end pieces at 3.0.
  EXPECT_EQ(piece(6, 1.0, c6 + 0.5, r6 - 0.5), 1U);
  EXPECT_EQ(piece(6, 2.0, c6, c6 + 0.5), 0U);
  EXPECT_EQ(piece(6, 3.0, c6, c6 + 0.5), 1U);
  EXPECT_EQ(piece(6, 3.0, r6 - 0.5, r6), 1U);
  EXPECT_EQ(piece(6, 3.0, c6 + 0.5, r6 - 0.5), 0U);
  // 硬軟: no boundary at 1.0 (the colour row does not hold it), end pieces at 2.0.
  EXPECT_EQ(piece(7, 1.0, c7, c7 + 0.5), 0U);
  EXPECT_EQ(piece(7, 2.0, c7, c7 + 0.5), 1U);
  EXPECT_EQ(piece(7, 2.0, c7 + 0.5, r7 - 0.5), 0U);
  // The cells' texts stand inside their ranges: C over 0 to 2, D over 2 to 3.
  const auto c = TextsOf("C");
  const auto d = TextsOf("D");
  ASSERT_EQ(c.size(), 1U);
  ASSERT_EQ(d.size(), 1U);
  EXPECT_GT(c[0].points[0].y, Y(0.0));
  EXPECT_LT(c[0].points[0].y + 10, Y(2.0));
  EXPECT_GT(d[0].points[0].y, Y(2.0));
  EXPECT_LT(d[0].points[0].y + 10, Y(3.0));
  EXPECT_EQ(TextsOf("褐").size(), 1U);
  EXPECT_EQ(TextsOf("灰").size(), 1U);
}

TEST_F(RockColumns, CellTextsNeverOverlapAndKeepToTheirColumn) {
  // Thin rows with long colour names and class texts wider than a 3.6 mm column.
  for (int row = 1; row <= 40; ++row) {
    record.ColourTable.set(row, 1, Format("%.2f", 0.05 * row));
    record.ColourTable.set(row, 2, row % 2 ? "淡緑灰褐" : "暗茶褐");
    record.ColourTable.set(row, 4, "VIII");
    record.ColourTable.set(row, 9, "4");
  }
  Draw(kRockForm);
  for (const int k : {6, 8}) {
    SCOPED_TRACE(k);
    auto texts = TextsIn(k);
    ASSERT_FALSE(texts.empty());
    std::sort(texts.begin(), texts.end(),
              [](const RecordedOp& a, const RecordedOp& b) { return a.points[0].y < b.points[0].y; });
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_GE(TextLeft(texts[i]), X(g.Left(k)));
      EXPECT_LE(TextLeft(texts[i]) + TextWidthPx(texts[i]), X(g.Right(k)));
      if (i > 0) {
        EXPECT_GE(TextTop(texts[i]), TextTop(texts[i - 1]) + std::abs(texts[i - 1].font.height));
      }
    }
  }
}

TEST_F(RockColumns, LugeonTestDrawsItsPqDiagramInsideItsRange) {
  record.LugeonTable.set(1, 0, "0001");
  record.LugeonTable.set(1, 1, "5.00");
  record.LugeonTable.set(1, 2, "10.00");
  record.LugeonTable.set(1, 3, "0.327");
  record.LugeonTable.set(1, 4, "0.75");
  record.LugeonTable.set(1, 5, "0.000");
  record.LugeonTable.set(1, 6, "0.00");
  record.LugeonTable.set(1, 7, "1");
  record.LugeonTable.set(1, 8, "25");
  record.LugeonTable.set(1, 9, "8");
  record.LugeonTable.set(1, 10, "0.000,0.00,0.122,0.04,0.327,0.23,0.500,7.44,0.224,1.80,0.000,0.00,");
  Draw(kRockForm);
  const double left = g.Left(21);
  const double right = g.Right(21);
  // The slanted lines on the graph (the curve and the Lugeon line) lie inside the
  // test's range.
  int slanted = 0;
  for (const RecordedOp& op : surface.OpsOf(Kind::kLine)) {
    const auto [a, b] = std::pair{op.points[0], op.points[1]};
    if (a.x == b.x || a.y == b.y || std::min(a.x, b.x) < X(left) || std::max(a.x, b.x) > X(right)) continue;
    EXPECT_GE(std::min(a.y, b.y), Y(5.0));
    EXPECT_LE(std::max(a.y, b.y), Y(10.0));
    ++slanted;
  }
  EXPECT_GE(slanted, 5);
  // The axes: P up the graph's left edge, Q along the bottom of the range.
  const double h = BodyCharHeight();
  const double axisBottom = 10.0 - 0.15 * h;
  EXPECT_EQ(LinesBetween({X(left), Y(axisBottom)}, {X(right), Y(axisBottom)}).size(), 1U);
  EXPECT_EQ(TextsOf("P").size(), 1U);
  EXPECT_EQ(TextsOf("Q×0.5").size(), 1U);  // 25 l/min/m on the 50 divisions
  EXPECT_EQ(TextsOf("《0.327》").size(), 1U);
  EXPECT_EQ(TextsOf("1.0").size(), 1U);   // the top of the pressure scale, one decimal
  EXPECT_EQ(TextsOf("0.75").size(), 1U);
  EXPECT_EQ(TextsOf("以上").size(), 1U);
  for (const RecordedOp& op : {TextsOf("0.75")[0], TextsOf("以上")[0]}) {
    EXPECT_GE(TextLeft(op), X(g.Left(19)));
    EXPECT_LE(TextLeft(op) + TextWidthPx(op), X(g.Right(19)));
  }
}

TEST_F(RockColumns, NValuesReadOnTheGraphsOwnScale) {
  struct Case {
    int lugeonScale;
    int blowChoice;
    double n30;   // x of N = 30 from the graph's left edge
    double over;  // x of a test above the limit
  };
  const Case cases[] = {{0, 0, 30.0, 50.0}, {0, 1, 30.0, 50.0}, {1, 0, 25.0, 50.0 * 50.0 / 60.0},
                        {1, 1, 25.0, 50.0}};
  record.SptTable.set(1, 1, "1.00");
  record.SptTable.set(1, 2, "30/30");
  record.SptTable.set(2, 1, "2.00");
  record.SptTable.set(2, 2, "50/5");
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lugeonScale << " " << c.blowChoice);
    settings.rockLugeonScale = c.lugeonScale;
    settings.maxBlowCountChoice = c.blowChoice;
    Draw(kRockForm);
    const double left = g.Left(21);
    EXPECT_TRUE(HasLine(left + c.n30, 1.15, left + c.over, 2.025 - 0.1));
    EXPECT_TRUE(HasLine(left + c.over, 2.025, left + c.over - 3.4, 2.025));  // the overflow arrow
    const auto above = TextsOf(" 30");
    ASSERT_EQ(above.size(), 2U);  // 30 blows over 30 cm
    EXPECT_EQ(TextsOf(" 50").size(), 1U);
    EXPECT_EQ(TextsOf("  5").size(), 1U);
  }
}

TEST_F(RockColumns, SptDepthDataInColumn20) {
  struct Case {
    int mode;
    std::vector<std::string> texts;
  };
  const Case cases[] = {{0, {}},
                        {1, {"1.15"}},
                        {2, {"10", "15", "25/5"}},
                        {3, {"1.15", "10", "15", "25/5"}}};
  record.SptTable.set(1, 1, "1.15");
  record.SptTable.set(1, 2, "50/25");
  record.SptTable.set(1, 3, "10/10");
  record.SptTable.set(1, 4, "15");
  record.SptTable.set(1, 5, "25/5");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    settings.rockSptDepthData = c.mode;
    Draw(kRockForm);
    std::vector<std::string> shown;
    for (const RecordedOp& op : TextsIn(20)) {
      if (op.text != " ") shown.push_back(op.text);
    }
    EXPECT_EQ(shown, c.texts);
  }
}

TEST_F(RockColumns, LayerColumnsStayWithinThePage) {
  record.LayerTable.set(1, 1, "10.00");
  record.LayerTable.set(1, 2, "砂岩");
  record.LayerTable.set(1, 5, "4400.0");
  record.LayerTable.set(1, 7, "471");
  record.LayerTable.set(2, 1, "25.10");
  record.LayerTable.set(2, 2, "泥岩");
  record.LayerTable.set(2, 5, "4300.0");
  record.LayerTable.set(2, 7, "471");
  record.LayerTable.set(3, 1, "60.00");
  record.LayerTable.set(3, 2, "花崗岩");
  record.LayerTable.set(3, 5, "5100.0");
  record.LayerTable.set(3, 7, "471");
  record.FaultZoneTable.set(1, 1, "20.00");
  record.FaultZoneTable.set(1, 2, "30.00");
  record.FaultZoneTable.set(1, 3, "粘土状");
  record.setHeading(13, "100.00");
  for (const double top : {0.0, 25.0}) {
    SCOPED_TRACE(top);
    page.PageTopDepth = top;
    Draw(kRockForm);
    const int pageTop = Y(top, top);
    const int pageBottom = Y(top + 25.0, top);
    const int left = X(g.Left(2));
    const int right = X(g.Right(5));
    // The body clip is popped before the layer columns; check everything after it.
    const auto& ops = surface.ops;
    auto it = std::find_if(ops.begin(), ops.end(), [](const RecordedOp& op) { return op.kind == Kind::kPopClip; });
    ASSERT_NE(it, ops.end());
    int drawn = 0;
    for (++it; it != ops.end(); ++it) {
      const RecordedOp& op = *it;
      if (op.kind == Kind::kText) {
        if (op.points[0].x < left || op.points[0].x > right) continue;
        EXPECT_GE(TextTop(op), pageTop - 1) << op.text;
        EXPECT_LE(TextTop(op) + std::abs(op.font.height), pageBottom + 1) << op.text;
        ++drawn;
        continue;
      }
      if (op.kind != Kind::kLine && op.kind != Kind::kPolyline && op.kind != Kind::kEllipse &&
          op.kind != Kind::kRectangle && op.kind != Kind::kArc) {
        continue;
      }
      std::vector<PxPoint> points = op.points;
      if (op.kind == Kind::kEllipse || op.kind == Kind::kRectangle) {
        points = {{op.rect.left, op.rect.top}, {op.rect.right, op.rect.bottom}};
      }
      bool inColumns = true;
      for (const PxPoint& p : points) inColumns = inColumns && p.x >= left - 1 && p.x <= right + 1;
      if (!inColumns) continue;
      for (const PxPoint& p : points) {
        EXPECT_GE(p.y, pageTop - 2);
        EXPECT_LE(p.y, pageBottom + 2);
      }
      ++drawn;
    }
    EXPECT_GT(drawn, 20);
  }
  // Page 2: the boundary at 25.10 lies too close to the top for its labels to stand
  // above it; they stand under its line.
  const auto depth = TextsOf("25.10");
  ASSERT_EQ(depth.size(), 1U);
  EXPECT_GE(TextTop(depth[0]), Y(25.10, 25.0));
  EXPECT_EQ(TextsOf("74.90").size(), 1U);  // its elevation
  EXPECT_EQ(TextsOf("粘土状").size(), 1U);
}

}  // namespace
}  // namespace tesmor
