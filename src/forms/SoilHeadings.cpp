#include "forms/SoilHeadings.h"

#include <array>

#include "forms/HeadingBand.h"

namespace tesmor {

namespace {

// Sub-column headings under a group heading start below its rule.
constexpr double kUnderGroupRow = 3.4;
// The rule under "10㎝ごとの打撃回数", above the three blow-count columns.
constexpr double kBlowCaptionRuleRow = 5.75;

constexpr std::array kItems = {
    Stack(1, "標|尺|(m)"),
    Stack(2, "標|高|(m)"),
    Stack(3, "層|厚|(m)"),
    Stack(4, "深|度|(m)"),
    Stack(5, "柱状図"),
    Stack(6, "土質区分"),
    Stack(7, "色調"),
    Stack(8, "相対密度"),
    Stack(9, "相対稠度"),
    Stack(10, "記事"),
    Stack(13, "孔内水位　／測定月日"),
    Centred(13, 13, 5.0, "(m)"),
    // 標準貫入試験
    Centred(14, 20, 1.5, "標準貫入試験"),
    Stack(14, "深|度|(m)", kUnderGroupRow),
    Centred(15, 17, 3.3, "10㎝"),
    Centred(15, 17, 4.2, "ごとの"),
    Spread(15, 17, 5.1, "打撃回数"),
    Stack(15, "0|～|10", 6.7),
    Stack(16, "10|～|20", 6.7),
    Stack(17, "20|～|30", 6.7),
    Vertical(18, -3.10, -0.80, "打撃回数／貫入量"),
    Turned(18, -0.74, "(cm)"),
    Centred(19, 20, 4.5, "Ｎ　 　値"),
    // 原位置試験
    Centred(21, 23, 1.5, "原 位 置 試 験"),
    Stack(21, "深|度|(m)", kUnderGroupRow),
    Centred(22, 23, 5.0, "試　験　名"),
    Centred(22, 23, 6.5, "および結果"),
    // 試料採取
    Centred(24, 26, 1.5, "試料採取"),
    Stack(24, "深|度|(m)", kUnderGroupRow),
    Vertical(25, -2.80, -0.22, "試料番号"),
    Vertical(26, -2.80, -0.22, "採取方法"),
    Vertical(27, -3.93, -2.48, "室内試験"),
    Stack(28, "掘進月日"),
};

constexpr std::array kLines = {
    HeadingLine{15, kGroupRuleY},
    HeadingLine{16, HeadingRowY(kBlowCaptionRuleRow)},
    HeadingLine{17, HeadingRowY(kBlowCaptionRuleRow)},
    HeadingLine{18, kGroupRuleY},
    HeadingLine{19, kGroupRuleY},
    HeadingLine{20, kNoHeadingLine},  // "Ｎ　 　値" heads the values and the graph
    HeadingLine{22, kGroupRuleY},
    HeadingLine{23, kNoHeadingLine},  // test name and result across the graph
    HeadingLine{25, kGroupRuleY},
    HeadingLine{26, kGroupRuleY},
};

constexpr std::array kRules = {
    HeadingRule{14, 20, kGroupRuleY},
    HeadingRule{21, 23, kGroupRuleY},
    HeadingRule{24, 26, kGroupRuleY},
    HeadingRule{15, 17, HeadingRowY(kBlowCaptionRuleRow)},
};

}  // namespace

void DrawSoilHeadings(Canvas& dc, SheetPass& pass) {
  DrawHeadingBand(dc, pass, HeadingLayout{kItems, kLines, kRules});
}

}  // namespace tesmor
