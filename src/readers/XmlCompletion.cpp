#include "readers/XmlCompletion.h"

#include <cmath>
#include <vector>

#include "readers/ReaderDispatch.h"
#include "record/TableSort.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr double kColourTolerance = 0.0001;
constexpr int kMergedColourFlag = 32;

bool Numeric(std::string_view text) { return StartsLikeNumber(text) > 0; }

void MergeColours(BoringRecord& record) {
  TextTable& layers = record.LayerTable;
  const TextTable& colours = record.ColourTable;
  int n = layers.RowCount();
  std::vector<double> bottoms;
  bottoms.reserve(static_cast<std::size_t>(layers.maxRows()));
  for (int row = 1; row <= n; ++row) bottoms.push_back(TextToDouble(layers.get(row, 1)));

  for (int c = 1; c <= colours.maxRows() && Numeric(colours.get(c, 1)); ++c) {
    const std::string& depthText = colours.get(c, 1);
    const double depth = TextToDouble(depthText);
    int found = 0;
    for (int j = 1; j <= n; ++j) {
      if (std::fabs(bottoms[static_cast<std::size_t>(j - 1)] - depth) < kColourTolerance) {
        found = j;
        break;
      }
    }
    if (found > 0) {
      layers.set(found, 4, colours.get(c, 2));
      layers.set(found, 7, std::to_string(TextToInt(layers.get(found, 7)) | kMergedColourFlag));
    } else if (n < layers.maxRows()) {
      ++n;
      layers.set(n, 1, depthText);
      layers.set(n, 4, colours.get(c, 2));
      layers.set(n, 7, "");
      bottoms.push_back(depth);
    }
  }
}

void ShiftInSituColumns(BoringRecord& record) {
  TextTable& tests = record.InSituTable;
  for (int row = 1; row <= tests.maxRows() && Numeric(tests.get(row, 1)); ++row) {
    tests.set(row, 2, tests.get(row, 3));
    tests.set(row, 3, tests.get(row, 0));
    tests.set(row, 6, tests.get(row, 5));
    tests.set(row, 5, tests.get(row, 4));
    tests.set(row, 4, "7");
  }
}

void CopyDrillingDates(BoringRecord& record) {
  const TextTable& progress = record.DrillingProgressTable;
  TextTable& conditions = record.DrillingConditionTable;
  for (int row = 1; row <= progress.maxRows(); ++row) {
    conditions.set(row, 1, progress.get(row, 1));
    conditions.set(row, 2, progress.get(row, 2));
  }
}

}  // namespace

void CompleteXmlSoilBoring(LoadContext& context) {
  BoringRecord& record = context.record;
  MergeColours(record);
  SortTablesByDepth(record.LayerTable);
  ShiftInSituColumns(record);
  FillObservationTopDepths(record);
  if (!context.xmlBoring.ReadAsRock()) CopyDrillingDates(record);
}

}  // namespace tesmor
