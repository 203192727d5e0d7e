// The ranges the settings may take: what the settings dialogs accept, and what a
// value read from SysTesmor.ndx is brought into, so that a hand-edited file cannot
// carry an absurd number (2147483647 metres per page, a line 2147483647 pixels wide)
// into the drawing arithmetic.
#pragma once

#include <algorithm>
#include <array>

#include "record/BoringRecord.h"
#include "settings/Settings.h"

namespace tesmor {

struct IntRange {
  int min;
  int max;
  constexpr int Clamp(int value) const { return std::clamp(value, min, max); }
};

struct RealRange {
  double min;
  double max;
  // A value that is not a number takes the lower end.
  constexpr double Clamp(double value) const { return value >= min ? std::min(value, max) : min; }
};

// One stored number and its range (exactly one of the two members is set).
struct SettingRange {
  int Settings::*intValue = nullptr;
  double Settings::*realValue = nullptr;
  IntRange intRange{0, 0};
  RealRange realRange{0.0, 0.0};
};

constexpr SettingRange IntSetting(int Settings::*value, int min, int max) {
  SettingRange range;
  range.intValue = value;
  range.intRange = {min, max};
  return range;
}

constexpr SettingRange RealSetting(double Settings::*value, double min, double max) {
  SettingRange range;
  range.realValue = value;
  range.realRange = {min, max};
  return range;
}

// Values the program keeps only while it runs.
inline constexpr IntRange kScaleRange{25, 500};                  // "横方向のの縮尺", "深度の縮尺" (1/?)
inline constexpr RealRange kPrintStartDepthRange{-10.0, kDeepestUsableDepth};  // "印刷開始深度"
inline constexpr IntRange kMarginDialogRange{0, 200};            // "トップ", "レフト" (mm)
inline constexpr IntRange kComputedDepthPerPageRange{1, 1000};   // "１ページの最大深度"

// Every number stored in SysTesmor.ndx. Radio groups range over their choices and
// check boxes over 0 and 1. The margins are not here: a margin outside 1 to 100
// becomes 5 when read. A depth per page of 0 asks for the depth that fits the paper.
inline constexpr std::array kSettingRanges = {
    IntSetting(&Settings::maxBlowCountChoice, 0, 1),
    IntSetting(&Settings::soilFormFlag, 0, 1),
    IntSetting(&Settings::plotOverflowSymbol, 0, 2),
    IntSetting(&Settings::soilSptDepthPosition, 0, 2),
    IntSetting(&Settings::rockSptDepthData, 0, 3),
    IntSetting(&Settings::soilSampleDepthPosition, 0, 2),
    IntSetting(&Settings::soilInSituGrid, 0, 1),
    IntSetting(&Settings::rockLugeonScale, 0, 1),
    IntSetting(&Settings::nValueGrid, 0, 1),
    IntSetting(&Settings::rockCoreGrid, 0, 1),
    RealSetting(&Settings::siConversionC, 0.0, 1000.01),
    RealSetting(&Settings::lugeonPressurePe, 0.0, 1000.01),
    IntSetting(&Settings::lugeonPmaxDecimals, 0, 2),
    IntSetting(&Settings::supplyPressureDecimals, 0, 2),
    IntSetting(&Settings::waterPressureDecimals, 0, 2),
    IntSetting(&Settings::outerFrameWidth, 1, 20),
    IntSetting(&Settings::ruleLineWidth, 1, 20),
    IntSetting(&Settings::gridMajorWidth, 0, 20),
    IntSetting(&Settings::gridMajorDash, 1, 20),
    IntSetting(&Settings::gridMajorGap, 0, 20),
    IntSetting(&Settings::gridMinorWidth, 0, 20),
    IntSetting(&Settings::gridMinorDash, 1, 20),
    IntSetting(&Settings::gridMinorGap, 0, 20),
    IntSetting(&Settings::inSituVerticalWidth, 0, 20),
    IntSetting(&Settings::inSituVerticalDash, 1, 20),
    IntSetting(&Settings::inSituVerticalGap, 0, 20),
    IntSetting(&Settings::inSituHorizontalWidth, 0, 20),
    IntSetting(&Settings::inSituHorizontalDash, 1, 20),
    IntSetting(&Settings::inSituHorizontalGap, 0, 100),
    IntSetting(&Settings::coreVerticalWidth, 0, 20),
    IntSetting(&Settings::coreVerticalDash, 0, 20),
    IntSetting(&Settings::coreVerticalGap, 0, 20),
    IntSetting(&Settings::coreHorizontalWidth, 0, 20),
    IntSetting(&Settings::coreHorizontalDash, 0, 20),
    IntSetting(&Settings::coreHorizontalGap, 0, 20),
    IntSetting(&Settings::nValuePlotWidth, 1, 20),
    IntSetting(&Settings::recoveryPlotWidth, 1, 20),
    IntSetting(&Settings::coreLengthPlotWidth, 1, 20),
    IntSetting(&Settings::rqdPlotWidth, 1, 20),
    IntSetting(&Settings::lugeonLineWidth, 1, 20),
    IntSetting(&Settings::lugeonRisingWidth, 1, 20),
    IntSetting(&Settings::lugeonFallingWidth, 1, 20),
    IntSetting(&Settings::lugeonFallingStyle, 0, 2),
    IntSetting(&Settings::lugeonAxisXWidth, 1, 20),
    IntSetting(&Settings::lugeonAxisYWidth, 1, 20),
    IntSetting(&Settings::printConvertedN, 0, 1),
    IntSetting(&Settings::plotNAsBlackDot, 0, 1),
    IntSetting(&Settings::attachGeologySymbol, 0, 1),
    IntSetting(&Settings::depthPerPage, 0, 400),
    IntSetting(&Settings::pageOverlapDepth, 0, 10),
    IntSetting(&Settings::scaleDepthPartOnly, 0, 1),
    IntSetting(&Settings::columnDrawFlag, 0, 1),
    IntSetting(&Settings::patternsInBlack, 0, 1),
    IntSetting(&Settings::patternLineWidthChoice, 0, 19),
    IntSetting(&Settings::mixQualityChoice, 0, 1),
    IntSetting(&Settings::gridMonochrome, 0, 1),
};

// The underline flag of a font file.
inline constexpr IntRange kUnderlineRange{0, 1};

// The range of a stored int setting; nullptr for one without a range (the margins).
constexpr const SettingRange* FindSettingRange(int Settings::*value) {
  for (const SettingRange& range : kSettingRanges) {
    if (range.intValue == value) return &range;
  }
  return nullptr;
}

constexpr const SettingRange* FindSettingRange(double Settings::*value) {
  for (const SettingRange& range : kSettingRanges) {
    if (range.realValue == value) return &range;
  }
  return nullptr;
}

}  // namespace tesmor
