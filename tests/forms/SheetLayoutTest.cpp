#include "forms/SheetLayout.h"

#include <gtest/gtest.h>

namespace tesmor {
namespace {

TEST(SheetLayout, ColumnEdgesOfBothForms) {
  struct Case {
    int form;
    int edge;
    double x;
  };
  const Case cases[] = {
      {kSoilForm, 0, 0.0},     {kSoilForm, 1, 5.0},     {kSoilForm, 10, 82.2},
      {kSoilForm, 13, 120.75}, {kSoilForm, 20, 154.25}, {kSoilForm, 21, 214.25},
      {kSoilForm, 23, 225.4},  {kSoilForm, 28, 268.5},  {kSoilForm, 29, 273.8},
      {kRockForm, 1, 5.0},     {kRockForm, 12, 71.3},   {kRockForm, 15, 119.3},
      {kRockForm, 18, 148.0},  {kRockForm, 21, 163.9},  {kRockForm, 22, 213.9},
      {kRockForm, 24, 225.3},  {kRockForm, 33, 273.7},
  };
  for (const Case& c : cases) {
    const ColumnGeometry g = ComputeColumnX(c.form);
    EXPECT_NEAR(g.Edge(c.edge), c.x, 1e-9) << "form " << c.form << " edge " << c.edge;
  }
  EXPECT_EQ(ComputeColumnX(kSoilForm).count, 29);
  EXPECT_EQ(ComputeColumnX(kRockForm).count, 33);
  EXPECT_NEAR(ComputeColumnX(kRockForm).Edge(99), 273.7, 1e-9);  // held to the last edge
}

}  // namespace
}  // namespace tesmor
