#include "draw/PatternCatalogue.h"

#include <algorithm>
#include <cstdlib>

#include "record/GeologyClassTable.h"
#include "record/SjisText.h"
#include "record/TextFile.h"
#include "record/TextModeFile.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

void AddColour(PatternColourTable& table, std::string_view pattern, std::string_view colour) {
  if (table.count >= PatternColourTable::kMaxEntries) return;
  const auto i = static_cast<std::size_t>(table.count);
  table.pattern[i] = PatternOfCode(pattern);  // read as a long integer
  table.colour[i] = ColourFromCode(colour);
  ++table.count;
}

}  // namespace

ColourRef ColourFromCode(std::string_view code) {
  const std::string text(UpToNul(code));
  return static_cast<ColourRef>(std::strtol(text.c_str(), nullptr, 0));
}

std::string ColourCode(ColourRef colour) { return Format("0x%06x", static_cast<unsigned>(colour)); }

void LoadPatternColours(PatternColourTable& table, const std::string& path) {
  std::string text;
  if (path.empty() || !ReadTextModeFile(path, text)) {
    LoadBuiltInPatternColours(table);
    return;
  }
  table = PatternColourTable{};
  LineSource source(text);
  std::string_view piece;
  std::string pattern;
  std::string colour;
  // Once 110 entries are filled, the remaining lines change nothing.
  while (table.count < PatternColourTable::kMaxEntries && source.NextPiece(piece, kCatalogueReadWidth)) {
    std::string_view line = UpToNul(piece);
    if (SjisWidth(line) <= 1) continue;  // an empty line, its line end included
    line = DropLineFeed(line);
    if (line.find('[') != std::string_view::npos || line.find('{') != std::string_view::npos) continue;
    GetCsvField(pattern, line, 1);
    GetCsvField(colour, line, 2);
    if (StartsLikeNumber(pattern) > 0) AddColour(table, pattern, colour);
  }
}

void LoadBuiltInPatternColours(PatternColourTable& table) {
  table = PatternColourTable{};
  for (const PatternCatalogueText& row : DefaultPatternCatalogue()) {
    if (row.pattern.empty() || row.pattern.find("[終") != std::string_view::npos) break;
    if (StartsLikeNumber(row.pattern) > 0) AddColour(table, row.pattern, row.colour);
  }
}

ColourRef FindPatternColour(const PatternColourTable& table, int pattern) {
  const int count = std::min(table.count, PatternColourTable::kMaxEntries);
  for (int i = 0; i < count; ++i) {
    if (table.pattern[static_cast<std::size_t>(i)] == pattern) return table.colour[static_cast<std::size_t>(i)];
  }
  return 0;
}

bool IsCatalogueSectionRow(std::string_view pattern) {
  return pattern.find('[') != std::string_view::npos || pattern.find('{') != std::string_view::npos;
}

std::vector<PatternCatalogueRow> DefaultPatternCatalogueRows() {
  std::vector<PatternCatalogueRow> rows;
  for (const PatternCatalogueText& row : DefaultPatternCatalogue()) {
    if (row.pattern.empty() || row.pattern.find("[終") != std::string_view::npos) break;
    rows.push_back({std::string(row.pattern), std::string(row.colour), std::string(row.defaultColour),
                    std::string(row.display), std::string(row.example)});
  }
  return rows;
}

bool ReadPatternCatalogueRows(const std::string& path, std::vector<PatternCatalogueRow>& rows) {
  rows.clear();
  std::string text;
  if (!ReadTextModeFile(path, text)) return false;
  LineSource source(text);
  std::string_view piece;
  while (source.NextPiece(piece, kCatalogueReadWidth)) {
    const std::string_view line = UpToNul(piece);
    if (SjisWidth(line) < 2) continue;
    const std::string_view content = DropLineFeed(line);
    PatternCatalogueRow row;
    GetCsvField(row.pattern, content, 1);
    GetCsvField(row.colour, content, 2);
    GetCsvField(row.defaultColour, content, 3);
    GetCsvField(row.display, content, 4);
    GetCsvField(row.example, content, 5);
    rows.push_back(std::move(row));
  }
  return true;
}

int CatalogueVersion(std::span<const PatternCatalogueRow> rows) {
  if (rows.empty() || !IsCatalogueSectionRow(rows.front().pattern)) return 0;
  return TextToInt(rows.front().defaultColour);
}

std::vector<PatternCatalogueRow> PatternCatalogueForDialog(const std::string& path) {
  std::vector<PatternCatalogueRow> rows;
  if (ReadPatternCatalogueRows(path, rows) && CatalogueVersion(rows) >= kPatternCatalogueVersion) return rows;
  return DefaultPatternCatalogueRows();
}

bool SavePatternCatalogue(std::span<const PatternCatalogueRow> rows, const std::string& path) {
  std::string text;
  for (const PatternCatalogueRow& row : rows) {
    for (const std::string* field : {&row.pattern, &row.colour, &row.defaultColour, &row.display, &row.example}) {
      text += CsvFieldText(*field);
      text += ',';
    }
    text += "\r\n";
  }
  return WriteCp932File(path, text);
}

}  // namespace tesmor
