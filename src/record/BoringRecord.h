// The boring record: the one in-memory copy of the boring that the program shows.
// Heading texts addressed by slot, fifteen depth-keyed tables of texts, the
// relative density and consistency rows and the graph captions of the rock form.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "record/RecordLayout.h"
#include "record/TextTable.h"

namespace tesmor {

// Relative density and consistency: index = row number 1 .. 300.
struct DensityRows {
  static constexpr int kRows = 300;
  std::array<double, kRows + 1> depth{};
  std::array<int, kRows + 1> density{};
  std::array<int, kRows + 1> consistency{};

  DensityRows() { Clear(); }
  void Clear();
};

struct BoringRecord {
  std::array<std::string, kHeadingSlots> HeadingText;

  TextTable LayerTable{LayoutOf(TableId::Layer)};
  TextTable FaultZoneTable{LayoutOf(TableId::FaultZone)};
  TextTable SptTable{LayoutOf(TableId::Spt)};
  TextTable MiniRamTable{LayoutOf(TableId::MiniRam)};
  TextTable ObservationTable{LayoutOf(TableId::Observation)};
  TextTable WaterLevelTable{LayoutOf(TableId::WaterLevel)};
  TextTable InSituTable{LayoutOf(TableId::InSitu)};
  TextTable SampleTable{LayoutOf(TableId::Sample)};
  TextTable ColourTable{LayoutOf(TableId::Colour)};
  TextTable GeoAgeTable{LayoutOf(TableId::GeoAge)};
  TextTable CoreRecoveryTable{LayoutOf(TableId::CoreRecovery)};
  TextTable CoreLengthRqdTable{LayoutOf(TableId::CoreLengthRqd)};
  TextTable DrillingConditionTable{LayoutOf(TableId::DrillingCondition)};
  TextTable DrillingProgressTable{LayoutOf(TableId::DrillingProgress)};
  TextTable LugeonTable{LayoutOf(TableId::Lugeon)};

  DensityRows Density;

  // Captions 1 .. 10 of the rock form's graph heading (index 0 unused).
  std::array<std::string, caption::kCount> GraphCaptions;

  // A counter per layer row that the legacy readers keep; emptied to 0 before a load.
  std::array<int, 253> LayerRowCounter{};

  TextTable& table(TableId id);
  const TextTable& table(TableId id) const;

  // Heading slot text; empty outside 0 .. 89.
  const std::string& heading(int slot) const;
  // Writes a heading slot; ignored outside 0 .. 89.
  void setHeading(int slot, std::string_view text);
};

// Empties heading slots 0 .. 88, every cell of every table, the density rows, the
// layer row counters and the graph captions, before a load.
void ClearBoringData(BoringRecord& record);

// The deepest depth (m) the program draws or pages to: the deepest print start the
// settings allow. A depth beyond it, infinite or not a number cannot be a real one.
inline constexpr double kDeepestUsableDepth = 3000.0;

// True for a depth the pages and drawing positions may use: finite and at most
// kDeepestUsableDepth.
bool IsUsableDepth(double depth);

// The larger of the last layer's bottom depth and the total drilled length (0 when
// empty). Depths that are not usable do not count: an unusable last bottom gives way
// to the deepest usable layer bottom, an unusable drilled length to nothing.
double TotalDepth(const BoringRecord& record);

// The first depth among the last layer's bottom and the total drilled length that is
// not usable, as the file wrote it; empty when both are usable (or empty).
std::string UnusableTotalDepthText(const BoringRecord& record);

}  // namespace tesmor
