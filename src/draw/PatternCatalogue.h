// The pattern catalogue file PtnvcTesmor.ndx, the run-time colour table
// built from it, and the colour lookup by pattern number.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "draw/DefaultPatternCatalogue.h"

namespace tesmor {

// A colour as the platform keeps it: 0x00BBGGRR.
using ColourRef = std::uint32_t;

// Pattern number to colour, in file order.
struct PatternColourTable {
  static constexpr int kMaxEntries = 110;
  std::array<int, kMaxEntries> pattern{};
  std::array<ColourRef, kMaxEntries> colour{};
  int count = 0;
};

// The catalogue is read in pieces of at most this many Shift_JIS bytes.
inline constexpr int kCatalogueReadWidth = 100;

// A colour code text converted as strtol with base 0 does ("0x0000ff" is red,
// "0x" alone and texts that do not convert are 0, black).
ColourRef ColourFromCode(std::string_view code);
// "0x" and six hexadecimal digits.
std::string ColourCode(ColourRef colour);

// Fills the table from the catalogue file at path, or from the built-in catalogue
// when the file cannot be opened. Section lines (holding "[" or "{") and lines whose
// first field does not start like a number are skipped; at most 110 entries.
void LoadPatternColours(PatternColourTable& table, const std::string& path);
void LoadBuiltInPatternColours(PatternColourTable& table);

// The colour of the first entry of that pattern number; 0 (black) when none.
// (With the setting patternsInBlack, callers use black instead.)
ColourRef FindPatternColour(const PatternColourTable& table, int pattern);

// One row of the catalogue as the file holds it and the dialog lists it.
struct PatternCatalogueRow {
  std::string pattern;
  std::string colour;
  std::string defaultColour;
  std::string display;
  std::string example;

  bool operator==(const PatternCatalogueRow&) const = default;
};

// A section row: its pattern text holds "[" or "{".
bool IsCatalogueSectionRow(std::string_view pattern);

// The built-in catalogue's rows up to, not including, its "[終了]" row.
std::vector<PatternCatalogueRow> DefaultPatternCatalogueRows();

// The rows of a catalogue file: every line of at least 2 bytes (its line end
// included), read in pieces of at most 100 bytes, split into its five fields. False
// (rows empty) when the file cannot be opened.
bool ReadPatternCatalogueRows(const std::string& path, std::vector<PatternCatalogueRow>& rows);

// The catalogue version of rows: the number in the third field of the first row when
// that row is a section row, else 0.
int CatalogueVersion(std::span<const PatternCatalogueRow> rows);

// The rows the lithology-pattern dialog shows: the file's rows when the file opens and
// its version is at least kPatternCatalogueVersion, else the built-in rows.
std::vector<PatternCatalogueRow> PatternCatalogueForDialog(const std::string& path);

// Writes the catalogue file: every row as its five fields, each followed by a comma;
// CP932, CR LF, atomically. False when the file cannot be written (the caller shows
// "保存できませんでした").
bool SavePatternCatalogue(std::span<const PatternCatalogueRow> rows, const std::string& path);

}  // namespace tesmor
