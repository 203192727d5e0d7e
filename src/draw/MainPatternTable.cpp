#include "draw/MainPatternTable.h"

#include "draw/PatternBox.h"

namespace tesmor {

namespace {

// ---- Module ---------------------------------------------------------------------
// Most patterns use rows 0.025 × W apart, the first 0.0125 × W below the box top,
// and columns of W ÷ 6.

constexpr double kCol = 1.0 / 6.0;
constexpr double kRowStep = 0.025;
constexpr double kRowLine = 0.0125;
constexpr double kSubRow = 0.0125;

constexpr double kAtOrigin[] = {0.0};
constexpr double kCols135[] = {1 * kCol, 3 * kCol, 5 * kCol};
constexpr double kCols24[] = {2 * kCol, 4 * kCol};
constexpr double kCols3[] = {3 * kCol};
constexpr double kCols12345[] = {1 * kCol, 2 * kCol, 3 * kCol, 4 * kCol, 5 * kCol};

// Full-width lines.
constexpr Shape kFullLineShapes[] = {Line(0.0, 0.0, 1.0, 0.0)};
constexpr Mark kFullLine = MakeSpanMark(kFullLineShapes);
constexpr Shape kThickFullLineShapes[] = {Line(0.0, 0.0, 1.0, 0.0, kThick)};
constexpr Mark kThickFullLine = MakeSpanMark(kThickFullLineShapes);
constexpr Placement kFullLineRow[] = {{&kFullLine, kAtOrigin}};

// Small grain dots (W ÷ 26 by 0.1 × W ÷ 26).
constexpr double kDotHalfWidth = 1.0 / 26.0;
constexpr double kDotHalfHeight = 0.1 / 26.0;
constexpr Shape kDotShapes[] = {Diamond(0.0, 0.0, kDotHalfWidth, kDotHalfHeight)};
constexpr Mark kDot = MakeMark(kDotShapes);

// Triangles: apex at the row top, sides reaching 0.6 of a column either way,
// 0.0125 × W tall.
constexpr double kTriangleTop = 0.00625;
constexpr double kTriangleHalf = 0.6 * kCol;
constexpr double kTriangleHeight = 0.0125;
// Sides and base run end to start, so that a triangle is drawn as one outline.
constexpr Shape kTriangleShapes[] = {
    Line(0.0, 0.0, -kTriangleHalf, kTriangleHeight),
    Line(-kTriangleHalf, kTriangleHeight, kTriangleHalf, kTriangleHeight),
    Line(kTriangleHalf, kTriangleHeight, 0.0, 0.0)};
constexpr Mark kTriangle = MakeMark(kTriangleShapes);

// One mark in staggered rows: 3 at columns 1, 3, 5 in even rows, 2 at columns 2, 4
// in odd rows.
template <const Mark* M>
struct StaggeredRows {
  static constexpr Placement even[] = {{M, kCols135}};
  static constexpr Placement odd[] = {{M, kCols24}};
  static constexpr PatternRow rows[] = {{even}, {odd}};
};
constexpr auto& kTriangleRows = StaggeredRows<&kTriangle>::rows;

// ---- 100 礫: circles, half circles at the bottom ------------------------------------
constexpr Shape kGravelShapes[] = {Circle(0.0, 0.0, 0.01, kHalfAtBottom)};
constexpr Mark kGravel = MakeMark(kGravelShapes);
constexpr double kGravelEvenXs[] = {2.0 / 9.0, 6.0 / 9.0};
constexpr double kGravelOddXs[] = {4.0 / 9.0, 8.0 / 9.0};
constexpr Placement kGravelEven[] = {{&kGravel, kGravelEvenXs}};
constexpr Placement kGravelOdd[] = {{&kGravel, kGravelOddXs}};
constexpr PatternRow kGravelRows[] = {{kGravelEven}, {kGravelOdd}};

// ---- 500 シルト, 1300 粘土: dashes 3 × W ÷ 15 long, period 4 × W ÷ 15 ------------------
constexpr Shape kSiltDashShapes[] = {Line(-1.5 / 15.0, 0.0, 1.5 / 15.0, 0.0)};
constexpr Mark kSiltDash = MakeMark(kSiltDashShapes);
constexpr double kSiltDashXs[] = {1.5 / 15.0, 5.5 / 15.0, 9.5 / 15.0, 13.5 / 15.0};
constexpr double kClayDashXs[] = {3.5 / 15.0, 7.5 / 15.0, 11.5 / 15.0};
constexpr Placement kSiltDashes[] = {{&kSiltDash, kSiltDashXs}};
constexpr Placement kClayDashes[] = {{&kSiltDash, kClayDashXs}};
constexpr PatternRow kSiltRows[] = {{kSiltDashes}};
constexpr PatternRow kClayRows[] = {{kSiltDashes}, {kClayDashes}};

// ---- 600 粘性土: full-width lines ------------------------------------------------------
constexpr PatternRow kFullLineRows[] = {{kFullLineRow}};

// ---- 700 有機質土: pairs of vertical strokes W ÷ 9 apart, 0.0175 × W long -------------
constexpr double kOrganicHalf = 0.0175 / 2.0;
constexpr Shape kOrganicPairShapes[] = {
    Line(-1.0 / 18.0, -kOrganicHalf, -1.0 / 18.0, kOrganicHalf),
    Line(1.0 / 18.0, -kOrganicHalf, 1.0 / 18.0, kOrganicHalf)};
constexpr Mark kOrganicPair = MakeMark(kOrganicPairShapes);
constexpr double kOrganicXs[] = {1.5 / 9.0, 4.5 / 9.0, 7.5 / 9.0};
constexpr Placement kOrganicPairs[] = {{&kOrganicPair, kOrganicXs}};
constexpr PatternRow kOrganicRows[] = {{kOrganicPairs}};

// ---- 800 火山灰質粘性土: wave arcs of radius 0.011 × W, crests and troughs --------------
// Arcs of 120 degrees, each centred on the row line.
constexpr double kWaveRadius = 0.011;
constexpr Shape kWaveCrestShapes[] = {Arc(0.0, 0.75 * kWaveRadius, kWaveRadius, 30.0, 150.0)};
constexpr Shape kWaveTroughShapes[] = {Arc(0.0, -0.75 * kWaveRadius, kWaveRadius, 210.0, 330.0)};
constexpr Mark kWaveCrest = MakeMark(kWaveCrestShapes);
constexpr Mark kWaveTrough = MakeMark(kWaveTroughShapes);
constexpr double kWaveCrestEvenXs[] = {0.1, 0.9};
constexpr double kWaveTroughEvenXs[] = {0.5};
constexpr double kWaveCrestOddXs[] = {0.8};
constexpr double kWaveTroughOddXs[] = {0.4};
constexpr Placement kWavesEven[] = {{&kWaveCrest, kWaveCrestEvenXs}, {&kWaveTrough, kWaveTroughEvenXs}};
constexpr Placement kWavesOdd[] = {{&kWaveCrest, kWaveCrestOddXs}, {&kWaveTrough, kWaveTroughOddXs}};
constexpr PatternRow kWaveRows[] = {{kWavesEven}, {kWavesOdd}};

// ---- 900 高有機質土: "r" marks, a stem and two slanting strokes ending 0.3 and 0.7 of a
// column right of it, 3 per row W ÷ 3 apart --------------------------------------------
constexpr double kPeatHeight = 0.0175;
constexpr Shape kPeatShapes[] = {Line(0.0, 0.0, 0.0, kPeatHeight),
                                 Line(0.0, 0.4 * kPeatHeight, 0.3 * kCol, 0.0),
                                 Line(0.3 * kCol, 0.0, 0.7 * kCol, 0.15 * kPeatHeight)};
constexpr Mark kPeat = MakeMark(kPeatShapes);
constexpr double kPeatXs[] = {0.65 * kCol, 2.65 * kCol, 4.65 * kCol};
constexpr Placement kPeats[] = {{&kPeat, kPeatXs}};
constexpr PatternRow kPeatRows[] = {{kPeats}};
constexpr double kPeatFirstRow = kRowLine - kPeatHeight / 2.0;

// ---- 1200 火山灰, 8400 火山灰: slanting strokes in rows W ÷ 30 apart, W ÷ 60 high -------
// Positions in eighths of a column (u) from the column's centre.
constexpr double kAshRowHeight = 1.0 / 60.0;
constexpr double kAshU = kCol / 8.0;
constexpr double kAshInset = 0.3 * kAshRowHeight;
constexpr Shape kAshLongDownShapes[] = {  // "/": 7/8 at the top to 1/8 at the bottom
    Line(3 * kAshU, kAshInset, -3 * kAshU, kAshRowHeight - kAshInset)};
constexpr Shape kAshLongUpShapes[] = {  // "\": 1/8 at the top to 7/8 at the bottom
    Line(-3 * kAshU, kAshInset, 3 * kAshU, kAshRowHeight - kAshInset)};
constexpr Shape kAshShortDownShapes[] = {Line(kAshU, 0.0, -kAshU, kAshRowHeight)};
constexpr Shape kAshShortUpShapes[] = {Line(-kAshU, 0.0, kAshU, kAshRowHeight)};
constexpr Mark kAshLongDown = MakeMark(kAshLongDownShapes);
constexpr Mark kAshLongUp = MakeMark(kAshLongUpShapes);
constexpr Mark kAshShortDown = MakeMark(kAshShortDownShapes);
constexpr Mark kAshShortUp = MakeMark(kAshShortUpShapes);
constexpr double kAshCols135[] = {0.5 * kCol, 2.5 * kCol, 4.5 * kCol};
constexpr double kAshCols246[] = {1.5 * kCol, 3.5 * kCol, 5.5 * kCol};
constexpr double kAshCols13[] = {0.5 * kCol, 2.5 * kCol};
constexpr double kAshCol5[] = {4.5 * kCol};
constexpr double kAshCols24[] = {1.5 * kCol, 3.5 * kCol};
constexpr double kAshCol6[] = {5.5 * kCol};
constexpr Placement kAshEven[] = {
    {&kAshLongDown, kAshCols246}, {&kAshShortDown, kAshCols13}, {&kAshShortUp, kAshCol5}};
constexpr Placement kAshOdd[] = {
    {&kAshLongUp, kAshCols135}, {&kAshShortUp, kAshCols24}, {&kAshShortDown, kAshCol6}};
constexpr PatternRow kAshRows[] = {{kAshEven}, {kAshOdd}};
// 8400: the same with short dashes at mid-row across the column boundaries.
constexpr Shape kAshDashShapes[] = {Line(-kAshU, kAshRowHeight / 2.0, kAshU, kAshRowHeight / 2.0)};
constexpr Mark kAshDash = MakeMark(kAshDashShapes);
constexpr Placement kAshDashEven[] = {{&kAshLongDown, kAshCols246},
                                      {&kAshShortDown, kAshCols13},
                                      {&kAshShortUp, kAshCol5},
                                      {&kAshDash, kCols12345}};
constexpr Placement kAshDashOdd[] = {{&kAshLongUp, kAshCols135},
                                     {&kAshShortUp, kAshCols24},
                                     {&kAshShortDown, kAshCol6},
                                     {&kAshDash, kCols12345}};
constexpr PatternRow kAshDashRows[] = {{kAshDashEven}, {kAshDashOdd}};

// ---- 1500 段丘堆積物: large and small grain marks alternating ----------------------------
constexpr Shape kLargeGrainShapes[] = {Diamond(0.0, 0.0, 1.0 / 24.0, 0.1 / 24.0)};
constexpr Shape kSmallGrainShapes[] = {Diamond(0.0, 0.0, 0.6 / 24.0, 0.06 / 24.0)};
constexpr Mark kLargeGrain = MakeMark(kLargeGrainShapes);
constexpr Mark kSmallGrain = MakeMark(kSmallGrainShapes);
constexpr Placement kTerraceEven[] = {{&kLargeGrain, kCols24}, {&kSmallGrain, kCols135}};
constexpr Placement kTerraceOdd[] = {{&kLargeGrain, kCols135}, {&kSmallGrain, kCols24}};
constexpr PatternRow kTerraceRows[] = {{kTerraceEven}, {kTerraceOdd}};

// ---- 1600 砂礫: grain dots alternating with circles -----------------------------------------
constexpr Shape kPebbleShapes[] = {Circle(0.0, 0.0, 0.1 / 12.0)};
constexpr Mark kPebble = MakeMark(kPebbleShapes);
constexpr Placement kSandyGravelEven[] = {{&kDot, kCols24}, {&kPebble, kCols135}};
constexpr Placement kSandyGravelOdd[] = {{&kDot, kCols135}, {&kPebble, kCols24}};
constexpr PatternRow kSandyGravelRows[] = {{kSandyGravelEven}, {kSandyGravelOdd}};

// ---- Igneous-rock grid ---------------------------------------------------------------------
// Cells 0.8 of a column wide and as tall on paper, 3 in even rows and 2 in odd rows.
// Marks are given in cell units: u from -1 (left edge) to 1 (right edge), v from 0
// (top) to 1 (bottom).
constexpr double kCellHalf = 0.4 * kCol;
constexpr double kCellHeight = 2.0 * 0.1 * kCellHalf;
constexpr double kCellTop = 0.00625;
constexpr Shape CellLine(double u1, double v1, double u2, double v2) {
  return Line(u1 * kCellHalf, v1 * kCellHeight, u2 * kCellHalf, v2 * kCellHeight);
}

constexpr Shape kGraniteShapes[] = {CellLine(0, 0, 0, 1), CellLine(-1, 0.5, 1, 0.5)};        // +
constexpr Shape kDioriteShapes[] = {CellLine(-1, 0, 1, 1), CellLine(1, 0, -1, 1)};           // X
constexpr Shape kPeridotiteShapes[] = {CellLine(-1.0 / 3, 0, -1.0 / 3, 1),                   // #
                                       CellLine(1.0 / 3, 0, 1.0 / 3, 1), CellLine(-1, 0.5, 1, 0.5)};
constexpr Shape kSerpentiniteShapes[] = {CellLine(0, 0, 0, 1),                               // ‡
                                         CellLine(-1, 0.5 - 1.0 / 6, 1, 0.5 - 1.0 / 6),
                                         CellLine(-1, 0.5 + 1.0 / 6, 1, 0.5 + 1.0 / 6)};
constexpr Shape kPorphyriteShapes[] = {CellLine(0, 0, 0, 1), CellLine(-1, 0, 1, 0)};         // T
constexpr Shape kDiabaseShapes[] = {CellLine(0, 0, 0, 1), CellLine(-1, 1, 1, 1)};            // ⊥
constexpr Shape kRhyoliteShapes[] = {CellLine(-1, 0, -1, 1), CellLine(-1, 1, 1, 1)};         // L
constexpr Shape kBasaltShapes[] = {CellLine(-1, 0, 0, 1), CellLine(0, 1, 1, 0)};             // V
constexpr Shape kGreenstoneShapes[] = {CellLine(-1, 1, 0, 0), CellLine(0, 0, 1, 1)};         // ∧
// 4100 凝灰岩: "ハ", strokes spreading downward from 0.2 to 0.44 of a column either
// side of the centre, W ÷ 120 high, centred in the cell.
constexpr double kTuffTop = (1.0 - (1.0 / 120.0) / kCellHeight) / 2.0;
constexpr Shape kTuffShapes[] = {CellLine(-0.5, kTuffTop, -1.1, 1.0 - kTuffTop),
                                 CellLine(0.5, kTuffTop, 1.1, 1.0 - kTuffTop)};

constexpr Mark kGraniteCell = MakeCellMark(kGraniteShapes, kCellHalf);
constexpr Mark kDioriteCell = MakeCellMark(kDioriteShapes, kCellHalf);
constexpr Mark kPeridotiteCell = MakeCellMark(kPeridotiteShapes, kCellHalf);
constexpr Mark kSerpentiniteCell = MakeCellMark(kSerpentiniteShapes, kCellHalf);
constexpr Mark kPorphyriteCell = MakeCellMark(kPorphyriteShapes, kCellHalf);
constexpr Mark kDiabaseCell = MakeCellMark(kDiabaseShapes, kCellHalf);
constexpr Mark kRhyoliteCell = MakeCellMark(kRhyoliteShapes, kCellHalf);
constexpr Mark kBasaltCell = MakeCellMark(kBasaltShapes, kCellHalf);
constexpr Mark kGreenstoneCell = MakeCellMark(kGreenstoneShapes, kCellHalf);
constexpr Mark kTuffCell = MakeCellMark(kTuffShapes, kCellHalf);

constexpr auto& kGraniteRows = StaggeredRows<&kGraniteCell>::rows;
constexpr auto& kDioriteRows = StaggeredRows<&kDioriteCell>::rows;
constexpr auto& kPeridotiteRows = StaggeredRows<&kPeridotiteCell>::rows;
constexpr auto& kSerpentiniteRows = StaggeredRows<&kSerpentiniteCell>::rows;
constexpr auto& kPorphyriteRows = StaggeredRows<&kPorphyriteCell>::rows;
constexpr auto& kDiabaseRows = StaggeredRows<&kDiabaseCell>::rows;
constexpr auto& kRhyoliteRows = StaggeredRows<&kRhyoliteCell>::rows;
constexpr auto& kBasaltRows = StaggeredRows<&kBasaltCell>::rows;
constexpr auto& kGreenstoneRows = StaggeredRows<&kGreenstoneCell>::rows;
constexpr auto& kTuffRows = StaggeredRows<&kTuffCell>::rows;

// 2200 風化花崗岩: the granite grid with grain dots between the crosses.
constexpr Shape kCellDotShapes[] = {Diamond(0.0, kCellHeight / 2.0, kDotHalfWidth, kDotHalfHeight)};
constexpr Mark kCellDot = MakeMark(kCellDotShapes);
constexpr Placement kWeatheredGraniteEven[] = {{&kGraniteCell, kCols135}, {&kCellDot, kCols24}};
constexpr Placement kWeatheredGraniteOdd[] = {{&kGraniteCell, kCols24}, {&kCellDot, kCols135}};
constexpr PatternRow kWeatheredGraniteRows[] = {{kWeatheredGraniteEven}, {kWeatheredGraniteOdd}};

// ---- 2600 石英斑岩: tick marks 2 × W ÷ 12 long on a W ÷ 12 module ------------------------
// A horizontal stroke over twelfths 1-3 and 9-11, two strokes "//" over twelfths
// 5-6 and 6-7, one stroke "\" over twelfths 8-9; the slanting strokes rise 60
// degrees so that every stroke is two twelfths long.
constexpr double kTwelfth = 1.0 / 12.0;
constexpr double kTickHeight = 0.1 * 1.7320508075688772 * kTwelfth;
constexpr Shape kTickDashShapes[] = {
    Line(-kTwelfth, kTickHeight / 2.0, kTwelfth, kTickHeight / 2.0)};
constexpr Shape kTickDittoShapes[] = {Line(0.0, 0.0, -kTwelfth, kTickHeight),
                                      Line(kTwelfth, 0.0, 0.0, kTickHeight)};
constexpr Shape kTickBackShapes[] = {Line(-0.5 * kTwelfth, 0.0, 0.5 * kTwelfth, kTickHeight)};
constexpr Mark kTickDash = MakeMark(kTickDashShapes);
constexpr Mark kTickDitto = MakeMark(kTickDittoShapes);
constexpr Mark kTickBack = MakeMark(kTickBackShapes);
constexpr double kTickDashXs[] = {2 * kTwelfth, 10 * kTwelfth};
constexpr double kTickDittoXs[] = {6 * kTwelfth};
constexpr double kTickBackXs[] = {8.5 * kTwelfth};
constexpr Placement kPorphyryRow[] = {
    {&kTickDash, kTickDashXs}, {&kTickDitto, kTickDittoXs}, {&kTickBack, kTickBackXs}};
constexpr PatternRow kPorphyryRows[] = {{kPorphyryRow}};

// ---- 4200 石灰岩: brick courses ---------------------------------------------------------------
// A course is a row: its joints (cut at the box bottom) and the line under it.
constexpr Shape kCourseLineShapes[] = {Line(0.0, kRowStep, 1.0, kRowStep)};
constexpr Mark kCourseLine = MakeSpanMark(kCourseLineShapes);
constexpr Shape kJointShapes[] = {Line(0.0, 0.0, 0.0, kRowStep, kCutAtBottom)};
constexpr Mark kJoint = MakeMark(kJointShapes);
constexpr double kJointEvenXs[] = {0.25, 0.75};
constexpr double kJointOddXs[] = {0.5};
constexpr Placement kCourseEven[] = {{&kCourseLine, kAtOrigin}, {&kJoint, kJointEvenXs}};
constexpr Placement kCourseOdd[] = {{&kCourseLine, kAtOrigin}, {&kJoint, kJointOddXs}};
constexpr PatternRow kLimestoneRows[] = {{kCourseEven}, {kCourseOdd}};

// ---- 4300 泥岩, 4800 炭質頁岩: dense thick lines --------------------------------------------
constexpr Placement kThickLineRow[] = {{&kThickFullLine, kAtOrigin}};
constexpr PatternRow kMudstoneRows[] = {{kThickLineRow}};

// ---- 4600 互層: grain dots alternating with lines -----------------------------------------------
constexpr double kAlternationDotXs[] = {1.0 / 7, 2.0 / 7, 3.0 / 7, 4.0 / 7, 5.0 / 7, 6.0 / 7};
constexpr Placement kAlternationDots[] = {{&kDot, kAlternationDotXs}};
constexpr PatternRow kAlternationRows[] = {{kAlternationDots}, {kFullLineRow}};

// ---- 4700 チャート: 5 dashes 2 × W ÷ 14 long, period 3 × W ÷ 14 -----------------------------
constexpr Shape kChertDashShapes[] = {Line(-1.0 / 14.0, 0.0, 1.0 / 14.0, 0.0)};
constexpr Mark kChertDash = MakeMark(kChertDashShapes);
constexpr double kChertXs[] = {1.0 / 14, 4.0 / 14, 7.0 / 14, 10.0 / 14, 13.0 / 14};
constexpr Placement kChertDashes[] = {{&kChertDash, kChertXs}};
constexpr PatternRow kChertRows[] = {{kChertDashes}};

// ---- 4900 粘板岩: thick dashes W ÷ 9 long and apart, 4 and 5 in turn, thin lines between
constexpr Shape kSlateDashShapes[] = {Line(-0.5 / 9.0, 0.0, 0.5 / 9.0, 0.0, kThick)};
constexpr Mark kSlateDash = MakeMark(kSlateDashShapes);
constexpr double kSlate4Xs[] = {1.5 / 9, 3.5 / 9, 5.5 / 9, 7.5 / 9};
constexpr double kSlate5Xs[] = {0.5 / 9, 2.5 / 9, 4.5 / 9, 6.5 / 9, 8.5 / 9};
constexpr Placement kSlate4[] = {{&kSlateDash, kSlate4Xs}};
constexpr Placement kSlate5[] = {{&kSlateDash, kSlate5Xs}};
constexpr PatternRow kSlateRows[] = {{kSlate4}, {kFullLineRow}, {kSlate5}, {kFullLineRow}};

// ---- 5000 火山角礫岩: triangles filled with strokes on a thick base -------------------------
constexpr Shape HatchStroke(double third) {
  const double x = third * kTriangleHalf / 3.0;
  return Line(x, kTriangleHeight * (third < 0 ? -third : third) / 3.0, x, kTriangleHeight);
}
constexpr Shape kHatchedTriangleShapes[] = {
    Line(0.0, 0.0, -kTriangleHalf, kTriangleHeight), Line(0.0, 0.0, kTriangleHalf, kTriangleHeight),
    HatchStroke(-2), HatchStroke(-1), HatchStroke(0), HatchStroke(1), HatchStroke(2),
    Line(-kTriangleHalf, kTriangleHeight, kTriangleHalf, kTriangleHeight, kThick)};
constexpr Mark kHatchedTriangle = MakeMark(kHatchedTriangleShapes);
constexpr auto& kBrecciaRows = StaggeredRows<&kHatchedTriangle>::rows;

// ---- 5100 集塊岩: triangles with grain dots between them --------------------------------------
constexpr Shape kTriangleDotShapes[] = {
    Diamond(0.0, kTriangleHeight / 2.0, kDotHalfWidth, kDotHalfHeight)};
constexpr Mark kTriangleDot = MakeMark(kTriangleDotShapes);
constexpr Placement kAgglomerateEven[] = {{&kTriangle, kCols135}, {&kTriangleDot, kCols24}};
constexpr Placement kAgglomerateOdd[] = {{&kTriangle, kCols24}, {&kTriangleDot, kCols135}};
constexpr PatternRow kAgglomerateRows[] = {{kAgglomerateEven}, {kAgglomerateOdd}};

// ---- 5200 熔結凝灰岩: triangles (two first) with waves "～" between them ---------------------
// A wave is a crest and a trough, half circles side by side, 0.68 of a column wide.
constexpr double kTildeRadius = 0.0028;
constexpr double kTildeHalf = kXUnitsPerCentimetre * kTildeRadius;
constexpr Shape kTildeShapes[] = {Arc(-kTildeHalf, kTriangleHeight / 2.0, kTildeRadius, 0.0, 180.0),
                                  Arc(kTildeHalf, kTriangleHeight / 2.0, kTildeRadius, 180.0, 360.0)};
constexpr Mark kTilde = MakeMark(kTildeShapes);
constexpr Placement kWeldedTuffEven[] = {{&kTriangle, kCols24}, {&kTilde, kCols135}};
constexpr Placement kWeldedTuffOdd[] = {{&kTriangle, kCols135}, {&kTilde, kCols24}};
constexpr PatternRow kWeldedTuffRows[] = {{kWeldedTuffEven}, {kWeldedTuffOdd}};

// ---- 6100 結晶片岩, 6200 緑色片岩: wavy lines of half circles of radius W ÷ 70 -------------
// Crest, trough, crest at 1, 3 and 5 sevenths join into one S-shaped line; a wave
// takes two rows of W ÷ 70 and a third row is left free.
constexpr double kSchistRadius = 1.0 / 70.0;
// Arc i (0 to 2) of a wave whose line lies dy below the row line.
constexpr Shape WaveArc(int i, double dy) {
  const bool crest = i % 2 == 0;
  return Arc((2 * i + 1) / 7.0, dy, kSchistRadius, crest ? 0.0 : 180.0, crest ? 180.0 : 360.0);
}
constexpr Shape kSchistWaveShapes[] = {WaveArc(0, 0.0), WaveArc(1, 0.0), WaveArc(2, 0.0)};
// 6200: the wave doubled, the second 0.7 of a radius below the first.
constexpr double kSecondWave = 0.7 * kSchistRadius;
constexpr Shape kDoubleWaveShapes[] = {WaveArc(0, 0.0),        WaveArc(1, 0.0),
                                       WaveArc(2, 0.0),        WaveArc(0, kSecondWave),
                                       WaveArc(1, kSecondWave), WaveArc(2, kSecondWave)};
constexpr Mark kSchistWave = MakeSpanMark(kSchistWaveShapes);
constexpr Mark kDoubleWave = MakeSpanMark(kDoubleWaveShapes);
constexpr Placement kSchistRow[] = {{&kSchistWave, kAtOrigin}};
constexpr Placement kDoubleWaveRow[] = {{&kDoubleWave, kAtOrigin}};
constexpr PatternRow kSchistRows[] = {{kSchistRow}};
constexpr PatternRow kDoubleWaveRows[] = {{kDoubleWaveRow}};

// ---- 6300 ホルンフェルス: "∫" marks on the W ÷ 7 module ------------------------------------
// A slanting stroke with a hook curling right at its top and left at its bottom.
constexpr double kIntegralHeight = 0.02;
constexpr double kIntegralSlant = 0.025;
constexpr double kHookRadius = 0.003;
constexpr double kHookHalf = kXUnitsPerCentimetre * kHookRadius;
constexpr Shape kIntegralShapes[] = {
    Arc(kIntegralSlant + kHookHalf, kHookRadius, kHookRadius, 0.0, 180.0),
    Line(kIntegralSlant, kHookRadius, -kIntegralSlant, kIntegralHeight - kHookRadius),
    Arc(-kIntegralSlant - kHookHalf, kIntegralHeight - kHookRadius, kHookRadius, 180.0, 360.0)};
constexpr Mark kIntegral = MakeMark(kIntegralShapes);
constexpr double kSevenths135[] = {1.0 / 7, 3.0 / 7, 5.0 / 7};
constexpr double kSevenths246[] = {2.0 / 7, 4.0 / 7, 6.0 / 7};
constexpr Placement kHornfelsEven[] = {{&kIntegral, kSevenths135}};
constexpr Placement kHornfelsOdd[] = {{&kIntegral, kSevenths246}};
constexpr PatternRow kHornfelsRows[] = {{kHornfelsEven}, {kHornfelsOdd}};

// ---- 6400: lines every 3 sub-rows with short slanting strokes between them -----------------
constexpr Shape kSlashShapes[] = {Line(-1.0 / 32.0, kSubRow / 4.0, 1.0 / 32.0, -kSubRow / 4.0)};
constexpr Mark kSlash = MakeMark(kSlashShapes);
constexpr double kEighths13[] = {0.5 / 8, 2.5 / 8};
constexpr double kEighths135[] = {0.5 / 8, 2.5 / 8, 4.5 / 8};
constexpr double kEighths24[] = {1.5 / 8, 3.5 / 8};
constexpr double kEighths246[] = {1.5 / 8, 3.5 / 8, 5.5 / 8};
constexpr Placement kSlashes13[] = {{&kSlash, kEighths13}};
constexpr Placement kSlashes135[] = {{&kSlash, kEighths135}};
constexpr Placement kSlashes24[] = {{&kSlash, kEighths24}};
constexpr Placement kSlashes246[] = {{&kSlash, kEighths246}};
constexpr PatternRow kLinedSlashRows[] = {{kFullLineRow}, {kSlashes13}, {kSlashes135},
                                          {kFullLineRow}, {kSlashes24}, {kSlashes246}};

// ---- 6800 玉石: a large and a small boulder per row ------------------------------------------
constexpr Shape kLargeBoulderShapes[] = {Circle(0.0, 1.0 / 60.0, 0.1 / 6.0, kHalfAtBottom)};
constexpr Shape kSmallBoulderShapes[] = {Circle(0.0, 2.2 / 60.0, 0.06 / 6.0, kHalfAtBottom)};
constexpr Mark kLargeBoulder = MakeMark(kLargeBoulderShapes);
constexpr Mark kSmallBoulder = MakeMark(kSmallBoulderShapes);
constexpr double kLargeBoulderXs[] = {4 * kCol};
constexpr double kSmallBoulderXs[] = {1.5 * kCol};
constexpr Placement kBoulderRow[] = {{&kLargeBoulder, kLargeBoulderXs},
                                     {&kSmallBoulder, kSmallBoulderXs}};
constexpr PatternRow kBoulderRows[] = {{kBoulderRow}};

// ---- 8200 シラス: triangles and slanting strokes one column long, "／△／" ---------------------
constexpr double kShirasuHalfRun = 0.0551;  // with the triangle's height, one column long
constexpr Shape kLongSlashShapes[] = {Line(-kShirasuHalfRun, kTriangleHeight, kShirasuHalfRun, 0.0)};
constexpr Mark kLongSlash = MakeMark(kLongSlashShapes);
constexpr Placement kShirasuEven[] = {{&kTriangle, kCols24}, {&kLongSlash, kCols135}};
constexpr Placement kShirasuOdd[] = {{&kTriangle, kCols3}, {&kLongSlash, kCols24}};
constexpr PatternRow kShirasuRows[] = {{kShirasuEven}, {kShirasuOdd}};

// ---- 8300 スコリア: triangles drawn thick --------------------------------------------------------
constexpr Shape kThickTriangleShapes[] = {
    Line(0.0, 0.0, -kTriangleHalf, kTriangleHeight, kThick),
    Line(-kTriangleHalf, kTriangleHeight, kTriangleHalf, kTriangleHeight, kThick),
    Line(kTriangleHalf, kTriangleHeight, 0.0, 0.0, kThick)};
constexpr Mark kThickTriangle = MakeMark(kThickTriangleShapes);
constexpr auto& kScoriaRows = StaggeredRows<&kThickTriangle>::rows;

// ---- 8500 (1700 ローム): "ハ" pairs in rows W ÷ 60 high --------------------------------------
// From 4 to 1 and from 7 to 10 sixtieths right of the column start; the mark is
// placed by its centre, 5.5 sixtieths in.
constexpr double kHaHeight = 1.0 / 60.0;
constexpr Shape kHaShapes[] = {Line(-1.5 / 60.0, 0.0, -4.5 / 60.0, kHaHeight),
                               Line(1.5 / 60.0, 0.0, 4.5 / 60.0, kHaHeight)};
constexpr Mark kHa = MakeMark(kHaShapes);
constexpr double kHaEvenXs[] = {0 * kCol + 5.5 / 60, 2 * kCol + 5.5 / 60, 4 * kCol + 5.5 / 60};
constexpr double kHaOddXs[] = {1 * kCol + 5.5 / 60, 3 * kCol + 5.5 / 60, 5 * kCol + 5.5 / 60};
constexpr Placement kHaEven[] = {{&kHa, kHaEvenXs}};
constexpr Placement kHaOdd[] = {{&kHa, kHaOddXs}};
constexpr PatternRow kHaRows[] = {{kHaEven}, {kHaOdd}};
constexpr double kHaFirstRow = kRowLine - kHaHeight / 2.0;

// ---- 8600 黒ボク: "＼||／" --------------------------------------------------------------------
constexpr Shape kKurobokuShapes[] = {
    Line(-0.1 * kCol, 0.0, -0.1 * kCol, kHaHeight), Line(0.1 * kCol, 0.0, 0.1 * kCol, kHaHeight),
    Line(-0.45 * kCol, 0.0, -0.25 * kCol, kHaHeight), Line(0.45 * kCol, 0.0, 0.25 * kCol, kHaHeight)};
constexpr Mark kKuroboku = MakeMark(kKurobokuShapes);
constexpr auto& kKurobokuRows = StaggeredRows<&kKuroboku>::rows;

// ---- 8700 マサ: upright crosses (arms 0.4 of a column) and slanting strokes, "＋/＋/" ------
constexpr double kCrossHeight = 0.1 * 0.8 * kCol;
constexpr Shape kCrossShapes[] = {Line(-0.4 * kCol, kCrossHeight / 2.0, 0.4 * kCol, kCrossHeight / 2.0),
                                  Line(0.0, 0.0, 0.0, kCrossHeight)};
constexpr Shape kCrossSlashShapes[] = {Line(-0.3 * kCol, kCrossHeight, 0.3 * kCol, 0.0)};
constexpr Mark kCross = MakeMark(kCrossShapes);
constexpr Mark kCrossSlash = MakeMark(kCrossSlashShapes);
constexpr Placement kMasaEven[] = {{&kCross, kCols135}, {&kCrossSlash, kCols24}};
constexpr Placement kMasaOdd[] = {{&kCross, kCols24}, {&kCrossSlash, kCols135}};
constexpr PatternRow kMasaRows[] = {{kMasaEven}, {kMasaOdd}};
constexpr double kCrossFirstRow = kRowLine - kCrossHeight / 2.0;

// ---- The patterns, in their listed order ---------------------------------------------------------
constexpr MainPattern kPatterns[] = {
    {100, kRowLine, kRowStep, kGravelRows},                         // 礫
    {500, kRowLine, kRowStep, kSiltRows},                           // シルト
    {600, kRowLine, kRowStep, kFullLineRows},                       // 粘性土 粘土
    {700, kRowLine, kRowStep, kOrganicRows},                        // 有機質土
    {800, kRowLine, kRowStep, kWaveRows},                           // 火山灰質粘性土
    {900, kPeatFirstRow, kRowStep, kPeatRows},                      // 高有機質土腐植土
    {1100, kTriangleTop, kRowStep, kTriangleRows},                  // 崖錐崖錐堆積物
    {1200, 1.0 / 120.0, 1.0 / 30.0, kAshRows},                      // 火山灰
    {1300, kRowLine, kSubRow, kClayRows},                           // 粘土 固結粘土
    {1500, kRowLine, kRowStep, kTerraceRows},                       // 段丘堆積物
    {1600, kRowLine, kRowStep, kSandyGravelRows},                   // 砂礫
    {1700, kHaFirstRow, kRowStep, kHaRows},                         // ローム (as 8500)
    {2100, kCellTop, kRowStep, kGraniteRows},                       // 花崗岩
    {2200, kCellTop, kRowStep, kWeatheredGraniteRows},              // 風化花崗岩
    {2300, kCellTop, kRowStep, kDioriteRows},                       // 閃緑岩
    {2400, kCellTop, kRowStep, kPeridotiteRows},                    // かんらん岩
    {2500, kCellTop, kRowStep, kSerpentiniteRows},                  // 蛇紋岩
    {2600, kTriangleTop, kRowStep, kPorphyryRows},                  // 石英斑岩、花崗斑岩
    {2700, kCellTop, kRowStep, kPorphyriteRows},                    // ひん岩
    {2800, kCellTop, kRowStep, kDiabaseRows},                       // 輝緑岩
    {2900, kCellTop, kRowStep, kRhyoliteRows},                      // 流紋岩
    {3000, kCellTop, kRowStep, kBasaltRows},                        // 玄武岩
    {3100, kCellTop, kRowStep, kGreenstoneRows},                    // 緑色岩
    {4100, kCellTop, kRowStep, kTuffRows},                          // 凝灰岩
    {4200, 0.0, kRowStep, kLimestoneRows},                          // 石灰岩
    {4300, kSubRow / 2.0, kSubRow, kMudstoneRows},                  // 泥岩、頁岩、シルト岩
    {4600, kSubRow / 2.0, kSubRow, kAlternationRows},               // 互層
    {4700, 0.02, kRowStep, kChertRows},                             // チャート
    {4800, kSubRow / 2.0, kSubRow, kMudstoneRows},                  // 炭質頁岩 (as 4300)
    {4900, kSubRow / 2.0, kSubRow, kSlateRows},                     // 粘板岩、砂質頁岩
    {5000, kTriangleTop, kRowStep, kBrecciaRows},                   // 火山角礫岩
    {5100, kTriangleTop, kRowStep, kAgglomerateRows},               // 集塊岩
    {5200, kTriangleTop, kRowStep, kWeldedTuffRows},                // 熔結凝灰岩
    {6100, kSchistRadius, 3.0 * kSchistRadius, kSchistRows},        // 結晶片岩
    {6200, kSchistRadius, 4.0 * kSchistRadius, kDoubleWaveRows},    // 緑色片岩
    {6300, (kRowStep - kIntegralHeight) / 2.0, kRowStep, kHornfelsRows},  // ホルンフェルス
    {6400, kSubRow / 2.0, kSubRow, kLinedSlashRows},                // (全角空白)
    {6800, 1.0 / 120.0, 1.0 / 20.0, kBoulderRows},                  // 玉石
    {8100, kTriangleTop, kRowStep, kTriangleRows},                  // 浮石 軽石 (as 1100)
    {8200, kTriangleTop, kRowStep, kShirasuRows},                   // シラス
    {8300, kTriangleTop, kRowStep, kScoriaRows},                    // スコリア
    {8400, 1.0 / 120.0, 1.0 / 30.0, kAshDashRows},                  // 火山灰
    {8500, kHaFirstRow, kRowStep, kHaRows},                         // -
    {8600, kHaFirstRow, kRowStep, kKurobokuRows},                   // 黒ボク
    {8700, kCrossFirstRow, kRowStep, kMasaRows},                    // マサ
};

}  // namespace

std::span<const MainPattern> MainPatterns() { return kPatterns; }

}  // namespace tesmor
