#include "forms/RockHeadings.h"

#include <algorithm>
#include <array>
#include <string>

#include "draw/TextOps.h"
#include "forms/HeadingBand.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

// The rule under "掘進状況"; the drilling sub-columns hang from just below it.
constexpr double kDrillingRuleY = -3.25;
constexpr double kDrillingTextTop = -3.19;

// Core graph (column 15, x 119.3 to 139.3): the legend of its three plots.
constexpr double kCoreLeft = 119.3;
constexpr double kCoreMiddle = 129.3;
constexpr double kCoreRight = 139.3;

constexpr std::array kItems = {
    Stack(1, "標|尺|(m)"),
    Stack(2, "標|高|(m)"),
    Stack(3, "深|度|(m)"),
    Stack(4, "柱状図"),
    Stack(5, "岩種区分"),
    Stack(6, "色調"),
    Stack(7, "硬軟"),
    Stack(8, "コア形状"),
    Vertical(9, -3.95, -0.20, "割れ目の状態"),
    Stack(10, "風化"),
    Stack(11, "変質"),
    Stack(12, 13, "記事"),
    CentredAt(kCoreLeft, kCoreRight, 1.3, "コア採取率"),
    CentredAt(kCoreLeft, kCoreMiddle, 2.4, "(％)"),
    CentredAt(kCoreMiddle, kCoreRight, 2.4, "―×―"),
    CentredAt(kCoreLeft, kCoreRight, 4.3, "最大コア長"),
    CentredAt(kCoreLeft, kCoreMiddle, 5.4, "ｃｍ"),
    CentredAt(kCoreMiddle, kCoreRight, 5.4, "―・―"),
    CentredAt(kCoreLeft, kCoreRight, 7.3, " ＲＱＤ "),
    CentredAt(kCoreLeft, kCoreRight, 8.4, "〔％〕"),
    Stack(16, "岩級区分"),
    Stack(18, "孔内水位　／測定月日"),
    Centred(18, 18, 5.0, "(m)"),
    Centred(19, 19, 10.0, "値"),
    Vertical(22, -3.93, -2.48, "原位置試験"),
    Vertical(23, -3.93, -2.48, "室内試験"),
    // 掘進状況
    SpreadAt(236.1, 262.7, 1.5, "掘進状況"),
    Vertical(24, kDrillingTextTop, -2.09, "掘進月日"),
    Vertical(25, kDrillingTextTop, -0.98, "掘進速度　㎝／時"),
    Vertical(26, kDrillingTextTop, -0.98, "孔径㎜／孔壁保護"),
    Vertical(27, kDrillingTextTop, -0.20, "コアチュ｜ブ／ビット"),
    Vertical(28, kDrillingTextTop, -2.33, "給　圧"),
    Turned(28, -2.25, "(MPa)"),
    Vertical(29, kDrillingTextTop, -1.79, "回　転　数"),
    Turned(29, -1.71, "(rpm)"),
    Vertical(30, kDrillingTextTop, -2.33, "送水圧"),
    Turned(30, -2.25, "(MPa)"),
    Vertical(31, kDrillingTextTop, -1.25, "送水量　ｌ／分"),
    Vertical(32, kDrillingTextTop, -1.25, "排水量　ｌ／分"),
};

constexpr std::array kLines = {
    HeadingLine{13, kNoHeadingLine},  // "記事" heads columns 12 and 13
    HeadingLine{25, kDrillingRuleY}, HeadingLine{26, kDrillingRuleY},
    HeadingLine{27, kDrillingRuleY}, HeadingLine{28, kDrillingRuleY},
    HeadingLine{29, kDrillingRuleY}, HeadingLine{30, kDrillingRuleY},
    HeadingLine{31, kDrillingRuleY}, HeadingLine{32, kDrillingRuleY},
};

constexpr std::array kRules = {
    HeadingRule{24, 32, kDrillingRuleY},
};

// Caption 1 ("Ｎ", "ルジオン" or both) stands above "値" in column 19, one character
// a row, closing up when it is long.
constexpr double kValueCaptionTop = -3.98;
constexpr double kValueCaptionBottom = -0.75;

// The graph of column 21 is headed by captions 2 and 3 ("（標準貫入 ）試験",
// "（Ｎ値－深度 ）図" with N values, the Lugeon words with Lugeon tests).
constexpr double kGraphCaptionRow1 = 2.2;
constexpr double kGraphCaptionRow2 = 3.8;

// With Lugeon tests, captions 5 to 8 explain the marks of the P-Q diagrams, one a
// row under the graph's captions, from its left edge.
constexpr double kLegendRow = 5.0;
constexpr double kLegendRowStep = 1.1;
constexpr double kLegendInset = 1.0;

}  // namespace

void DrawRockHeadings(Canvas& dc, SheetPass& pass) {
  DrawHeadingBand(dc, pass, HeadingLayout{kItems, kLines, kRules});
  const auto& captions = pass.sheet.record.GraphCaptions;
  const std::string& valueCaption = captions[caption::kValueColumn];
  if (!valueCaption.empty()) {
    const double bottom = std::min(kValueCaptionBottom,
                                   kValueCaptionTop + CharacterCount(valueCaption) * pass.charHeight);
    DrawHeadingItem(dc, pass, Vertical(19, kValueCaptionTop, bottom, valueCaption));
  }
  const std::string test = "（" + captions[caption::kTest] + "）試験";
  const std::string chart = "（" + captions[caption::kChart] + " ）図";
  DrawHeadingItem(dc, pass, Centred(21, 21, kGraphCaptionRow1, test));
  DrawHeadingItem(dc, pass, Centred(21, 21, kGraphCaptionRow2, chart));
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  double row = kLegendRow;
  for (int i = caption::kFirstLegend; i <= caption::kLastLegend; ++i) {
    const std::string& caption = captions[static_cast<std::size_t>(i)];
    if (caption.empty()) continue;
    DrawTextMiddle(dc, pass.graph.left + kLegendInset, HeadingRowY(row - 0.5), HeadingRowY(row + 0.5),
                   pass.charHeight, caption);
    row += kLegendRowStep;
  }
}

}  // namespace tesmor
