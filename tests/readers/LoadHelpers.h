// Loading boring files in the reader tests: from a fixture or from text, through
// the File menu's path, into a fresh record.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "readers/DataLoader.h"
#include "record/BoringRecord.h"
#include "support/TestSupport.h"

namespace tesmor::test {

struct Loaded {
  BoringRecord record;
  ShellState shell;
  LoadResult result;

  const TextTable& table(TableId id) const { return record.table(id); }
  const std::string& cell(TableId id, int row, int col) const { return record.table(id).get(row, col); }
};

using Row = std::vector<std::string>;

// Columns first .. last of one row of a table.
inline Row Cells(const Loaded& b, TableId id, int row, int first, int last) {
  Row cells;
  for (int col = first; col <= last; ++col) cells.push_back(b.cell(id, row, col));
  return cells;
}

inline std::unique_ptr<Loaded> LoadText(std::string_view text, OpenPath path = OpenPath::FileMenu) {
  auto loaded = std::make_unique<Loaded>();
  loaded->result = LoadBoringText(text, path, loaded->record, loaded->shell);
  return loaded;
}

inline std::unique_ptr<Loaded> LoadFixture(std::string_view relative) {
  auto loaded = std::make_unique<Loaded>();
  loaded->result = LoadBoringFile(FixturePath(relative), OpenPath::FileMenu, loaded->record, loaded->shell);
  return loaded;
}

// A boring-information file of the given version around a heading style and the
// lines of its core part.
inline std::string BoringFile(std::string_view coreLines, std::string_view style = "1",
                              std::string_view version = "3.00") {
  std::string text = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n";
  text += "<ボーリング情報 DTD_version=\"" + std::string(version) + "\">\n";
  text += "<標題情報>\n<ボーリング基本情報>\n";
  text += "<柱状図様式>" + std::string(style) + "</柱状図様式>\n";
  text += "</ボーリング基本情報>\n</標題情報>\n<コア情報>\n";
  text += coreLines;
  text += "</コア情報>\n</ボーリング情報>\n";
  return text;
}

}  // namespace tesmor::test
