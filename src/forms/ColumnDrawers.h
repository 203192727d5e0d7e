// The column drawers of the two forms, in the order a page draws them.
#pragma once

#include <array>

#include "forms/RockColumns.h"
#include "forms/RockHeadings.h"
#include "forms/SoilColumns.h"
#include "forms/SoilHeadings.h"

namespace tesmor {

inline constexpr int kDataColumnDrawers = 10;

struct FormDrawers {
  ColumnDrawer headingBand;           // heading system, font 2
  ColumnDrawer prepareDensityLegacy;  // before the body; null when the form has none
  ColumnDrawer prepareDensityXml;
  ColumnDrawer description;           // clipped, font 4
  // Clipped, font 3, text alignment right on entry; in this order.
  std::array<ColumnDrawer, kDataColumnDrawers> dataColumns;
  ColumnDrawer waterLevelsUnclipped;  // after the clip is restored, font 3
  ColumnDrawer layerColumns;          // after the clip is restored, font 3
};

inline constexpr FormDrawers kSoilDrawers = {
    DrawSoilHeadings,
    PrepareDensityLabelsLegacy,
    PrepareDensityLabelsXml,
    DrawDescriptionColumn,
    {
        DrawWaterLevels,
        DrawSptColumns,
        DrawMiniRamPlot,
        DrawMiniRamValues,
        DrawRelativeDensity,
        DrawRelativeConsistency,
        DrawInSituColumns,
        DrawSampleColumns,
        DrawGeologicalAge,
        DrawDrillingDates,
    },
    DrawWaterLevelsUnclipped,
    DrawLayerColumns,
};

inline constexpr FormDrawers kRockDrawers = {
    DrawRockHeadings,
    nullptr,
    nullptr,
    DrawDescriptionColumn,
    {
        DrawRockProperties,
        DrawWaterLevels,
        DrawRockSpt,
        DrawRockInSitu,
        DrawLaboratoryTests,
        DrawGeologicalAge,
        DrawCoreGraph,
        DrawLugeonTests,
        DrawDrillingConditions,
        DrawDrillingProgress,
    },
    DrawWaterLevelsUnclipped,
    DrawRockLayerColumns,
};

}  // namespace tesmor
