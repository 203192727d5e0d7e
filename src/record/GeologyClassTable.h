// The geology-name classification table: names with their symbols and pattern
// codes in three sections (main names, admixture terms, qualifier terms), loaded
// from the master file or from the built-in default table.
#pragma once

#include <array>
#include <string>
#include <string_view>

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

// Code conversions of a master code such as "8600.2": the pattern number is the
// code read as a long integer (8600, clamped to the int range); the sub-code is the
// integer part of ((x - floor(x)) * 10 + 0.1), x the code read as a double (2).
int PatternOfCode(std::string_view code);
int SubCodeOfCode(std::string_view code);

// The master file is read in pieces of at most this many Shift_JIS bytes.
inline constexpr int kMasterReadWidth = 80;

}  // namespace tesmor
