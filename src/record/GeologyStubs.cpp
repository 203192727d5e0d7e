// Placeholder bodies until the geology-name composition lands.
#include "record/GeologyComposer.h"
#include "record/TableSort.h"

namespace tesmor {

void LoadGeologyClassification(GeologyClassTable& table, const std::string&) { LoadBuiltInGeologyClassification(table); }
void LoadBuiltInGeologyClassification(GeologyClassTable& table) { table = GeologyClassTable{}; }
const GeologyClassTable& BuiltInGeologyClassTable() {
  static const GeologyClassTable table;
  return table;
}
int ComposeGeologyCode(const GeologyClassTable&, int&, std::string& symbol, std::string_view, std::string_view) {
  symbol.clear();
  return 0;
}
int SplitSoilClass(const GeologyClassTable&, int&, std::string&, std::string&, std::string_view) { return 0; }
int FindLongestMainName(const GeologyClassTable&, int&, std::string&, std::string&, std::string_view) { return 0; }
void SortTablesByDepth(TextTable&) {}

}  // namespace tesmor
