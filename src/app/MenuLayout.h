// The menus and the tool bar of the main window, as data: menu titles, each item's
// command id and text (with its accelerator after a tab), and the tool bar order.
#pragma once

#include <array>
#include <string_view>

#include "app/CommandIds.h"

namespace tesmor {

struct MenuEntry {
  int menu;               // index into kMenuTitles
  int id;                 // command id; 0 is a separator
  std::string_view text;  // item text; "\t" and the accelerator's text follow the label
};

inline constexpr std::array<std::string_view, 5> kMenuTitles = {
    "ファイル(&F)", "データ(&A)", "表示(&V)", "設定(&S)", "ヘルプ(&H)",
};

inline constexpr std::array<MenuEntry, 29> kMenuEntries = {{
    {0, cmd::kFileOpen, "開く(&O)...\tCtrl+O"},
    {0, cmd::kFormatAndOpen, "整形して開く(&F)..."},
    {0, cmd::kFormatAndSaveAs, "整形し名前をつけて保存(&A)..."},
    {0, 0, ""},
    {0, cmd::kPrint, "印刷(&P)...\tCtrl+P"},
    {0, cmd::kPrintPreview, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)"},
    {0, cmd::kPrintSetup, "ﾌﾟﾘﾝﾀの設定(&R)..."},
    {0, 0, ""},
    {0, cmd::kRecentFiles, "最近使ったﾌｧｲﾙ"},
    {0, 0, ""},
    {0, cmd::kExit, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
    {1, cmd::kHeadingData, "見出し(&M)"},
    {1, cmd::kDataList, "その他一覧(&D)"},
    {1, cmd::kPageNumber, "ページ(&P)"},
    {2, cmd::kToolBar, "ﾂｰﾙ ﾊﾞｰ(&T)"},
    {2, cmd::kStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"},
    {2, 0, ""},
    {2, cmd::kSoilForm, "JACIC版柱状図(&J)"},
    {2, cmd::kRockForm, "岩盤柱状図(&G)"},
    {3, cmd::kScaleAndDepth, "縮尺と深度(&S)"},
    {3, cmd::kStyle, "様式 (&Y)"},
    {3, cmd::kMargins, "マージン (&Z)"},
    {3, cmd::kPatterns, "柱状図模様(&P)"},
    {3, cmd::kFonts, "フォント (&F)"},
    {3, 0, ""},
    {3, cmd::kSetup, "セットアップ(&U)"},
    {4, cmd::kHelpGuide, "操作＆ヘルプ(&H)"},
    {4, 0, ""},
    {4, cmd::kAbout, "ﾊﾞｰｼﾞｮﾝ情報(&A)"},
}};

// Commands reachable only from the tool bar or the keyboard: id, text; the text is
// the status-bar prompt and, after "\n", the tool tip.
struct ToolCommand {
  int id;
  std::string_view prompt;
};

inline constexpr std::array<ToolCommand, 5> kToolOnlyCommands = {{
    {cmd::kFileNew, "新しい文書を作成\n新規作成"},
    {cmd::kFileClose, "表示中の柱状図を閉じる\n閉じる"},
    {cmd::kPreviousPage, "前のページへ\n前頁"},
    {cmd::kNextPage, "次のページへ\n次頁"},
    {cmd::kFileSave, "保存\n上書き保存"},
}};

// The tool bar, left to right; 0 is a separator.
inline constexpr std::array<int, 9> kToolBarOrder = {
    cmd::kFileNew, cmd::kFileOpen, cmd::kFormatAndSaveAs, 0, cmd::kPrint, cmd::kAbout, 0,
    cmd::kPreviousPage, cmd::kNextPage,
};

}  // namespace tesmor
