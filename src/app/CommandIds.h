// Command identifiers of the menus and the tool bar.
#pragma once

namespace tesmor::cmd {

inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;
inline constexpr int kFormatAndSaveAs = 57604;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintDirect = 57608;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kRecentFiles = 57616;
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;
inline constexpr int kHelpGuide = 57670;
inline constexpr int kFormatAndOpen = 32784;
inline constexpr int kHeadingData = 32781;
inline constexpr int kDataList = 32785;
inline constexpr int kPageNumber = 32782;
inline constexpr int kToolBar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kSoilForm = 32771;
inline constexpr int kRockForm = 32772;
inline constexpr int kScaleAndDepth = 32773;
inline constexpr int kStyle = 32774;
inline constexpr int kMargins = 32783;
inline constexpr int kPatterns = 32775;
inline constexpr int kFonts = 32776;
inline constexpr int kSetup = 32780;
inline constexpr int kPreviousPage = 4040;
inline constexpr int kNextPage = 4041;

}  // namespace tesmor::cmd
