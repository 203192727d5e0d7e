// Code-to-text lists of the boring-information files: the texts the program shows
// for the codes the files give.
#pragma once

#include <array>
#include <string_view>

namespace tesmor {

struct CodeText {
  int code;
  std::string_view text;
};

// ハンマー落下用具_コード
inline constexpr std::array kHammerTexts = {
    CodeText{1, "全自動"}, CodeText{2, "半自動"}, CodeText{3, "トンビ"}, CodeText{4, "コーンプーリー"}};

// 試料採取_採取方法コード; any other code is "A".
inline constexpr std::array kSamplingMarks = {
    CodeText{100, "-"}, CodeText{250, "T"}, CodeText{300, "D"}, CodeText{507, "F"}};
inline constexpr std::string_view kOtherSamplingMark = "A";

// 地質時代_コード divided by 100.
inline constexpr std::array kGeoAgeTexts = {
    CodeText{100, "新生代"}, CodeText{110, "第四紀"},   CodeText{111, "完新世"}, CodeText{112, "更新世"},
    CodeText{120, "第三紀"}, CodeText{121, "鮮新世"},   CodeText{122, "中新世"}, CodeText{123, "漸新世"},
    CodeText{124, "始新世"}, CodeText{125, "暁新世"},   CodeText{130, "新第三紀"}, CodeText{140, "古第三紀"},
    CodeText{200, "中生代"}, CodeText{210, "白亜紀"},   CodeText{220, "ジュラ紀"}, CodeText{300, "古生代"}};

// 孔内水位_水位種別コード: the tens place, then the ones digit 1 for "no water level".
inline constexpr std::array kWaterLevelKindTexts = {CodeText{10, "清水位"}, CodeText{20, "泥水位"}};
inline constexpr std::string_view kNoWaterLevel = "水位無し";
inline constexpr std::string_view kNoWaterLevelSuffix = "無し";

// 孔径孔壁保護_孔壁保護コード
inline constexpr std::array kWallProtectionTexts = {
    CodeText{1, "泥水"}, CodeText{2, "ケーシング"}, CodeText{3, "セメンティング"}};

// 送水条件_送水種類コード
inline constexpr std::array kWaterKindTexts = {CodeText{1, "無水"}, CodeText{2, "清水"}, CodeText{3, "泥水"}};

// ルジオン試験_ルジオン値区分
inline constexpr std::array kLugeonClassTexts = {CodeText{2, "8"}};

// 断層破砕帯区分_性状コード
inline constexpr std::array kFaultPropertyTexts = {
    CodeText{1, "シュー"}, CodeText{2, "マイロ"},           CodeText{3, "カタク"},
    CodeText{4, "角礫状"}, CodeText{5, "砂・礫混じり粘土状"}, CodeText{6, "粘土状"}};

// Cut points of the core tube and bit names.
inline constexpr std::string_view kCoreTubeCut = "コア";
inline constexpr std::string_view kBitCut = "クラウン";

}  // namespace tesmor
