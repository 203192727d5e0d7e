#include "readers/XmlCompletion.h"

#include <cmath>
#include <vector>

#include "readers/ReaderDispatch.h"
#include "record/TableSort.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr double kColourTolerance = 0.0001;

bool Numeric(std::string_view text) { return StartsLikeNumber(text) > 0; }

void MergeColours(BoringRecord& record) {
  TextTable& layers = record.LayerTable;
  const TextTable& colours = record.ColourTable;
  int n = layers.RowCount();
  std::vector<double> bottoms;
  bottoms.reserve(static_cast<std::size_t>(layers.maxRows()));
  for (int row = 1; row <= n; ++row) bottoms.push_back(TextToDouble(layers.get(row, layer::kBottomDepth)));

  for (int c = 1; c <= colours.maxRows() && Numeric(colours.get(c, colour::kBottomDepth)); ++c) {
    const std::string& depthText = colours.get(c, colour::kBottomDepth);
    const double depth = TextToDouble(depthText);
    int found = 0;
    for (int j = 1; j <= n; ++j) {
      if (std::fabs(bottoms[static_cast<std::size_t>(j - 1)] - depth) < kColourTolerance) {
        found = j;
        break;
      }
    }
    if (found > 0) {
      layers.set(found, layer::kColourTone, colours.get(c, colour::kColourTone));
      layers.set(found, layer::kPresence,
                 std::to_string(TextToInt(layers.get(found, layer::kPresence)) | layer::bit::kColourMerged));
    } else if (n < layers.maxRows()) {
      ++n;
      layers.set(n, layer::kBottomDepth, depthText);
      layers.set(n, layer::kColourTone, colours.get(c, colour::kColourTone));
      layers.set(n, layer::kPresence, "");
      bottoms.push_back(depth);
    }
  }
}

void ShiftInSituColumns(BoringRecord& record) {
  TextTable& tests = record.InSituTable;
  // Result and test name move to columns 2 and 3; the two columns after them move
  // one to the right, and the mark takes the first of them.
  for (int row = 1; row <= tests.maxRows() && Numeric(tests.get(row, in_situ::kTopDepth)); ++row) {
    tests.set(row, in_situ::kSoilResult, tests.get(row, in_situ::kResult));
    tests.set(row, in_situ::kSoilTestName, tests.get(row, in_situ::kTestName));
    tests.set(row, in_situ::kReadMark, tests.get(row, in_situ::kExtra2));
    tests.set(row, in_situ::kExtra2, tests.get(row, in_situ::kExtra1));
    tests.set(row, in_situ::kSoilMark, in_situ::kMark);
  }
}

void CopyDrillingDates(BoringRecord& record) {
  const TextTable& progress = record.DrillingProgressTable;
  TextTable& conditions = record.DrillingConditionTable;
  for (int row = 1; row <= progress.maxRows(); ++row) {
    conditions.set(row, drilling_condition::kBottomDepth, progress.get(row, drilling_progress::kBottomDepth));
    conditions.set(row, drilling_condition::kDate, progress.get(row, drilling_progress::kDate));
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
