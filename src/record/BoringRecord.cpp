#include "record/BoringRecord.h"

#include <algorithm>
#include <cmath>

#include "record/TextUtil.h"

namespace tesmor {

namespace {
const std::string kEmpty;
}

void DensityRows::Clear() {
  depth.fill(-0.001);
  density.fill(-1);
  consistency.fill(-1);
}

TextTable& BoringRecord::table(TableId id) {
  return const_cast<TextTable&>(static_cast<const BoringRecord*>(this)->table(id));
}

const TextTable& BoringRecord::table(TableId id) const {
  switch (id) {
    case TableId::Layer: return LayerTable;
    case TableId::FaultZone: return FaultZoneTable;
    case TableId::Spt: return SptTable;
    case TableId::MiniRam: return MiniRamTable;
    case TableId::Observation: return ObservationTable;
    case TableId::WaterLevel: return WaterLevelTable;
    case TableId::InSitu: return InSituTable;
    case TableId::Sample: return SampleTable;
    case TableId::Colour: return ColourTable;
    case TableId::GeoAge: return GeoAgeTable;
    case TableId::CoreRecovery: return CoreRecoveryTable;
    case TableId::CoreLengthRqd: return CoreLengthRqdTable;
    case TableId::DrillingCondition: return DrillingConditionTable;
    case TableId::DrillingProgress: return DrillingProgressTable;
    case TableId::Lugeon: return LugeonTable;
  }
  return LayerTable;
}

const std::string& BoringRecord::heading(int slot) const {
  if (slot < 0 || slot >= kHeadingSlots) return kEmpty;
  return HeadingText[static_cast<std::size_t>(slot)];
}

void BoringRecord::setHeading(int slot, std::string_view text) {
  if (slot < 0 || slot >= kHeadingSlots) return;
  HeadingText[static_cast<std::size_t>(slot)].assign(text);
}

void ClearBoringData(BoringRecord& record) {
  for (int s = 0; s < kClearedHeadingSlots; ++s) record.HeadingText[static_cast<std::size_t>(s)].clear();
  for (int t = 0; t < kTableCount; ++t) record.table(static_cast<TableId>(t)).Clear();
  record.Density.Clear();
  record.LayerRowCounter.fill(0);
  // The captions describe the rock data of the boring they were made for; a boring
  // without rock data (drawn on the rock form on request) must not show the captions
  // of the file opened before.
  for (auto& caption : record.GraphCaptions) caption.clear();
}

bool IsUsableDepth(double depth) { return std::isfinite(depth) && depth <= kDeepestUsableDepth; }

double TotalDepth(const BoringRecord& record) {
  const int n = record.LayerTable.RowCount();
  double last = n > 0 ? TextToDouble(record.LayerTable.get(n, layer::kBottomDepth)) : 0.0;
  if (!IsUsableDepth(last)) {
    last = 0.0;
    for (int row = 1; row < n; ++row) {
      const double bottom = TextToDouble(record.LayerTable.get(row, layer::kBottomDepth));
      if (IsUsableDepth(bottom)) last = std::max(last, bottom);
    }
  }
  const double drilled = TextToDouble(record.heading(slot::kTotalLength));
  return IsUsableDepth(drilled) ? std::max(last, drilled) : last;
}

std::string UnusableTotalDepthText(const BoringRecord& record) {
  const int n = record.LayerTable.RowCount();
  if (n > 0) {
    const std::string& last = record.LayerTable.get(n, layer::kBottomDepth);
    if (!IsUsableDepth(TextToDouble(last))) return std::string(TrimBlanks(last));
  }
  const std::string& drilled = record.heading(slot::kTotalLength);
  if (!IsUsableDepth(TextToDouble(drilled))) return std::string(TrimBlanks(drilled));
  return {};
}

}  // namespace tesmor
