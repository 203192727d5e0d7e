#include "readers/XmlRecordRows.h"

#include <cmath>

#include "readers/Xml110Tables.h"
#include "readers/XmlConversions.h"
#include "readers/XmlElementLoop.h"
#include "readers/XmlElementTables.h"
#include "record/GeologyComposer.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr double kDepthTolerance = 0.001;
// Keeps a difference of exactly 0.001 between two decimal texts a match.
constexpr double kDepthSlack = 1e-9;

const GeologyClassTable& GeologyOf(const LoadContext& context) {
  return context.geology != nullptr ? *context.geology : BuiltInGeologyClassTable();
}

std::string ComposedCode(const GeologyClassTable& table, std::string& symbol, std::string_view name) {
  int subCode = 0;
  const int pattern = ComposeGeologyCode(table, subCode, symbol, name, {});
  return Format("%d.%d", pattern, subCode);
}

}  // namespace

bool DepthsMatch(double a, double b) { return std::fabs(a - b) <= kDepthTolerance + kDepthSlack; }

int FindDepthRow(const TextTable& table, double depth, int limit, int* freeRow) {
  if (freeRow != nullptr) *freeRow = 0;
  for (int row = 1; row <= limit; ++row) {
    const std::string& key = table.get(row, kKeyColumn);
    if (StartsLikeNumber(key) <= 0) {
      if (freeRow != nullptr && table.contains(row, kKeyColumn)) *freeRow = row;
      return 0;
    }
    if (DepthsMatch(TextToDouble(key), depth)) return row;
  }
  return 0;
}

int FindOrAddDepthRow(TextTable& table, std::string_view depth, int limit) {
  int freeRow = 0;
  const int row = FindDepthRow(table, TextToDouble(depth), limit, &freeRow);
  if (row > 0) return row;
  if (freeRow > 0) table.set(freeRow, kKeyColumn, depth);
  else table.RefuseRow();
  return freeRow;
}

namespace {

// The table whose rows a group's records become (those a new row is taken for).
TextTable* GroupTable(BoringRecord& record, int group) {
  switch (group) {
    case xml_group::kRockSoil:
    case xml_group::kSoilRockKind:
    case xml_group::kGeology110: return &record.LayerTable;
    case xml_group::kColour:
    case xml_group::kColour110: return &record.ColourTable;
    case xml_group::kSpt: return &record.SptTable;
    case xml_group::kLugeon: return &record.LugeonTable;
    case xml_group::kObservation: return &record.ObservationTable;
    case xml_group::kSample: return &record.SampleTable;
    case xml_group::kLateralLoad:
    case xml_group::kOtherInSitu: return &record.InSituTable;
    case xml_group::kGeoAge: return &record.GeoAgeTable;
    case xml_group::kWaterLevel: return &record.WaterLevelTable;
    case xml_group::kHoleDiameter: return &record.DrillingProgressTable;
    case xml_group::kFaultZone: return &record.FaultZoneTable;
    case xml_group::kCoreRecovery: return &record.CoreRecoveryTable;
    case xml_group::kCoreLength: return &record.CoreLengthRqdTable;
    default: return nullptr;
  }
}

}  // namespace

bool TakeGroupRow(BoringRecord& record, XmlPassState& state, int& row) {
  if (NextRow(state, state.maxRows, row)) return true;
  if (TextTable* table = GroupTable(record, state.currentGroup)) table->RefuseRow();
  return false;
}

void OrFlags(TextTable& table, int row, int col, int bits) {
  table.set(row, col, std::to_string(TextToInt(table.get(row, col)) | bits));
}

void WriteLayerRow(LoadContext& context, int row, std::string_view depth, std::string_view name1,
                   std::string_view name2, std::string_view fileSymbol) {
  TextTable& layers = context.record.LayerTable;
  const GeologyClassTable& geology = GeologyOf(context);
  layers.set(row, layer::kBottomDepth, depth);
  layers.set(row, layer::kGeologyName1, name1);
  layers.set(row, layer::kGeologyName2, name2);
  layers.set(row, layer::kPresence, std::to_string(layer::bit::kXmlReaderRow));
  layers.set(row, layer::kNameJoiner, "・");
  std::string symbol(fileSymbol);
  layers.set(row, layer::kPatternCode1, ComposedCode(geology, symbol, name1));
  // The file's own symbol wins over the composed one.
  layers.set(row, layer::kSymbol, fileSymbol.empty() ? std::string_view(symbol) : fileSymbol);
  if (!name2.empty()) {
    std::string symbol2;
    layers.set(row, layer::kPatternCode2, ComposedCode(geology, symbol2, name2));
  }
}

void WriteColourRow(BoringRecord& record, int row, std::string_view depth, std::string_view tone) {
  TextTable& colours = record.ColourTable;
  colours.set(row, colour::kBottomDepth, depth);
  colours.set(row, colour::kColourTone, tone);
  const bool atLayerBottom =
      FindDepthRow(record.LayerTable, TextToDouble(depth), record.LayerTable.maxRows()) > 0;
  colours.set(row, colour::kPresence, std::to_string(atLayerBottom ? colour::bit::kAtLayerBottom : 0));
}

void WriteInSituRow(BoringRecord& record, int row, std::string_view name, std::string_view top,
                    std::string_view bottom, std::string_view result) {
  TextTable& tests = record.InSituTable;
  tests.set(row, in_situ::kTestName, name);
  tests.set(row, in_situ::kTopDepth, top);
  tests.set(row, in_situ::kBottomDepth, bottom);
  tests.set(row, in_situ::kResult, result);
  tests.set(row, in_situ::kExtra1, "");
  tests.set(row, in_situ::kExtra2, "");
  tests.set(row, in_situ::kReadMark, in_situ::kMark);
  tests.set(row, in_situ::kExtra3, "");
  tests.set(row, in_situ::kExtra4, "");
}

void WriteSampleRow(BoringRecord& record, int row, std::string_view top, std::string_view bottom,
                    std::string_view number, std::string_view methodCode, std::string_view testName) {
  TextTable& samples = record.SampleTable;
  samples.set(row, sample::kTopDepth, top);
  samples.set(row, sample::kBottomDepth, bottom);
  samples.set(row, sample::kNumber, number);
  samples.set(row, sample::kMethodMark, SamplingMark(methodCode));
  samples.set(row, sample::kTestName, testName);
}

std::string WaterLevelText(std::string_view depth) {
  // Adding 0 turns a negated zero into +0.00.
  return Format("%+.2f", -TextToDouble(depth) + 0.0);
}

bool WriteDrillingDateRow(LoadContext& context, XmlPassState& state, std::string_view depth, std::string_view date) {
  BoringRecord& record = context.record;
  const bool rock = context.xmlBoring.ReadAsRock();
  TextTable& table = rock ? record.DrillingConditionTable : record.DrillingProgressTable;
  int row = 0;
  if (!NextRow(state, table.maxRows(), row)) {
    table.RefuseRow();
    return false;
  }
  // Both tables keep the depth and the date in the same columns.
  static_assert(drilling_condition::kBottomDepth == drilling_progress::kBottomDepth &&
                drilling_condition::kDate == drilling_progress::kDate);
  table.set(row, drilling_condition::kBottomDepth, depth);
  table.set(row, drilling_condition::kDate, date);
  if (rock) table.set(row, drilling_condition::kPresence, std::to_string(drilling_condition::bit::kDate));
  return true;
}

}  // namespace tesmor
