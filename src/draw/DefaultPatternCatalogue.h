// The built-in pattern catalogue (柱状図模様一覧表): rows of five texts in their
// listed order, section rows included, ending with the row "[終了]".
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace tesmor {

struct PatternCatalogueText {
  std::string_view pattern;        // pattern number, or the section text
  std::string_view colour;         // colour code "0x" + six hex digits (empty on section rows)
  std::string_view defaultColour;  // on the first section row: the catalogue version
  std::string_view display;        // abbreviated display (a short text picture)
  std::string_view example;        // geology example (地質例)
};

// The catalogue version that the built-in catalogue carries in its first row.
inline constexpr int kPatternCatalogueVersion = 1000;

// The rows in their listed order (84 rows, "[第１分類 A]" first, "[終了]" last).
inline constexpr std::size_t kDefaultPatternCatalogueRows = 84;
std::span<const PatternCatalogueText> DefaultPatternCatalogue();

}  // namespace tesmor
