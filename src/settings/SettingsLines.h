// The lines of SysTesmor.ndx: which setting each line holds, its type and its
// default. Lines not listed (0, 20, 21, 40, 49, 50, 54, 55, 70, 76 to 80) hold no
// setting: line 0 is written "100", the others empty, and all are ignored when read.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "settings/Settings.h"

namespace tesmor {

enum class SettingType { Int, Real, Text };

struct SettingLine {
  int line = 0;
  std::string_view name;
  SettingType type = SettingType::Int;
  int Settings::*intValue = nullptr;
  double Settings::*realValue = nullptr;
  std::string Settings::*textValue = nullptr;
  int intDefault = 0;
  double realDefault = 0.0;
  std::string_view textDefault;
};

constexpr SettingLine IntLine(int line, std::string_view name, int Settings::*value, int byDefault) {
  SettingLine entry;
  entry.line = line;
  entry.name = name;
  entry.type = SettingType::Int;
  entry.intValue = value;
  entry.intDefault = byDefault;
  return entry;
}

constexpr SettingLine RealLine(int line, std::string_view name, double Settings::*value, double byDefault) {
  SettingLine entry;
  entry.line = line;
  entry.name = name;
  entry.type = SettingType::Real;
  entry.realValue = value;
  entry.realDefault = byDefault;
  return entry;
}

constexpr SettingLine TextLine(int line, std::string_view name, std::string Settings::*value,
                               std::string_view byDefault) {
  SettingLine entry;
  entry.line = line;
  entry.name = name;
  entry.type = SettingType::Text;
  entry.textValue = value;
  entry.textDefault = byDefault;
  return entry;
}

inline constexpr std::array kSettingLines = {
    IntLine(1, "maxBlowCountChoice", &Settings::maxBlowCountChoice, 0),
    IntLine(2, "soilFormFlag", &Settings::soilFormFlag, 1),
    IntLine(3, "plotOverflowSymbol", &Settings::plotOverflowSymbol, 1),
    IntLine(4, "soilSptDepthPosition", &Settings::soilSptDepthPosition, 1),
    IntLine(5, "rockSptDepthData", &Settings::rockSptDepthData, 0),
    IntLine(6, "soilSampleDepthPosition", &Settings::soilSampleDepthPosition, 1),
    IntLine(7, "soilInSituGrid", &Settings::soilInSituGrid, 0),
    IntLine(8, "rockLugeonScale", &Settings::rockLugeonScale, 0),
    IntLine(9, "nValueGrid", &Settings::nValueGrid, 1),
    IntLine(10, "rockCoreGrid", &Settings::rockCoreGrid, 0),
    RealLine(11, "siConversionC", &Settings::siConversionC, 100.0),
    RealLine(12, "lugeonPressurePe", &Settings::lugeonPressurePe, 1.0),
    IntLine(13, "lugeonPmaxDecimals", &Settings::lugeonPmaxDecimals, 2),
    IntLine(14, "supplyPressureDecimals", &Settings::supplyPressureDecimals, 2),
    IntLine(15, "waterPressureDecimals", &Settings::waterPressureDecimals, 2),
    TextLine(16, "noteZeroBlows", &Settings::noteZeroBlows, "自沈"),
    TextLine(17, "noteZeroPenetration", &Settings::noteZeroPenetration, "貫入不能"),
    IntLine(18, "outerFrameWidth", &Settings::outerFrameWidth, 2),
    IntLine(19, "ruleLineWidth", &Settings::ruleLineWidth, 1),
    IntLine(22, "gridMajorWidth", &Settings::gridMajorWidth, 1),
    IntLine(23, "gridMajorDash", &Settings::gridMajorDash, 10),
    IntLine(24, "gridMajorGap", &Settings::gridMajorGap, 0),
    IntLine(25, "gridMinorWidth", &Settings::gridMinorWidth, 1),
    IntLine(26, "gridMinorDash", &Settings::gridMinorDash, 2),
    IntLine(27, "gridMinorGap", &Settings::gridMinorGap, 2),
    IntLine(28, "inSituVerticalWidth", &Settings::inSituVerticalWidth, 1),
    IntLine(29, "inSituVerticalDash", &Settings::inSituVerticalDash, 10),
    IntLine(30, "inSituVerticalGap", &Settings::inSituVerticalGap, 0),
    IntLine(31, "inSituHorizontalWidth", &Settings::inSituHorizontalWidth, 1),
    IntLine(32, "inSituHorizontalDash", &Settings::inSituHorizontalDash, 3),
    IntLine(33, "inSituHorizontalGap", &Settings::inSituHorizontalGap, 5),
    IntLine(34, "coreVerticalWidth", &Settings::coreVerticalWidth, 1),
    IntLine(35, "coreVerticalDash", &Settings::coreVerticalDash, 10),
    IntLine(36, "coreVerticalGap", &Settings::coreVerticalGap, 0),
    IntLine(37, "coreHorizontalWidth", &Settings::coreHorizontalWidth, 1),
    IntLine(38, "coreHorizontalDash", &Settings::coreHorizontalDash, 3),
    IntLine(39, "coreHorizontalGap", &Settings::coreHorizontalGap, 5),
    IntLine(41, "nValuePlotWidth", &Settings::nValuePlotWidth, 1),
    IntLine(42, "recoveryPlotWidth", &Settings::recoveryPlotWidth, 1),
    IntLine(43, "coreLengthPlotWidth", &Settings::coreLengthPlotWidth, 1),
    IntLine(44, "rqdPlotWidth", &Settings::rqdPlotWidth, 2),
    IntLine(45, "lugeonLineWidth", &Settings::lugeonLineWidth, 1),
    IntLine(46, "lugeonRisingWidth", &Settings::lugeonRisingWidth, 1),
    IntLine(47, "lugeonFallingWidth", &Settings::lugeonFallingWidth, 1),
    IntLine(48, "lugeonFallingStyle", &Settings::lugeonFallingStyle, 0),
    IntLine(51, "lugeonAxisXWidth", &Settings::lugeonAxisXWidth, 2),
    IntLine(52, "lugeonAxisYWidth", &Settings::lugeonAxisYWidth, 2),
    TextLine(53, "masterFileSetting", &Settings::masterFileSetting, ""),
    IntLine(56, "printConvertedN", &Settings::printConvertedN, 1),
    IntLine(57, "plotNAsBlackDot", &Settings::plotNAsBlackDot, 1),
    IntLine(58, "attachGeologySymbol", &Settings::attachGeologySymbol, 1),
    TextLine(59, "emptyHeadingText", &Settings::emptyHeadingText, "-"),
    TextLine(60, "spareText", &Settings::spareText, "-"),
    IntLine(61, "leftMarginMm", &Settings::leftMarginMm, 5),
    IntLine(62, "topMarginMm", &Settings::topMarginMm, 5),
    IntLine(63, "depthPerPage", &Settings::depthPerPage, 25),
    IntLine(64, "pageOverlapDepth", &Settings::pageOverlapDepth, 0),
    IntLine(65, "scaleDepthPartOnly", &Settings::scaleDepthPartOnly, 0),
    IntLine(66, "columnDrawFlag", &Settings::columnDrawFlag, 0),
    IntLine(67, "patternsInBlack", &Settings::patternsInBlack, 0),
    IntLine(68, "patternLineWidthChoice", &Settings::patternLineWidthChoice, 0),
    IntLine(69, "mixQualityChoice", &Settings::mixQualityChoice, 0),
    IntLine(71, "gridMonochrome", &Settings::gridMonochrome, 0),
    TextLine(72, "gridColour", &Settings::gridColour, "0x808080"),
    TextLine(73, "detailGridColour", &Settings::detailGridColour, "0xcccccc"),
    TextLine(74, "coreGridColour", &Settings::coreGridColour, "0x808080"),
    TextLine(75, "inSituGridColour", &Settings::inSituGridColour, "0x808080"),
};

// The last line that holds a setting; later lines are ignored when read.
inline constexpr int kLastSettingLine = 75;

// The entry of a line; nullptr for a line that holds no setting.
constexpr const SettingLine* FindSettingLine(int line) {
  for (const SettingLine& entry : kSettingLines) {
    if (entry.line == line) return &entry;
  }
  return nullptr;
}

}  // namespace tesmor
