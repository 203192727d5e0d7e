// Geometry of the two sheet forms: the column widths, the column edges of a page,
// the title grid and the title labels, and the y positions of the heading bands.
//
// x is millimetres of paper at horizontal scale 1/100 (0 is the left margin line);
// column 0 is the 5 mm strip left of the form and is never drawn in. Heading-band
// y is in units above the depth body (y 0 is its top edge, negative y goes up; one
// unit is 10 mm at depth scale 1/100).
#pragma once

#include <array>
#include <string_view>

#include "record/FormKind.h"

namespace tesmor {

inline constexpr int kSoilColumnCount = 29;
inline constexpr int kRockColumnCount = 33;
inline constexpr int kMaxColumnCount = kRockColumnCount;

inline constexpr std::array<double, kSoilColumnCount> kSoilColumnWidths = {
    5.0,  7.0, 8.8, 7.5, 7.5, 8.2, 18.8, 8.4, 5.5, 5.5,  31.8, 3.0, 3.75, 6.2, 6.5,
    3.8,  3.8, 3.8, 4.6, 4.8, 60.0, 7.4, 3.75, 20.0, 7.4, 6.6,  3.4, 5.7,  5.3};

inline constexpr std::array<double, kRockColumnCount> kRockColumnWidths = {
    5.0, 5.8, 7.8, 7.6, 8.2, 13.0, 5.9, 3.6, 3.6, 3.6, 3.6, 3.6, 42.0, 3.0, 3.0, 20.0, 5.1,
    3.6, 6.3, 4.8, 4.8, 50.0, 5.7, 5.7, 4.8, 5.0, 6.8, 6.8, 5.0, 5.0, 5.0, 5.0, 5.0};

// Columns that several drawers share, by form.
struct FormColumns {
  int waterLevel;     // 孔内水位 / 測定月日
  int description;    // 記事
  int geologicalAge;  // age names beside the description
  int graph;          // the N-value (and Lugeon) graph
  int gridColumn;     // in-situ graph (soil) or core graph (rock)
};
inline constexpr FormColumns kSoilColumns = {13, 10, 11, 20, 23};
inline constexpr FormColumns kRockColumns = {18, 12, 13, 21, 15};

// The column edges of one form: x[0] = 0, x[i] the sum of the first i widths;
// column k spans x[k] to x[k + 1]; x[1] is the form's left edge, x[count] its right.
struct ColumnGeometry {
  int count = 0;
  std::array<double, kMaxColumnCount + 1> x{};
  FormColumns roles = kSoilColumns;

  // Edge i (0 ... count); the nearest edge outside that range.
  double Edge(int i) const;
  double Left(int k) const { return Edge(k); }
  double Right(int k) const { return Edge(k + 1); }
  double Width(int k) const { return Right(k) - Left(k); }
  double Centre(int k) const { return (Left(k) + Right(k)) / 2.0; }
  double FormLeft() const { return Edge(1); }
  double FormRight() const { return Edge(count); }
};

// Column edges of the soil form (formSelector 0) or the rock form (any other value).
ColumnGeometry ComputeColumnX(int formSelector);

// ---- Title and title block ---------------------------------------------------

inline constexpr std::array<double, 19> kTitleGridX = {
    31, 47, 55, 71, 79, 86, 100, 102, 108, 124, 132, 148, 177, 193, 200, 216, 222, 239, 273.8};

// The fixed texts of the title and the title block, in this order.
enum TitleLabel {
  kTitleText, kBoringNumberLabel, kSheetNumberLabel, kSurveyNameLabel, kProjectNameLabel,
  kBoringNameLabel, kLocationLabel, kLatitudeLabel, kLongitudeLabel, kOrderingBodyLabel,
  kSurveyPeriodLabel, kCompanyLabel, kChiefEngineerLabel, kSiteAgentLabel, kCoreExaminerLabel,
  kDrillingChiefLabel, kCollarElevationLabel, kDrillingMachineLabel, kHammerLabel,
  kDropToolLabel, kTotalLengthLabel, kEngineLabel, kPumpLabel, kAngleLabel1, kAngleLabel2,
  kDirectionLabel1, kDirectionLabel2, kSlopeLabel, kEquipmentLabel, kTitleLabelCount
};
inline constexpr std::array<std::string_view, kTitleLabelCount> kTitleLabels = {
    "ボーリング柱状図", "ボーリング№", "シート№", "調　 査　 名  ", "事業・工事名  ",
    "ボーリング名", "調査位置", " 北緯 ", " 東経 ", "発注機関", "調査期間", "調査業者名",
    "主任技師", "現　場代理人", "コ　ア鑑定者", "ボーリング責任者", "孔口標高", "試錐機",
    "ハンマ－", "落下用具", "総掘進長", "エンジン", "ポンプ", "角", "度", "方", "向", "地盤勾配",
    "使用機種"};

// The title block's five rows lie between these lines.
inline constexpr double kTitleBlockTop = -8.48;
inline constexpr double kTitleRowHeight = 0.78;
inline constexpr double kTitleBlockBottom = -4.58;
inline constexpr double kTitleBlockLeft = 5.0;
inline constexpr double kTitleBlockRight = 273.8;

// Top line of title-block row r (1 ... 5); TitleRowTop(6) is the block's bottom.
constexpr double TitleRowTop(int r) { return kTitleBlockTop + kTitleRowHeight * (r - 1); }

// ---- Column heading band ----------------------------------------------------

inline constexpr double kHeadingBandTop = -4.15;
inline constexpr double kHeadingRowStep = 0.3772727;
// The rule under a group heading, where the lines between its sub-columns start.
inline constexpr double kGroupRuleY = -3.169;

// Row line r (0 ... 11, fractions between) of the heading band.
constexpr double HeadingRowY(double r) { return kHeadingBandTop + kHeadingRowStep * r; }

}  // namespace tesmor
