// The program's settings: the main settings file SysTesmor.ndx (one value per
// line, the line number is the key), the five fonts, and the values that last only
// while the program runs.
#pragma once

#include <string>

#include "settings/FontSettings.h"

namespace tesmor {

struct Settings {
  // Stored in SysTesmor.ndx; the comment gives the line. Before the first read every
  // number is 0 and every text empty (a short file leaves the rest that way).
  int maxBlowCountChoice = 0;       // 1: 最高打撃回数 0 "50 回", 1 "60 回"
  int soilFormFlag = 0;             // 2: 1 while the soil form is drawn (set by drawing)
  int plotOverflowSymbol = 0;       // 3: 0 "○", 1 "－,→", 2 "－,→と○"
  int soilSptDepthPosition = 0;     // 4: 0 above, 1 below the depth line, 2 not printed
  int rockSptDepthData = 0;         // 5: 0 none, 1 start depth, 2 10 cm breakdown, 3 both
  int soilSampleDepthPosition = 0;  // 6: 0 above, 1 below the depth line, 2 not printed
  int soilInSituGrid = 0;           // 7: 0 "2 x 5 mm", 1 "無し、50mm"
  int rockLugeonScale = 0;          // 8: 0 "50", 1 "60 目盛り"
  int nValueGrid = 0;               // 9: 0 "1 x 1 mm", 1 "10x10 mm"
  int rockCoreGrid = 0;             // 10: 0 "2 x 5 mm", 1 "10x10 mm"
  double siConversionC = 0.0;       // 11: "1kgf/c㎡=ＣkPa" for older rock files
  double lugeonPressurePe = 0.0;    // 12: Lugeon definition pressure, MPa
  int lugeonPmaxDecimals = 0;       // 13: 0 as text, 1 "0", 2 "1"
  int supplyPressureDecimals = 0;   // 14: same coding
  int waterPressureDecimals = 0;    // 15: same coding
  std::string noteZeroBlows;        // 16: "０回以下の時" (at most 16 bytes)
  std::string noteZeroPenetration;  // 17: "分母が０の時" (at most 16 bytes)
  int outerFrameWidth = 0;          // 18: pixels
  int ruleLineWidth = 0;            // 19
  int gridMajorWidth = 0;           // 22: N value and test grid, 10 mm
  int gridMajorDash = 0;            // 23
  int gridMajorGap = 0;             // 24: 0 draws a solid line
  int gridMinorWidth = 0;           // 25: N value and test grid, 1 mm
  int gridMinorDash = 0;            // 26
  int gridMinorGap = 0;             // 27
  int inSituVerticalWidth = 0;      // 28
  int inSituVerticalDash = 0;       // 29
  int inSituVerticalGap = 0;        // 30
  int inSituHorizontalWidth = 0;    // 31
  int inSituHorizontalDash = 0;     // 32
  int inSituHorizontalGap = 0;      // 33
  int coreVerticalWidth = 0;        // 34
  int coreVerticalDash = 0;         // 35
  int coreVerticalGap = 0;          // 36
  int coreHorizontalWidth = 0;      // 37
  int coreHorizontalDash = 0;       // 38
  int coreHorizontalGap = 0;        // 39
  int nValuePlotWidth = 0;          // 41
  int recoveryPlotWidth = 0;        // 42
  int coreLengthPlotWidth = 0;      // 43
  int rqdPlotWidth = 0;             // 44
  int lugeonLineWidth = 0;          // 45
  int lugeonRisingWidth = 0;        // 46
  int lugeonFallingWidth = 0;       // 47
  int lugeonFallingStyle = 0;       // 48: 0 " ── ", 1 " - - - ", 2 "－－－"
  int lugeonAxisXWidth = 0;         // 51
  int lugeonAxisYWidth = 0;         // 52
  std::string masterFileSetting;    // 53: the master path (set to it at every read)
  int printConvertedN = 0;          // 56: "換算N値印字する"
  int plotNAsBlackDot = 0;          // 57: "N値●黒丸でプロット"
  int attachGeologySymbol = 0;      // 58: "土質・地質名にｱﾙﾌｧﾍﾞｯﾄ記号をつける"
  std::string emptyHeadingText;     // 59: shown for an empty heading item
  std::string spareText;            // 60: kept only
  int leftMarginMm = 0;             // 61: 1 to 100, else 5 after a read
  int topMarginMm = 0;              // 62: 1 to 100, else 5 after a read
  int depthPerPage = 0;             // 63: m
  int pageOverlapDepth = 0;         // 64: m
  int scaleDepthPartOnly = 0;       // 65: "深度データ部のみ縮尺有効"
  int columnDrawFlag = 0;           // 66: working flag of the geology column
  int patternsInBlack = 0;          // 67: "黒色で使用"
  int patternLineWidthChoice = 0;   // 68: pattern pen width is this + 1 pixels
  int mixQualityChoice = 0;         // 69: "混り／質"
  int gridMonochrome = 0;           // 71: 0 "カラー", 1 "白黒"
  std::string gridColour;           // 72: "0x" and six hexadecimal digits
  std::string detailGridColour;     // 73: kept only
  std::string coreGridColour;       // 74
  std::string inSituGridColour;     // 75

  // Not stored: they last while the program runs.
  int horizontalScale = 100;     // 1/horizontalScale
  int depthScale = 100;          // 1/depthScale
  double printStartDepth = 0.0;  // m

  // Font1.ndx to Font5.ndx (index kHeadingFont ... kPageFont).
  FontSettings fonts{};

  bool operator==(const Settings&) const = default;
};

// Number of lines SysTesmor.ndx is written with, and what line 0 holds.
inline constexpr int kSettingsFileLines = 81;
inline constexpr std::string_view kSettingsFormatTag = "100";

// SysTesmor.ndx is read in pieces of at most this many Shift_JIS bytes.
inline constexpr int kSettingsReadWidth = 99;

// Margins outside 1 to 100 mm become this after a read.
inline constexpr int kDefaultMarginMm = 5;

// Every stored setting at its default value (what a missing file gives).
void ApplyDefaultSettings(Settings& settings);

// Reads SysTesmor.ndx into settings. When the file cannot be opened every stored
// setting takes its default; otherwise each line present sets its setting (numbers
// that do not convert read as 0) and the settings of missing lines keep their values.
// Then margins outside 1 to 100 become 5. False when the file could not be opened.
// (The caller sets masterFileSetting.)
bool ReadSettingsFile(Settings& settings, const std::string& path);

// Writes SysTesmor.ndx: 81 lines, line 0 "100", numbers "%d" and "%g", texts as they
// are (cut so that each reads back as one line), unused lines empty; CP932, CR LF,
// atomically, creating the folder when missing. False when it cannot be written (the
// caller shows "保存できませんでした"); an existing file is then unchanged.
bool SaveSettings(const Settings& settings, const std::string& path);

}  // namespace tesmor
