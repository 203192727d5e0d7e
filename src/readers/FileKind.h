// File kinds and their recognition from the first lines of a data file.
#pragma once

#include <string_view>

namespace tesmor {

namespace kind {
inline constexpr int kNone = 0;
inline constexpr int kJacicSoil = 2;    // .jdw, "TPJ"
inline constexpr int kRockLog = 3;      // .gdw, "GTJ"
inline constexpr int kXml110 = 110;
inline constexpr int kXmlOther = 199;
inline constexpr int kXml200 = 200;
inline constexpr int kXml201 = 201;
inline constexpr int kXml210 = 202;
inline constexpr int kXml300 = 203;
inline constexpr int kZ36 = 400;        // recognised, not loadable
inline constexpr int kTokenRock = 480;  // "$$_PGTOKEN5"
inline constexpr int kTokenSlide = 490; // "$$_BTOKEN1"
inline constexpr int kTokenSoil = 500;  // "$$_JTOKEN5"
}  // namespace kind

// True for the XML kinds 110 and 199 to 203.
bool IsXmlKind(int fileKind);

// The kind code of one text line (line end included or not); 0 when none matches.
// A line narrower than 4 or wider than 2000 Shift_JIS bytes has kind 0; a line of
// 200 bytes or more is searched in its first 200 bytes only.
int DetectFileKind(std::string_view line);

}  // namespace tesmor
