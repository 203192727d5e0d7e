// The geology-name classification table: names with their symbols and pattern
// codes in three sections (main names, admixture terms, qualifier terms), loaded
// from the master file or from the built-in default table.
#pragma once

#include <array>
#include <string>

namespace tesmor {

struct GeologyClassTable {
  static constexpr int kMaxEntries = 200;

  // Entries 1 .. 200; entry 0 is unused (empty name, matches nothing).
  std::array<std::string, kMaxEntries + 1> name;
  std::array<std::string, kMaxEntries + 1> symbol;
  std::array<int, kMaxEntries + 1> pattern{};
  std::array<int, kMaxEntries + 1> subCode{};

  // First and last entry number of sections 1 .. 3 (index 0 unused); 0 and 0 when
  // a section is empty.
  std::array<int, 4> first{};
  std::array<int, 4> last{};
};

// Fills the table from the master file at path, or from the built-in default table
// when the file cannot be opened.
void LoadGeologyClassification(GeologyClassTable& table, const std::string& path);

// Fills the table from the built-in default table.
void LoadBuiltInGeologyClassification(GeologyClassTable& table);

// The table as the built-in default table fills it (built once, read-only).
const GeologyClassTable& BuiltInGeologyClassTable();

}  // namespace tesmor
