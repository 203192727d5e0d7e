// The element tables of the DTD 1.10 pass: the heading elements and record groups
// that files of that version name differently from the later versions.
#pragma once

#include <array>

#include "readers/XmlElement.h"
#include "readers/XmlElementTables.h"

namespace tesmor {

namespace xml_group {
inline constexpr int kGeology110 = 13000;  // 地質区分
inline constexpr int kColour110 = 2110;    // 色調 with 色調_状態
}  // namespace xml_group

namespace xml110_tables {

using E = XmlElement;
constexpr int kStart = xml_code::kRecordStart;
constexpr int kEnd = xml_code::kRecordEnd;

inline constexpr std::array kHeading = {
    E{"<標題情報>", 0},
    E{"<調査期間>", 0},
    E{"<調査期間_開始年>%s</調査期間_開始年>", slot::kStartYear},
    E{"<調査期間_開始月>%s</調査期間_開始月>", slot::kStartMonth},
    E{"<調査期間_開始日>%s</調査期間_開始日>", slot::kStartDay},
    E{"<調査期間_終了年>%s</調査期間_終了年>", slot::kEndYear},
    E{"<調査期間_終了月>%s</調査期間_終了月>", slot::kEndMonth},
    E{"<調査期間_終了日>%s</調査期間_終了日>", slot::kEndDay},
    E{"</調査期間>", 0},
    E{"<ボーリング基本情報>", 0},
    E{"<地質柱状図様式>%s</地質柱状図様式>", slot::kStyle110},
    E{"<掘進方位>%s</掘進方位>", slot::kDrillingDirection},
    E{"</ボーリング基本情報>", 0},
    E{"<ハンマ落下用具_コード>%s</ハンマ落下用具_コード>", slot::kHammer},
    E{"<ハンマ落下用具_名称>%s</ハンマ落下用具_名称>", 0},
    E{"</標題情報>", kEnd},
};

inline constexpr std::array kGeology = {
    E{"<地質区分>", kStart},
    E{"<地質区分_深度>%s</地質区分_深度>", 1},
    E{"<地質区分_地質名称1>%s</地質区分_地質名称1>", 2},
    E{"<地質区分_地質コード1>%s</地質区分_地質コード1>", 0},
    E{"<地質区分_地質名称2>%s</地質区分_地質名称2>", 3},
    E{"<地質区分_地質コード2>%s</地質区分_地質コード2>", 0},
    E{"</地質区分>", kEnd},
};

inline constexpr std::array kColour = {
    E{"<色調>", kStart},
    E{"<色調_下端深度>%s</色調_下端深度>", 1},
    E{"<色調_状態>%s</色調_状態>", 2},
    E{"</色調>", kEnd},
};

inline constexpr std::array kOtherInSitu = {
    E{"<その他原位置試験>", kStart},
    E{"<その他原位置試験_試験方法>%s</その他原位置試験_試験方法>", 4},
    E{"<その他原位置試験_上端深度>%s</その他原位置試験_上端深度>", 1},
    E{"<その他原位置試験_下端深度>%s</その他原位置試験_下端深度>", 2},
    E{"<その他原位置試験_試験結果>%s</その他原位置試験_試験結果>", 3},
    E{"</その他原位置試験>", kEnd},
};

inline constexpr std::array kSample = {
    E{"<採取試料>", kStart},
    E{"<採取試料_上端深度>%s</採取試料_上端深度>", 1},
    E{"<採取試料_下端深度>%s</採取試料_下端深度>", 2},
    E{"<採取試料_試料番号>%s</採取試料_試料番号>", 3},
    E{"<採取試料_採取方法コード>%s</採取試料_採取方法コード>", 4},
    E{"<採取試料_採取方法>%s</採取試料_採取方法>", 5},
    E{"</採取試料>", kEnd},
};

inline constexpr std::array kWaterLevel = {
    E{"<孔内水位>", kStart},
    E{"<孔内水位_測定年>%s</孔内水位_測定年>", 2},
    E{"<孔内水位_測定月>%s</孔内水位_測定月>", 4},
    E{"<孔内水位_測定日>%s</孔内水位_測定日>", 5},
    E{"<孔内水位_孔内水位>%s</孔内水位_孔内水位>", 1},
    E{"<孔内水位_水位種別>%s</孔内水位_水位種別>", 3},
    E{"</孔内水位>", kEnd},
};

inline constexpr std::array kDrillingProgress = {
    E{"<掘削工程>", kStart},
    E{"<掘削工程_測定年>%s</掘削工程_測定年>", 2},
    E{"<掘削工程_測定月>%s</掘削工程_測定月>", 4},
    E{"<掘削工程_測定日>%s</掘削工程_測定日>", 5},
    E{"<掘削工程_掘進深度>%s</掘削工程_掘進深度>", 1},
    E{"</掘削工程>", kEnd},
};

// Group start tags in the order they are tested.
inline constexpr std::array kGroups = {
    XmlGroup{xml_group::kGeology110, "<地質区分>", false, 250, 12, kGeology},
    XmlGroup{xml_group::kColour110, "<色調>", false, 250, 10, kColour},
    XmlGroup{xml_group::kOtherInSitu, "<その他原位置試験>", false, 100, 10, kOtherInSitu},
    XmlGroup{xml_group::kSample, "<採取試料>", false, 200, 10, kSample},
    XmlGroup{xml_group::kWaterLevel, "<孔内水位>", false, 50, 10, kWaterLevel},
    XmlGroup{xml_group::kDrillingProgress, "<掘削工程>", false, 50, 4, kDrillingProgress},
};

}  // namespace xml110_tables

}  // namespace tesmor
