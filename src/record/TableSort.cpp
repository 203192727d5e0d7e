#include "record/TableSort.h"

#include <utility>
#include <vector>

#include "record/TextUtil.h"

namespace tesmor {

namespace {

double DepthKey(const std::string& text) { return StartsLikeNumber(text) > 0 ? TextToDouble(text) : 9999.9; }

}  // namespace

void SortTablesByDepth(TextTable& table) {
  const int rows = table.RowCountBy(kKeyColumn);
  std::vector<double> keys(static_cast<std::size_t>(rows) + 1);
  for (int r = 1; r <= rows; ++r) keys[static_cast<std::size_t>(r)] = DepthKey(table.get(r, kKeyColumn));
  // The exchange sort: rows with equal keys are never exchanged, but a row may pass
  // another of its own key when it is exchanged with a third.
  for (int i = 1; i < rows; ++i) {
    for (int j = i + 1; j <= rows; ++j) {
      double& ki = keys[static_cast<std::size_t>(i)];
      double& kj = keys[static_cast<std::size_t>(j)];
      if (!(kj < ki)) continue;
      table.SwapRows(i, j);
      std::swap(ki, kj);
    }
  }
}

}  // namespace tesmor
