#include "forms/SheetLayout.h"

#include <algorithm>
#include <span>

namespace tesmor {

double ColumnGeometry::Edge(int i) const { return x[static_cast<std::size_t>(std::clamp(i, 0, count))]; }

ColumnGeometry ComputeColumnX(int formSelector) {
  const bool soil = formSelector == kSoilForm;
  const std::span<const double> widths =
      soil ? std::span<const double>(kSoilColumnWidths) : std::span<const double>(kRockColumnWidths);
  ColumnGeometry g;
  g.count = static_cast<int>(widths.size());
  g.roles = soil ? kSoilColumns : kRockColumns;
  double sum = 0.0;
  g.x[0] = 0.0;
  for (std::size_t i = 0; i < widths.size(); ++i) {
    sum += widths[i];
    g.x[i + 1] = sum;
  }
  return g;
}

}  // namespace tesmor
