// The geology-name master file WdtvxTesmor.mst as rows of texts, the way
// the lithology-pattern dialog lists and saves it. The classification table itself
// is loaded by LoadGeologyClassification (GeologyClassTable.h).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tesmor {

struct GeologyMasterRow {
  std::string name;
  std::string symbol;
  std::string code;  // pattern number, point, sub-code ("600.3")

  bool operator==(const GeologyMasterRow&) const = default;
};

// A section row ("[第１分類]", "{第１分類 岩石材料その他}", ...): its name holds "[" or "{".
bool IsMasterSectionRow(std::string_view name);

// The built-in master's rows up to, not including, its "[終了]" row (the rows the
// dialog starts with when there is no master file).
std::vector<GeologyMasterRow> DefaultGeologyMasterRows();

// The rows of a master file: every line of at least 2 bytes (its line end included),
// read in pieces of at most 80 bytes, is a row; a section row fills the name only,
// other lines are split into name, symbol and code. False (rows empty) when the file
// cannot be opened.
bool ReadGeologyMasterRows(const std::string& path, std::vector<GeologyMasterRow>& rows);

// Writes the master file: a section row as its name alone, any other row as name,
// symbol and code, each followed by a comma, the code written "%ld.%d" from its
// pattern number and sub-code; CP932, CR LF, atomically. False when the file cannot
// be written (the caller shows "保存できませんでした").
bool SaveGeologyMaster(std::span<const GeologyMasterRow> rows, const std::string& path);

}  // namespace tesmor
