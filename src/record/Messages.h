// The program's string table: every message shown to the user, by id.
#pragma once

#include <string>
#include <string_view>

namespace tesmor {

namespace msg {
inline constexpr int kNotBoringExchangeFile = 203;
inline constexpr int kTryFormatAndOpen = 204;
inline constexpr int kFormForced = 208;
inline constexpr int kTooManyLines = 4003;
inline constexpr int kCannotSave = 4005;
inline constexpr int kFileNotFound = 4006;
inline constexpr int kLineTooLong = 4007;
inline constexpr int kNotReadable = 4008;
inline constexpr int kUnknownDtdVersion = 4010;
inline constexpr int kBrokenLine = 4011;
inline constexpr int kNoRockClassTable = 4019;
inline constexpr int kCannotRun = 4032;
inline constexpr int kIdleStatus = 57345;
// Ids of the program's own beyond the classic table.
inline constexpr int kKindNotYetReadable = 9001;
inline constexpr int kBadPathName = 9002;
inline constexpr int kWindowsFolderNotFound = 9003;
inline constexpr int kSaveProgramInFolder = 9004;
inline constexpr int kCannotCreateFont = 9005;
inline constexpr int kFileTooLarge = 9006;
inline constexpr int kOfferFormatAndOpen = 9007;
inline constexpr int kRowLimitReached = 9008;
inline constexpr int kUnusableDepth = 9009;
}  // namespace msg

// The text of a message id; empty for an unknown id.
std::string_view MessageText(int id);

// The text with "%1" replaced by arg.
std::string MessageText(int id, std::string_view arg);

}  // namespace tesmor
