#include "record/Messages.h"

#include <array>
#include <utility>

#include "record/TextUtil.h"

namespace tesmor {

namespace {
struct Entry {
  int id;
  std::string_view text;
};

constexpr std::array kMessages = {
    Entry{msg::kNotBoringExchangeFile, "ﾎﾞｰﾘﾝｸﾞ交換用データファイルではありません"},
    Entry{msg::kTryFormatAndOpen,
          "メニュー「整形して開く」を使ってみてください.\n改行が無いか、１行のデータが長大です."},
    Entry{msg::kFormForced,
          "表示様式は開いたファイルによって決まっています\n"
          "ここで強制変更できますが正しく表示されない場合があります.　"},
    Entry{msg::kTooManyLines, "これ以上データを扱えません"},
    Entry{msg::kCannotSave, "保存できませんでした"},
    Entry{msg::kFileNotFound, "ファイルが見つかりません\n（%1）"},
    Entry{msg::kLineTooLong, "データ1行の文字数が多すぎました、1行2000字以下にして下さい."},
    Entry{msg::kNotReadable, "読み込み可能な柱状図データファイルではありません"},
    Entry{msg::kUnknownDtdVersion, "XMLのDTDバージョンが未対応または不明です."},
    Entry{msg::kBrokenLine, "正しく読めない行がありました."},
    Entry{msg::kNoRockClassTable, "岩級の判定表データがありません"},
    Entry{msg::kCannotRun, "実行できませんでした"},
    Entry{msg::kIdleStatus, "↑↓ｷｰまたはPageUp(RollUp), PageDown(RollDown) で改ページ"},
    Entry{msg::kKindNotYetReadable,
          "この形式の柱状図データファイルはまだ読み込めません\n（%1）"},
    Entry{msg::kBadPathName, "パス名が異常です"},
    Entry{msg::kWindowsFolderNotFound, "ｳｨﾝﾄﾞｳｽﾞﾃﾞｨﾚｸﾄﾘ の検索に失敗しました"},
    Entry{msg::kSaveProgramInFolder, "Tesmor.exe を適当なフォルダに保存して下さい"},
    Entry{msg::kCannotCreateFont, "Can't create font"},
    Entry{msg::kFileTooLarge, "ファイルが大きすぎて読み込めません\n（%1）"},
    Entry{msg::kOfferFormatAndOpen, "このファイルを今すぐ「整形して開く」で開き直しますか？"},
    Entry{msg::kRowLimitReached, "表の行数が上限を超えたため、一部のデータを読み込んでいません.\n（%1）"},
    Entry{msg::kUnusableDepth, "扱えない深度の値があります（%1）.\n使える最も深い深度までを表示します."},
};
}  // namespace

std::string_view MessageText(int id) {
  for (const Entry& e : kMessages) {
    if (e.id == id) return e.text;
  }
  return {};
}

std::string MessageText(int id, std::string_view arg) { return ReplaceAll(MessageText(id), "%1", arg); }

}  // namespace tesmor
