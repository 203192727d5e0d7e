#include "record/GeologyMasterFile.h"

#include "record/DefaultGeologyMaster.h"
#include "record/GeologyClassTable.h"
#include "record/SjisText.h"
#include "record/TextFile.h"
#include "record/TextModeFile.h"
#include "record/TextUtil.h"

namespace tesmor {

bool IsMasterSectionRow(std::string_view name) {
  return name.find('[') != std::string_view::npos || name.find('{') != std::string_view::npos;
}

std::vector<GeologyMasterRow> DefaultGeologyMasterRows() {
  std::vector<GeologyMasterRow> rows;
  for (const GeologyMasterText& row : DefaultGeologyMaster()) {
    if (row.name.empty() || row.name.find("[終") != std::string_view::npos) break;
    rows.push_back({std::string(row.name), std::string(row.symbol), std::string(row.code)});
  }
  return rows;
}

bool ReadGeologyMasterRows(const std::string& path, std::vector<GeologyMasterRow>& rows) {
  rows.clear();
  std::string text;
  if (!ReadTextModeFile(path, text)) return false;
  LineSource source(text);
  std::string_view piece;
  while (source.NextPiece(piece, kMasterReadWidth)) {
    const std::string_view line = UpToNul(piece);
    if (SjisWidth(line) < 2) continue;
    const std::string_view content = DropLineFeed(line);
    GeologyMasterRow row;
    if (IsMasterSectionRow(content)) {
      row.name.assign(content);
    } else {
      GetCsvField(row.name, content, 1);
      GetCsvField(row.symbol, content, 2);
      GetCsvField(row.code, content, 3);
    }
    rows.push_back(std::move(row));
  }
  return true;
}

bool SaveGeologyMaster(std::span<const GeologyMasterRow> rows, const std::string& path) {
  std::string text;
  for (const GeologyMasterRow& row : rows) {
    if (IsMasterSectionRow(row.name)) {
      text += CsvFieldText(row.name);
    } else {
      text += CsvFieldText(row.name) + "," + CsvFieldText(row.symbol) + "," +
              Format("%ld.%d", static_cast<long>(PatternOfCode(row.code)), SubCodeOfCode(row.code)) + ",";
    }
    text += "\r\n";
  }
  return WriteCp932File(path, text);
}

}  // namespace tesmor
