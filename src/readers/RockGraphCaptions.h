// Captions of the rock form's graph heading: a text for N values and one for Lugeon
// tests, each shown when the boring holds such data.
#pragma once

#include <array>
#include <string_view>

namespace tesmor {

struct CaptionPair {
  std::string_view withN;       // appended when the boring has N values
  std::string_view withLugeon;  // appended when the boring has Lugeon tests
};

// Captions 1 to 8 (caption::kValueColumn to caption::kLastLegend).
inline constexpr std::array<CaptionPair, 8> kGraphCaptionPairs = {{
    {"Ｎ", "ルジオン"},
    {"標準貫入 ", "ルジオン"},
    {"Ｎ値－深度 ", "Ｐ－Ｑ図"},
    {"", ""},
    {"", "Ｐ；有効注入圧力　ＭＰａ"},
    {"", "Ｑ；注入量　ｌ／ｍｉｎ／ｍ"},
    {"", "Ｌｕ；ルジオン値"},
    {"", "《　》；限界圧力"},
}};

inline constexpr std::string_view kGraphCaptionFlag = "1";

}  // namespace tesmor
