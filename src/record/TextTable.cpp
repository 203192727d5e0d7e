#include "record/TextTable.h"

#include "record/TextUtil.h"

namespace tesmor {

namespace {
const std::string kEmpty;
}

TextTable::TextTable(const TableLayout& layout)
    : layout_(&layout),
      rows_(layout.maxRows + layout.spareRows + 1),
      cells_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(layout.width)) {}

const std::string& TextTable::get(int row, int col) const {
  if (!contains(row, col)) return kEmpty;
  return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(layout_->width) +
                static_cast<std::size_t>(col)];
}

bool TextTable::set(int row, int col, std::string_view text) {
  std::string* c = cell(row, col);
  if (c == nullptr) return false;
  c->assign(text);
  return true;
}

std::string* TextTable::cell(int row, int col) {
  if (!contains(row, col)) return nullptr;
  return &cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(layout_->width) +
                 static_cast<std::size_t>(col)];
}

int TextTable::RowCount() const { return RowCountBy(layout_->keyColumn); }

int TextTable::RowCountBy(int column) const {
  int n = 0;
  while (n < layout_->maxRows && StartsLikeNumber(get(n + 1, column)) > 0) ++n;
  return n;
}

void TextTable::Clear() {
  for (auto& c : cells_) c.clear();
  refusedRows_ = 0;
}

void TextTable::SwapRows(int a, int b) {
  if (a == b || !contains(a, 0) || !contains(b, 0)) return;
  for (int col = 0; col < layout_->width; ++col) cell(a, col)->swap(*cell(b, col));
}

}  // namespace tesmor
