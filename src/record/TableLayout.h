// The fifteen depth-keyed tables of the boring record: width, row limit, spare
// rows and the label and column count that the data list shows.
#pragma once

#include <array>
#include <string_view>

namespace tesmor {

enum class TableId : int {
  Layer = 0,
  FaultZone,
  Spt,
  MiniRam,
  Observation,
  WaterLevel,
  InSitu,
  Sample,
  Colour,
  GeoAge,
  CoreRecovery,
  CoreLengthRqd,
  DrillingCondition,
  DrillingProgress,
  Lugeon,
};

inline constexpr int kTableCount = 15;

struct TableLayout {
  std::string_view name;       // the table's name in the program and in --dump
  int width;                   // texts per row, columns 0 .. width-1
  int maxRows;                 // rows the readers fill at most (rows 1 .. maxRows)
  int spareRows;               // rows past maxRows that exist in the array
  std::string_view listLabel;  // label in the data list
  int listColumns;             // columns the data list shows, from column 1
  int keyColumn;               // the column whose numeric look counts the rows
};

// In the order of the data list.
inline constexpr std::array<TableLayout, kTableCount> kTableLayouts = {{
    {"LayerTable", 12, 250, 2, "土質地質名", 11, 1},
    {"FaultZoneTable", 5, 50, 2, "破砕帯", 4, 1},
    {"SptTable", 7, 300, 2, "N値", 6, 1},
    {"MiniRamTable", 5, 120, 2, "ミニラムNd値", 4, 1},
    {"ObservationTable", 6, 200, 2, "観察記事", 5, 1},
    {"WaterLevelTable", 8, 50, 2, "水位", 4, 1},
    {"InSituTable", 9, 100, 2, "原位置試験", 8, 1},
    {"SampleTable", 7, 200, 2, "試料", 6, 1},
    {"ColourTable", 10, 250, 1, "性状", 9, 1},
    {"GeoAgeTable", 4, 20, 2, "年代", 3, 1},
    {"CoreRecoveryTable", 5, 250, 2, "採取率", 4, 1},
    {"CoreLengthRqdTable", 5, 250, 2, "コア長RQD", 4, 1},
    {"DrillingConditionTable", 12, 200, 2, "掘進状況", 11, 1},
    {"DrillingProgressTable", 7, 50, 2, "保護ビット", 6, 1},
    {"LugeonTable", 11, 50, 2, "ルジオン", 10, 1},
}};

constexpr const TableLayout& LayoutOf(TableId id) { return kTableLayouts[static_cast<int>(id)]; }

}  // namespace tesmor
