#include "record/BoringRecord.h"

#include <gtest/gtest.h>

namespace tesmor {
namespace {

TEST(BoringRecord, RowCountStopsAtTheFirstNonNumericKey) {
  BoringRecord r;
  r.LayerTable.set(1, 1, "1.50");
  r.LayerTable.set(2, 1, " 3.00");
  r.LayerTable.set(3, 1, "");
  r.LayerTable.set(4, 1, "5.00");
  EXPECT_EQ(r.LayerTable.RowCount(), 2);

  r.SptTable.set(1, 1, "abc");
  r.SptTable.set(2, 1, "2.15");
  EXPECT_EQ(r.SptTable.RowCount(), 0);
}

TEST(BoringRecord, TablesAreBoundedByTheirCapacity) {
  BoringRecord r;
  EXPECT_EQ(r.GeoAgeTable.rowSlots(), 23);    // rows 0 .. 20 and two spare
  EXPECT_EQ(r.ColourTable.rowSlots(), 252);   // one spare row
  EXPECT_TRUE(r.GeoAgeTable.set(22, 3, "x"));
  EXPECT_FALSE(r.GeoAgeTable.set(23, 1, "x"));
  EXPECT_FALSE(r.GeoAgeTable.set(1, 4, "x"));
  EXPECT_FALSE(r.GeoAgeTable.set(-1, 0, "x"));
  EXPECT_EQ(r.GeoAgeTable.get(99, 99), "");
  for (int row = 1; row <= 22; ++row) r.GeoAgeTable.set(row, 1, "1.0");
  EXPECT_EQ(r.GeoAgeTable.RowCount(), 20);
}

TEST(BoringRecord, TotalDepthIsTheDeeperOfLastLayerAndDrilledLength) {
  BoringRecord r;
  r.LayerTable.set(1, 1, "3.00");
  r.LayerTable.set(2, 1, "15.50");
  r.setHeading(slot::kTotalLength, "20");
  EXPECT_DOUBLE_EQ(TotalDepth(r), 20.0);
  r.setHeading(slot::kTotalLength, "");
  EXPECT_DOUBLE_EQ(TotalDepth(r), 15.5);
  r.setHeading(slot::kTotalLength, "10.0");
  EXPECT_DOUBLE_EQ(TotalDepth(r), 15.5);
  EXPECT_DOUBLE_EQ(TotalDepth(BoringRecord{}), 0.0);
}

TEST(BoringRecord, DepthsThatCannotBeRealDoNotMakeTheTotalDepth) {
  struct Case {
    const char* last;     // bottom of the last of three layers (2.5 and 7.5 above it)
    const char* drilled;  // slot 37
    double total;
    const char* unusable;
  };
  const Case cases[] = {
      {"12.0", "", 12.0, ""},
      {"1e9", "", 7.5, "1e9"},          // the deepest usable layer bottom
      {"1e999", "20", 20.0, "1e999"},  // infinite
      {"+nan", "", 7.5, "+nan"},
      {"inf", "", 7.5, ""},             // not a depth at all: the layers end above it
      {"1e308", "1e308", 7.5, "1e308"},
      {"3000", "", 3000.0, ""},         // the deepest print start is still usable
      {"3000.01", "", 7.5, "3000.01"},
      {"12.0", "-inf", 12.0, "-inf"},
      {"12.0", "5e3", 12.0, "5e3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.last) + " / " + c.drilled);
    BoringRecord r;
    r.LayerTable.set(1, layer::kBottomDepth, "2.5");
    r.LayerTable.set(2, layer::kBottomDepth, "7.5");
    r.LayerTable.set(3, layer::kBottomDepth, c.last);
    r.setHeading(slot::kTotalLength, c.drilled);
    EXPECT_DOUBLE_EQ(TotalDepth(r), c.total);
    EXPECT_EQ(UnusableTotalDepthText(r), c.unusable);
  }
}

TEST(BoringRecord, ClearEmptiesEverythingButSlot89) {
  BoringRecord r;
  for (int s = 0; s < kHeadingSlots; ++s) r.setHeading(s, "x");
  r.LayerTable.set(5, 3, "砂");
  r.LugeonTable.set(50, 10, "1,2,");
  r.Density.depth[3] = 2.5;
  r.Density.density[3] = 2;
  r.LayerRowCounter[4] = 7;
  r.GraphCaptions[3] = "Ｎ値－深度 ";
  ClearBoringData(r);
  for (int s = 0; s < 89; ++s) EXPECT_EQ(r.heading(s), "") << s;
  EXPECT_EQ(r.heading(89), "x");
  EXPECT_EQ(r.LayerTable.get(5, 3), "");
  EXPECT_EQ(r.LugeonTable.get(50, 10), "");
  EXPECT_DOUBLE_EQ(r.Density.depth[3], -0.001);
  EXPECT_EQ(r.Density.density[3], -1);
  EXPECT_EQ(r.Density.consistency[300], -1);
  EXPECT_EQ(r.LayerRowCounter[4], 0);
  EXPECT_EQ(r.GraphCaptions[3], "");
}

}  // namespace
}  // namespace tesmor
