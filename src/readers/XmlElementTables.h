// The element tables of the boring-information reader (DTD 2.00 to 3.00, and the
// elements that DTD 1.10 shares with them): the heading and every record group, in
// the order of the files.
#pragma once

#include <array>
#include <string_view>

#include "readers/XmlElement.h"
#include "record/RecordLayout.h"

namespace tesmor {

namespace xml_group {
inline constexpr int kOutside = 0;
inline constexpr int kIgnoredGroup = 99;
inline constexpr int kHeading = 1000;
inline constexpr int kRockSoil = 12000;     // 岩石土区分 (3.00)
inline constexpr int kSoilRockKind = 2000;  // 土質岩種区分 (2.x)
inline constexpr int kColour = 2100;
inline constexpr int kObservation = 2200;
inline constexpr int kObservationFrame = 2210;
inline constexpr int kSpt = 2400;
inline constexpr int kLugeon = 2500;
inline constexpr int kLugeonDetail = 2520;
inline constexpr int kDensity = 2600;
inline constexpr int kRockClassBase = 3000;  // + 100 × kind
inline constexpr int kLateralLoad = 4000;
inline constexpr int kOtherInSitu = 4100;
inline constexpr int kSample = 4200;
inline constexpr int kGeoAge = 4300;
inline constexpr int kWaterLevel = 4400;
inline constexpr int kDrillingProgress = 4500;
inline constexpr int kHoleDiameter = 4520;
inline constexpr int kDrillingSpeed = 4540;
inline constexpr int kCoreTubeBit = 4560;
inline constexpr int kFeedPressure = 4580;
inline constexpr int kRotation = 4600;
inline constexpr int kWaterSupply = 4620;
inline constexpr int kFaultZone = 4700;
inline constexpr int kCoreRecovery = 5000;
inline constexpr int kCoreLength = 5020;
inline constexpr int kRqd = 5040;
}  // namespace xml_group

namespace xml_tables {

using E = XmlElement;
constexpr int kStart = xml_code::kRecordStart;
constexpr int kEnd = xml_code::kRecordEnd;

// Heading: the code is the heading slot; 0 is an element that is not kept.
inline constexpr std::array kHeading = {
    E{"<標題情報>", 0},
    E{"<調査基本情報>", 0},
    E{"<事業工事名>%s</事業工事名>", slot::kProjectName},
    E{"<調査名>%s</調査名>", slot::kSurveyName},
    E{"<調査目的>%s</調査目的>", 0},
    E{"<調査対象>%s</調査対象>", 0},
    E{"<ボーリング名>%s</ボーリング名>", slot::kBoringName},
    E{"<ボーリング総数>%s</ボーリング総数>", 0},
    E{"<ボーリング連番>%s</ボーリング連番>", 0},
    E{"</調査基本情報>", 0},
    E{"<経度緯度情報>", 0},
    E{"<経度_度>%s</経度_度>", slot::kLongitudeDegrees},
    E{"<経度_分>%s</経度_分>", slot::kLongitudeMinutes},
    E{"<経度_秒>%s</経度_秒>", slot::kLongitudeSeconds},
    E{"<緯度_度>%s</緯度_度>", slot::kLatitudeDegrees},
    E{"<緯度_分>%s</緯度_分>", slot::kLatitudeMinutes},
    E{"<緯度_秒>%s</緯度_秒>", slot::kLatitudeSeconds},
    E{"<取得方法コード>%s</取得方法コード>", 0},
    E{"<読取精度コード>%s</読取精度コード>", 0},
    E{"<測地系>%s</測地系>", 0},
    E{"</経度緯度情報>", 0},
    E{"<ローカル座標>", 0},
    E{"<X座標定義>%s</X座標定義>", 0},
    E{"<X座標>%s</X座標>", 0},
    E{"<Y座標定義>%s</Y座標定義>", 0},
    E{"<Y座標>%s</Y座標>", 0},
    E{"<Z座標定義>%s</Z座標定義>", 0},
    E{"<Z座標>%s</Z座標>", 0},
    E{"</ローカル座標>", 0},
    E{"<調査位置>", 0},
    E{"<調査位置住所>%s</調査位置住所>", slot::kLocation},
    E{"<コード1次>%s</コード1次>", slot::kBoringNumber},
    E{"<コード2次>%s</コード2次>", slot::kLocationCode2},
    E{"<コード3次>%s</コード3次>", slot::kLocationCode3},
    E{"</調査位置>", 0},
    E{"<発注機関>", 0},
    E{"<発注機関名称>%s</発注機関名称>", slot::kOrderingBody},
    E{"<テクリスコード>%s</テクリスコード>", 0},
    E{"</発注機関>", 0},
    E{"<調査期間>", 0},
    E{"<調査期間_開始年月日>%s</調査期間_開始年月日>", slot::kStartYear},
    E{"<調査期間_終了年月日>%s</調査期間_終了年月日>", slot::kEndYear},
    E{"</調査期間>", 0},
    E{"<調査会社>", 0},
    E{"<調査会社_名称>%s</調査会社_名称>", slot::kSurveyCompany},
    E{"<調査会社_TEL>%s</調査会社_TEL>", slot::kCompanyPhone},
    E{"<調査会社_主任技師>%s</調査会社_主任技師>", slot::kEngineerName1},
    E{"<調査会社_現場代理人>%s</調査会社_現場代理人>", slot::kEngineerName2},
    E{"<調査会社_コア鑑定者>%s</調査会社_コア鑑定者>", slot::kEngineerName3},
    E{"<調査会社_ボーリング責任者>%s</調査会社_ボーリング責任者>", slot::kEngineerName4},
    E{"</調査会社>", 0},
    E{"<ボーリング基本情報>", 0},
    E{"<孔口標高>%s</孔口標高>", slot::kCollarElevation},
    E{"<総掘進長>%s</総掘進長>", slot::kTotalLength},
    E{"<柱状図様式>%s</柱状図様式>", slot::kStyle},
    E{"<掘進角度>%s</掘進角度>", slot::kDrillingAngle},
    E{"<掘進方向>%s</掘進方向>", slot::kDrillingDirection},
    E{"<地盤勾配>%s</地盤勾配>", slot::kGroundSlope},
    E{"</ボーリング基本情報>", 0},
    E{"<試錐機>", 0},
    E{"<試錐機_名称>%s</試錐機_名称>", slot::kDrillingMachine},
    E{"<試錐機_能力>%s</試錐機_能力>", 0},
    E{"<試錐機_方法>%s</試錐機_方法>", 0},
    E{"</試錐機>", 0},
    E{"<エンジン>", 0},
    E{"<エンジン_名称>%s</エンジン_名称>", slot::kEngine},
    E{"<エンジン_能力>%s</エンジン_能力>", 0},
    E{"<エンジン_単位>%s</エンジン_単位>", 0},
    E{"</エンジン>", 0},
    E{"<ハンマー落下用具>", 0},
    E{"<ハンマー落下用具_コード>%s</ハンマー落下用具_コード>", slot::kHammer},
    E{"<ハンマー落下用具_名称>%s</ハンマー落下用具_名称>", 0},
    E{"</ハンマー落下用具>", 0},
    E{"<N値記録用具>", 0},
    E{"<N値記録用具_コード>%s</N値記録用具_コード>", 0},
    E{"<N値記録用具_名称>%s</N値記録用具_名称>", 0},
    E{"</N値記録用具>", 0},
    E{"<ポンプ>", 0},
    E{"<ポンプ_名称>%s</ポンプ_名称>", slot::kPump},
    E{"<ポンプ_能力>%s</ポンプ_能力>", 0},
    E{"<ポンプ_単位>%s</ポンプ_単位>", 0},
    E{"</ポンプ>", 0},
    E{"<港湾局指定コード>", 0},
    E{"<櫓種類コード>%s</櫓種類コード>", 0},
    E{"<建設局>%s</建設局>", 0},
    E{"<都道府県>%s</都道府県>", 0},
    E{"<港名>%s</港名>", 0},
    E{"<調査者>%s</調査者>", 0},
    E{"</港湾局指定コード>", 0},
    E{"</標題情報>", kEnd},
};

inline constexpr std::array kRockSoil = {
    E{"<岩石土区分>", kStart},
    E{"<岩石土区分_下端深度>%s</岩石土区分_下端深度>", 1},
    E{"<岩石土区分_岩石土名>%s</岩石土区分_岩石土名>", 2},
    E{"<岩石土区分_岩石土記号>%s</岩石土区分_岩石土記号>", 8},
    E{"<岩石土区分_岩石群>", 0},
    E{"<岩石土区分_岩石群コード>%s</岩石土区分_岩石群コード>", 0},
    E{"<岩石土区分_岩石土コード>", 0},
    E{"<岩石土区分_岩相>%s</岩石土区分_岩相>", 0},
    E{"<岩石土区分_岩石>%s</岩石土区分_岩石>", 0},
    E{"<岩石土区分_変成岩岩相>%s</岩石土区分_変成岩岩相>", 0},
    E{"<岩石土区分_変成岩岩石>%s</岩石土区分_変成岩岩石>", 0},
    E{"</岩石土区分_岩石土コード>", 0},
    E{"</岩石土区分_岩石群>", 0},
    E{"</岩石土区分>", kEnd},
};

inline constexpr std::array kSoilRockKind = {
    E{"<土質岩種区分>", kStart},
    E{"<土質岩種区分_下端深度>%s</土質岩種区分_下端深度>", 1},
    E{"<土質岩種区分_土質岩種区分1>%s</土質岩種区分_土質岩種区分1>", 2},
    E{"<土質岩種区分_土質岩種記号1>%s</土質岩種区分_土質岩種記号1>", 8},
    E{"<土質岩種区分_分類コード1>%s</土質岩種区分_分類コード1>", 0},
    E{"<土質岩種区分_土質岩種区分2>%s</土質岩種区分_土質岩種区分2>", 3},
    E{"</土質岩種区分>", kEnd},
};

inline constexpr std::array kColour = {
    E{"<色調>", kStart},
    E{"<色調_下端深度>%s</色調_下端深度>", 1},
    E{"<色調_色調名>%s</色調_色調名>", 2},
    E{"</色調>", kEnd},
};

inline constexpr std::array kSpt = {
    E{"<標準貫入試験>", kStart},
    E{"<標準貫入試験_開始深度>%s</標準貫入試験_開始深度>", 1},
    E{"<標準貫入試験_0_10打撃回数>%s</標準貫入試験_0_10打撃回数>", 2},
    E{"<標準貫入試験_0_10貫入量>%s</標準貫入試験_0_10貫入量>", 3},
    E{"<標準貫入試験_10_20打撃回数>%s</標準貫入試験_10_20打撃回数>", 4},
    E{"<標準貫入試験_10_20貫入量>%s</標準貫入試験_10_20貫入量>", 5},
    E{"<標準貫入試験_20_30打撃回数>%s</標準貫入試験_20_30打撃回数>", 6},
    E{"<標準貫入試験_20_30貫入量>%s</標準貫入試験_20_30貫入量>", 7},
    E{"<標準貫入試験_合計打撃回数>%s</標準貫入試験_合計打撃回数>", 8},
    E{"<標準貫入試験_合計貫入量>%s</標準貫入試験_合計貫入量>", 9},
    E{"<標準貫入試験_備考>%s</標準貫入試験_備考>", 0},
    E{"</標準貫入試験>", kEnd},
};

inline constexpr std::array kDensity = {
    E{"<相対密度稠度>", kStart},
    E{"<相対密度稠度_下端深度>%s</相対密度稠度_下端深度>", 1},
    E{"<相対密度_コード>%s</相対密度_コード>", 2},
    E{"<相対密度_状態>%s</相対密度_状態>", 0},
    E{"<相対稠度_コード>%s</相対稠度_コード>", 3},
    E{"</相対密度稠度>", kEnd},
};

inline constexpr std::array kLugeon = {
    E{"<ルジオン試験>", kStart},
    E{"<ルジオン試験_試験番号>%s</ルジオン試験_試験番号>", 10},
    E{"<ルジオン試験_上端深度>%s</ルジオン試験_上端深度>", 1},
    E{"<ルジオン試験_下端深度>%s</ルジオン試験_下端深度>", 2},
    E{"<ルジオン試験_圧力管理方法コード>%s</ルジオン試験_圧力管理方法コード>", 0},
    E{"<ルジオン試験_圧力管理方法>%s</ルジオン試験_圧力管理方法>", 0},
    E{"<ルジオン試験_損失水頭補正値_注水管>%s</ルジオン試験_損失水頭補正値_注水管>", 0},
    E{"<ルジオン試験_損失水頭補正値_パッカー>%s</ルジオン試験_損失水頭補正値_パッカー>", 0},
    E{"<ルジオン試験_圧力最大スケール>%s</ルジオン試験_圧力最大スケール>", 7},
    E{"<ルジオン試験_注入量最大スケール>%s</ルジオン試験_注入量最大スケール>", 8},
    E{"<ルジオン試験_圧力開始点>%s</ルジオン試験_圧力開始点>", 5},
    E{"<ルジオン試験_注入量開始点>%s</ルジオン試験_注入量開始点>", 6},
    E{"<ルジオン試験_ルジオン値区分>%s</ルジオン試験_ルジオン値区分>", 9},
    E{"<ルジオン試験_ルジオン値>%s</ルジオン試験_ルジオン値>", 4},
    E{"<ルジオン試験_限界圧力>%s</ルジオン試験_限界圧力>", 3},
    E{"</ルジオン試験>", kEnd},
};

inline constexpr std::array kLugeonDetail = {
    E{"<ルジオン試験詳細データ>", kStart},
    E{"<ルジオン試験詳細データ_試験番号>%s</ルジオン試験詳細データ_試験番号>", 3},
    E{"<ルジオン試験詳細データ_注入圧力>%s</ルジオン試験詳細データ_注入圧力>", 1},
    E{"<ルジオン試験詳細データ_有効圧力>%s</ルジオン試験詳細データ_有効圧力>", 1},
    E{"<ルジオン試験詳細データ_注入量>%s</ルジオン試験詳細データ_注入量>", 2},
    E{"</ルジオン試験詳細データ>", kEnd},
};

inline constexpr std::array kObservation = {
    E{"<観察記事>", kStart},
    E{"<観察記事_上端深度>%s</観察記事_上端深度>", 1},
    E{"<観察記事_下端深度>%s</観察記事_下端深度>", 2},
    E{"<観察記事_記事>%s</観察記事_記事>", 4},
    E{"</観察記事>", kEnd},
};

inline constexpr std::array kObservationFrame = {
    E{"<観察記事枠線>", kStart},
    E{"<観察記事枠線_下端深度>%s</観察記事枠線_下端深度>", 1},
    E{"</観察記事枠線>", kEnd},
};

inline constexpr std::array kSample = {
    E{"<試料採取>", kStart},
    E{"<試料採取_上端深度>%s</試料採取_上端深度>", 1},
    E{"<試料採取_下端深度>%s</試料採取_下端深度>", 2},
    E{"<試料採取_試料番号>%s</試料採取_試料番号>", 3},
    E{"<試料採取_採取方法コード>%s</試料採取_採取方法コード>", 4},
    E{"<試料採取_採取方法>%s</試料採取_採取方法>", 5},
    E{"<試料採取_試験名>%s</試料採取_試験名>", 6},
    E{"</試料採取>", kEnd},
};

inline constexpr std::array kLateralLoad = {
    E{"<孔内水平載荷試験>", kStart},
    E{"<孔内水平載荷試験_試験深度>%s</孔内水平載荷試験_試験深度>", 1},
    E{"<孔内水平載荷試験_試験方法コード>%s</孔内水平載荷試験_試験方法コード>", 0},
    E{"<孔内水平載荷試験_試験方法>%s</孔内水平載荷試験_試験方法>", 0},
    E{"<孔内水平載荷試験_載荷パターン>%s</孔内水平載荷試験_載荷パターン>", 0},
    E{"<孔内水平載荷試験_初期圧>%s</孔内水平載荷試験_初期圧>", 0},
    E{"<孔内水平載荷試験_降伏圧>%s</孔内水平載荷試験_降伏圧>", 0},
    E{"<孔内水平載荷試験_変形係数>%s</孔内水平載荷試験_変形係数>", 3},
    E{"</孔内水平載荷試験>", kEnd},
};

inline constexpr std::array kOtherInSitu = {
    E{"<その他原位置試験>", kStart},
    E{"<その他原位置試験_試験名>%s</その他原位置試験_試験名>", 4},
    E{"<その他原位置試験_上端深度>%s</その他原位置試験_上端深度>", 1},
    E{"<その他原位置試験_下端深度>%s</その他原位置試験_下端深度>", 2},
    E{"<その他原位置試験_試験結果>%s</その他原位置試験_試験結果>", 3},
    E{"</その他原位置試験>", kEnd},
};

inline constexpr std::array kGeoAge = {
    E{"<地質時代>", kStart},
    E{"<地質時代_上端深度>%s</地質時代_上端深度>", 1},
    E{"<地質時代_下端深度>%s</地質時代_下端深度>", 2},
    E{"<地質時代_コード>%s</地質時代_コード>", 3},
    E{"<地質時代_時代名>%s</地質時代_時代名>", 4},
    E{"<地質時代_地質時代名>%s</地質時代_地質時代名>", 4},
    E{"</地質時代>", kEnd},
};

inline constexpr std::array kWaterLevel = {
    E{"<孔内水位>", kStart},
    E{"<孔内水位_測定年月日>%s</孔内水位_測定年月日>", 2},
    E{"<孔内水位_掘削状況コード>%s</孔内水位_掘削状況コード>", 0},
    E{"<孔内水位_掘削状況>%s</孔内水位_掘削状況>", 0},
    E{"<孔内水位_孔内水位>%s</孔内水位_孔内水位>", 1},
    E{"<孔内水位_水位種別コード>%s</孔内水位_水位種別コード>", 3},
    E{"</孔内水位>", kEnd},
};

inline constexpr std::array kDrillingProgress = {
    E{"<掘削工程>", kStart},
    E{"<掘削工程_測定年月日>%s</掘削工程_測定年月日>", 2},
    E{"<掘削工程_掘進深度>%s</掘削工程_掘進深度>", 1},
    E{"</掘削工程>", kEnd},
};

inline constexpr std::array kHoleDiameter = {
    E{"<孔径孔壁保護>", kStart},
    E{"<孔径孔壁保護_下端深度>%s</孔径孔壁保護_下端深度>", 1},
    E{"<孔径孔壁保護_孔径>%s</孔径孔壁保護_孔径>", 2},
    E{"<孔径孔壁保護_孔壁保護コード>%s</孔径孔壁保護_孔壁保護コード>", 3},
    E{"</孔径孔壁保護>", kEnd},
};

inline constexpr std::array kCoreTubeBit = {
    E{"<コアチューブビット>", kStart},
    E{"<コアチューブビット_下端深度>%s</コアチューブビット_下端深度>", 1},
    E{"<コアチューブビット_コアチューブ名>%s</コアチューブビット_コアチューブ名>", 2},
    E{"<コアチューブビット_ビット名>%s</コアチューブビット_ビット名>", 3},
    E{"</コアチューブビット>", kEnd},
};

inline constexpr std::array kDrillingSpeed = {
    E{"<掘進速度>", kStart},
    E{"<掘進速度_下端深度>%s</掘進速度_下端深度>", 1},
    E{"<掘進速度_掘進速度>%s</掘進速度_掘進速度>", 2},
    E{"</掘進速度>", kEnd},
};

inline constexpr std::array kFeedPressure = {
    E{"<給圧条件>", kStart},
    E{"<給圧条件_下端深度>%s</給圧条件_下端深度>", 1},
    E{"<給圧条件_給圧>%s</給圧条件_給圧>", 2},
    E{"</給圧条件>", kEnd},
};

inline constexpr std::array kRotation = {
    E{"<回転数>", kStart},
    E{"<回転数_下端深度>%s</回転数_下端深度>", 1},
    E{"<回転数_回転数>%s</回転数_回転数>", 2},
    E{"</回転数>", kEnd},
};

inline constexpr std::array kWaterSupply = {
    E{"<送水条件>", kStart},
    E{"<送水条件_下端深度>%s</送水条件_下端深度>", 1},
    E{"<送水条件_送水圧>%s</送水条件_送水圧>", 2},
    E{"<送水条件_送水量>%s</送水条件_送水量>", 3},
    E{"<送水条件_排水量>%s</送水条件_排水量>", 4},
    E{"<送水条件_送水種類コード>%s</送水条件_送水種類コード>", 5},
    E{"<送水条件_送水種類>%s</送水条件_送水種類>", 0},
    E{"</送水条件>", kEnd},
};

inline constexpr std::array kFaultZone = {
    E{"<断層破砕帯区分>", kStart},
    E{"<断層破砕帯区分_上端深度>%s</断層破砕帯区分_上端深度>", 1},
    E{"<断層破砕帯区分_下端深度>%s</断層破砕帯区分_下端深度>", 2},
    E{"<断層破砕帯区分_性状コード>%s</断層破砕帯区分_性状コード>", 3},
    E{"</断層破砕帯区分>", kEnd},
};

inline constexpr std::array kCoreRecovery = {
    E{"<コア採取率>", kStart},
    E{"<コア採取率_下端深度>%s</コア採取率_下端深度>", 1},
    E{"<コア採取率_採取率>%s</コア採取率_採取率>", 2},
    E{"</コア採取率>", kEnd},
};

inline constexpr std::array kCoreLength = {
    E{"<最大コア長>", kStart},
    E{"<最大コア長_下端深度>%s</最大コア長_下端深度>", 1},
    E{"<最大コア長_コア長>%s</最大コア長_コア長>", 2},
    E{"</最大コア長>", kEnd},
};

inline constexpr std::array kRqd = {
    E{"<RQD>", kStart},
    E{"<RQD_下端深度>%s</RQD_下端深度>", 1},
    E{"<RQD_RQD>%s</RQD_RQD>", 2},
    E{"</RQD>", kEnd},
};

// The "<X>" group is recognised and its lines are ignored.
inline constexpr std::array<E, 0> kIgnoredGroup = {};

// Group start tags tested before the rock-class tags, in the order they are tested.
inline constexpr std::array kGroupsBeforeRockClasses = {
    XmlGroup{xml_group::kRockSoil, "<岩石土区分>", false, 250, 12, kRockSoil},
    XmlGroup{xml_group::kSoilRockKind, "<土質岩種区分>", false, 250, 12, kSoilRockKind},
    XmlGroup{xml_group::kColour, "<色調>", false, 250, 10, kColour},
    XmlGroup{xml_group::kSpt, "<標準貫入試験>", false, 300, 12, kSpt},
    XmlGroup{xml_group::kDensity, "<相対密度稠度>", false, 300, 10, kDensity},
    XmlGroup{xml_group::kLugeon, "<ルジオン試験>", true, 50, 12, kLugeon},
    // The row limit of the detail group applies per test (pairs appended to one
    // Lugeon row), not to the group as a whole.
    XmlGroup{xml_group::kLugeonDetail, "<ルジオン試験詳細データ>", true, 50, 4, kLugeonDetail},
};

// Group start tags tested after the rock-class tags, in the order they are tested.
inline constexpr std::array kGroupsAfterRockClasses = {
    XmlGroup{xml_group::kObservation, "<観察記事>", false, 200, 10, kObservation},
    XmlGroup{xml_group::kObservationFrame, "<観察記事枠線>", false, 200, 4, kObservationFrame},
    XmlGroup{xml_group::kSample, "<試料採取>", false, 200, 10, kSample},
    XmlGroup{xml_group::kLateralLoad, "<孔内水平載荷試験>", false, 100, 10, kLateralLoad},
    XmlGroup{xml_group::kOtherInSitu, "<その他原位置試験>", false, 100, 10, kOtherInSitu},
    XmlGroup{xml_group::kGeoAge, "<地質時代>", false, 20, 4, kGeoAge},
    XmlGroup{xml_group::kWaterLevel, "<孔内水位>", false, 50, 10, kWaterLevel},
    XmlGroup{xml_group::kDrillingProgress, "<掘削工程>", false, 50, 4, kDrillingProgress},
    XmlGroup{xml_group::kHoleDiameter, "<孔径孔壁保護>", true, 50, 4, kHoleDiameter},
    XmlGroup{xml_group::kCoreTubeBit, "<コアチューブビット>", true, 50, 4, kCoreTubeBit},
    XmlGroup{xml_group::kDrillingSpeed, "<掘進速度>", true, 200, 4, kDrillingSpeed},
    XmlGroup{xml_group::kFeedPressure, "<給圧条件>", true, 200, 4, kFeedPressure},
    XmlGroup{xml_group::kRotation, "<回転数>", true, 200, 4, kRotation},
    XmlGroup{xml_group::kWaterSupply, "<送水条件>", true, 200, 6, kWaterSupply},
    XmlGroup{xml_group::kFaultZone, "<断層破砕帯区分>", false, 50, 4, kFaultZone},
    XmlGroup{xml_group::kCoreRecovery, "<コア採取率>", false, 250, 4, kCoreRecovery},
    XmlGroup{xml_group::kCoreLength, "<最大コア長>", false, 250, 4, kCoreLength},
    XmlGroup{xml_group::kRqd, "<RQD>", false, 250, 4, kRqd},
    XmlGroup{xml_group::kIgnoredGroup, "<X>", false, 300, 10, kIgnoredGroup},
};

}  // namespace xml_tables

}  // namespace tesmor
