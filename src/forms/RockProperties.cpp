// The rock properties of ColourTable: the colour tone in column 6, the classes 硬軟,
// コア形状, 割れ目, 風化 and 変質 in columns 7 to 11 and 岩級 in column 16.
//
// A row's bottom depth ends a cell only in the columns whose value the row holds:
// the row's presence bits tell which classes it carries (kFirstClass << kind) and
// whether it was made by a class record alone (kClassRecord, so without a colour
// tone). A class that is not in a row goes on through it. The boundary under a cell
// is a whole line where the row's depth is also a layer boundary (kAtLayerBottom)
// and only its two end pieces inside a layer, so that class changes inside a layer
// read apart from the layer boundaries. Rows without presence bits end every cell
// with a whole line.
#include <array>

#include "forms/CellColumn.h"
#include "forms/RockColumns.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr double kEndPiece = 0.5;

struct PropertyColumn {
  int tableColumn;  // ColourTable column
  int sheetColumn;  // rock form column
};

// Colour tone, then the six classes in kind order.
constexpr std::array<PropertyColumn, 7> kPropertyColumns = {{
    {colour::kColourTone, 6},
    {colour::kHardness, 7},
    {colour::kCoreShape, 8},
    {colour::kFracture, 9},
    {colour::kWeathering, 10},
    {colour::kAlteration, 11},
    {colour::kRockGrade, 16},
}};

struct RowBits {
  bool known = false;  // the row holds presence bits
  int bits = 0;
};

RowBits BitsOf(const TextTable& table, int row) {
  const std::string& text = table.get(row, colour::kPresence);
  if (StartsLikeNumber(text) <= 0) return {};
  return {true, TextToInt(text)};
}

// Whether the row ends a cell of the property in table column `column`.
bool RowHolds(const TextTable& table, int row, int column, const RowBits& bits) {
  if (!bits.known || !TrimBlanks(table.get(row, column)).empty()) return true;
  if (column == colour::kColourTone) return (bits.bits & colour::bit::kClassRecord) != colour::bit::kClassRecord;
  return (bits.bits & (colour::bit::kFirstClass << (column - colour::kFirstRockClass))) != 0;
}

}  // namespace

void DrawRockProperties(Canvas& dc, SheetPass& pass) {
  const TextTable& table = pass.sheet.record.ColourTable;
  const int rows = table.RowCount();
  for (const PropertyColumn& property : kPropertyColumns) {
    const int k = property.sheetColumn;
    CellColumn column(dc, pass, {pass.columns.Left(k), pass.columns.Right(k), kEndPiece, true});
    double top = 0.0;
    for (int row = 1; row <= rows; ++row) {
      const RowBits bits = BitsOf(table, row);
      if (!RowHolds(table, row, property.tableColumn, bits)) continue;
      const double bottom = TextToDouble(table.get(row, colour::kBottomDepth));
      if (top > pass.pageBottom) break;
      const bool layerBoundary = !bits.known || (bits.bits & colour::bit::kAtLayerBottom) != 0;
      column.AddCell(top, bottom, table.get(row, property.tableColumn), layerBoundary);
      top = bottom;
    }
  }
}

}  // namespace tesmor
