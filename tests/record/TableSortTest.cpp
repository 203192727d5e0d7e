#include "record/TableSort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesmor {
namespace {

std::vector<std::string> Column(const TextTable& t, int col, int rows) {
  std::vector<std::string> out;
  for (int r = 1; r <= rows; ++r) out.push_back(t.get(r, col));
  return out;
}

TEST(TableSort, ExchangeSortPlacesEqualKeysWhereTheSpecPutsThem) {
  TextTable t(LayoutOf(TableId::FaultZone));
  const char* rows[][2] = {{"2.0", "a"}, {"1.0", "b"}, {"2.00", "c"}, {"1", "d"}, {"0.5", "e"}};
  for (int r = 0; r < 5; ++r) {
    t.set(r + 1, 1, rows[r][0]);
    t.set(r + 1, 2, rows[r][1]);
    t.set(r + 1, 4, std::string("row") + rows[r][1]);
  }
  t.set(6, 1, "x");    // ends the table
  t.set(7, 1, "0.1");  // not counted, not sorted
  SortTablesByDepth(t);
  // i=1 takes b then e; i=2 takes d past b; i=3 takes b past a and c. Equal keys are
  // never exchanged with each other, yet d ends before b (the exchange sort is not stable).
  EXPECT_EQ(Column(t, 2, 7), (std::vector<std::string>{"e", "d", "b", "a", "c", "", ""}));
  EXPECT_EQ(Column(t, 1, 7), (std::vector<std::string>{"0.5", "1", "1.0", "2.0", "2.00", "x", "0.1"}));
  EXPECT_EQ(t.get(2, 4), "rowd");  // whole rows move
}

TEST(TableSort, AlreadySortedAndEqualRowsStayInPlace) {
  TextTable t(LayoutOf(TableId::Layer));
  const char* depths[] = {"1.0", "1.0", "2.5", "2.5", "2.50"};
  for (int r = 0; r < 5; ++r) {
    t.set(r + 1, 1, depths[r]);
    t.set(r + 1, 2, std::to_string(r + 1));
  }
  SortTablesByDepth(t);
  EXPECT_EQ(Column(t, 2, 5), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
}

TEST(TableSort, SortsAtMostTheTablesCapacity) {
  TextTable t(LayoutOf(TableId::CoreRecovery));  // five columns, 250 rows
  for (int r = 1; r < t.rowSlots(); ++r) t.set(r, 1, std::to_string(1000 - r));
  SortTablesByDepth(t);
  EXPECT_EQ(t.get(1, 1), "750");
  EXPECT_EQ(t.get(250, 1), "999");
  EXPECT_EQ(t.get(251, 1), "749");  // a spare row is not part of the table
}

TEST(TableSort, EmptyTableAndOneRow) {
  TextTable t(LayoutOf(TableId::GeoAge));
  SortTablesByDepth(t);
  t.set(1, 1, "3");
  SortTablesByDepth(t);
  EXPECT_EQ(t.get(1, 1), "3");
}

}  // namespace
}  // namespace tesmor
