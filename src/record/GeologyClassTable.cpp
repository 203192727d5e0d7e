#include "record/GeologyClassTable.h"

#include <climits>
#include <cmath>

#include "record/DefaultGeologyMaster.h"
#include "record/SjisText.h"
#include "record/TextFile.h"
#include "record/TextModeFile.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

// Numbers the entries of the master in file order and stores entries 1 .. 200 with
// their section bounds. Section rows (containing "[第") advance the section; rows
// before the first section and after the third are ignored.
class EntryNumbering {
 public:
  explicit EntryNumbering(GeologyClassTable& table) : table_(table) {
    table_ = GeologyClassTable{};  // earlier entries are cleared (the bounds alone would hide them)
  }

  void SectionRow() { ++section_; }

  void EntryRow(std::string_view name, std::string_view symbol, std::string_view code) {
    if (section_ < 1 || section_ > 3) return;
    ++number_;
    if (number_ > GeologyClassTable::kMaxEntries) return;
    const auto n = static_cast<std::size_t>(number_);
    const auto s = static_cast<std::size_t>(section_);
    if (table_.first[s] == 0) table_.first[s] = number_;
    table_.last[s] = number_;
    table_.name[n].assign(name);
    table_.symbol[n].assign(symbol);
    table_.pattern[n] = PatternOfCode(code);
    table_.subCode[n] = SubCodeOfCode(code);
  }

  // Nothing later in the file can change the table.
  bool Done() const { return section_ > 3 || number_ >= GeologyClassTable::kMaxEntries; }

 private:
  GeologyClassTable& table_;
  int section_ = 0;
  int number_ = 0;
};

// A section row holds "[第" anywhere (so "{第１分類 岩石材料その他}" is an entry).
bool IsSectionRow(std::string_view text) { return text.find("[第") != std::string_view::npos; }

}  // namespace

int PatternOfCode(std::string_view code) {
  const long value = TextToLong(code);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

int SubCodeOfCode(std::string_view code) {
  const double x = TextToDouble(code);
  if (!std::isfinite(x)) return 0;
  return static_cast<int>((x - std::floor(x)) * 10.0 + 0.1);
}

void LoadGeologyClassification(GeologyClassTable& table, const std::string& path) {
  std::string text;
  if (path.empty() || !ReadTextModeFile(path, text)) {
    LoadBuiltInGeologyClassification(table);
    return;
  }
  EntryNumbering numbering(table);
  LineSource source(text);
  std::string_view piece;
  std::string name;
  std::string symbol;
  std::string code;
  while (!numbering.Done() && source.NextPiece(piece, kMasterReadWidth)) {
    const std::string_view line = UpToNul(piece);
    if (SjisWidth(line) < 3) continue;
    const std::string_view content = DropLastCharacter(line);  // the line end
    if (IsSectionRow(content)) {
      numbering.SectionRow();
      continue;
    }
    GetCsvField(name, content, 1);
    GetCsvField(symbol, content, 2);
    GetCsvField(code, content, 3);
    numbering.EntryRow(name, symbol, code);
  }
}

void LoadBuiltInGeologyClassification(GeologyClassTable& table) {
  EntryNumbering numbering(table);
  for (const GeologyMasterText& row : DefaultGeologyMaster()) {
    if (row.name.empty() || row.name.find("[終") != std::string_view::npos) break;
    if (IsSectionRow(row.name)) {
      numbering.SectionRow();
    } else {
      numbering.EntryRow(row.name, row.symbol, row.code);
    }
  }
}

const GeologyClassTable& BuiltInGeologyClassTable() {
  static const GeologyClassTable table = [] {
    GeologyClassTable t;
    LoadBuiltInGeologyClassification(t);
    return t;
  }();
  return table;
}

}  // namespace tesmor
