// The lines of the data list ("データ一覧"): for each table with rows, a label line
// and one line per row (row number and the table's shown columns).
#pragma once

#include <string>
#include <vector>

#include "record/BoringRecord.h"

namespace tesmor {

inline constexpr int kDataListMaxLines = 800;
inline constexpr int kDataListColumns = 12;

struct DataListLines {
  std::vector<std::vector<std::string>> lines;  // up to 12 texts each
  bool truncated = false;                       // more lines than the list holds
};

// A table ends at its first row whose key and the column after it are both empty, or
// at its row limit. At most maxLines lines.
DataListLines BuildDataListLines(const BoringRecord& record, int maxLines = kDataListMaxLines);

}  // namespace tesmor
