#include "app/DataListLines.h"

namespace tesmor {

DataListLines BuildDataListLines(const BoringRecord& record, int maxLines) {
  DataListLines out;
  auto add = [&](std::vector<std::string> line) {
    if (static_cast<int>(out.lines.size()) >= maxLines) {
      out.truncated = true;
      return false;
    }
    out.lines.push_back(std::move(line));
    return true;
  };
  for (int t = 0; t < kTableCount; ++t) {
    const TextTable& table = record.table(static_cast<TableId>(t));
    const TableLayout& layout = table.layout();
    auto rowEnds = [&](int row) {
      return table.get(row, kKeyColumn).empty() && table.get(row, kColumnAfterKey).empty();
    };
    if (rowEnds(1)) continue;
    if (!add({std::string(layout.listLabel)})) return out;
    for (int row = 1; row <= layout.maxRows && !rowEnds(row); ++row) {
      std::vector<std::string> line;
      line.reserve(kDataListColumns);
      line.push_back(std::to_string(row));
      for (int col = kKeyColumn; col <= layout.listColumns && col < kDataListColumns; ++col) {
        line.push_back(table.get(row, col));
      }
      if (!add(std::move(line))) return out;
    }
  }
  return out;
}

}  // namespace tesmor
