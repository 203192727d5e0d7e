#include "forms/DateFraction.h"
#include "forms/ColumnText.h"
#include "forms/SoilColumns.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {
constexpr int kDateColumn = 28;
}  // namespace

void DrawDrillingDates(Canvas& dc, SheetPass& pass) {
  const TextTable& table = pass.sheet.record.DrillingConditionTable;
  for (int row = 1; row <= table.RowCount(); ++row) {
    if ((TextToInt(table.get(row, drilling_condition::kPresence)) & drilling_condition::bit::kDate) == 0) continue;
    const double b = TextToDouble(table.get(row, drilling_condition::kBottomDepth));
    if (!TouchesPage(pass, b, b)) continue;
    DrawDateFraction(dc, pass, kDateColumn, b, table.get(row, drilling_condition::kDate));
  }
}

}  // namespace tesmor
