#include "forms/DateFraction.h"
#include "forms/ColumnText.h"
#include "forms/SoilColumns.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {
constexpr int kDatePresent = 1;  // presence bit of column 11
constexpr int kDateColumn = 28;
}  // namespace

void DrawDrillingDates(Canvas& dc, SheetPass& pass) {
  const TextTable& table = pass.sheet.record.DrillingConditionTable;
  for (int row = 1; row <= table.RowCount(); ++row) {
    if ((TextToInt(table.get(row, 11)) & kDatePresent) == 0) continue;
    const double b = TextToDouble(table.get(row, 1));
    if (!TouchesPage(pass, b, b)) continue;
    DrawDateFraction(dc, pass, kDateColumn, b, table.get(row, 2));
  }
}

}  // namespace tesmor
