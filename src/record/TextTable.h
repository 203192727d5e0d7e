// A fixed-capacity table of texts: rows 0 .. maxRows + spare, columns 0 .. width-1.
// Every access is bounds-checked: reading outside gives an empty text, writing
// outside is ignored, so no reader can step past a row or column limit.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "record/RecordLayout.h"

namespace tesmor {

class TextTable {
 public:
  explicit TextTable(const TableLayout& layout);

  const TableLayout& layout() const { return *layout_; }
  int width() const { return layout_->width; }
  int maxRows() const { return layout_->maxRows; }
  // Number of rows in the array, row 0 and the spare rows included.
  int rowSlots() const { return rows_; }

  bool contains(int row, int col) const { return row >= 0 && row < rows_ && col >= 0 && col < layout_->width; }

  const std::string& get(int row, int col) const;
  // Writes one cell; false (and nothing written) outside the table.
  bool set(int row, int col, std::string_view text);
  // The cell for in-place changes, or nullptr outside the table.
  std::string* cell(int row, int col);

  // Rows from row 1 whose key column is numeric-looking, at most maxRows.
  int RowCount() const;
  // Same rule on another column.
  int RowCountBy(int column) const;

  // A reader had a row for the table when it was full, and dropped it. The load
  // tells the user (the count is emptied with the table).
  void RefuseRow() { ++refusedRows_; }
  int refusedRows() const { return refusedRows_; }

  // Empties every cell.
  void Clear();
  // Exchanges two whole rows.
  void SwapRows(int a, int b);

 private:
  const TableLayout* layout_;
  int rows_;
  int refusedRows_ = 0;
  std::vector<std::string> cells_;
};

}  // namespace tesmor
