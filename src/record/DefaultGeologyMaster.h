// The built-in geology-name master: the rows the classification table is
// filled from when no master file exists, and the starting content of the
// lithology-pattern dialog. Rows of three texts (name, symbol, code) in their listed
// order, ending with the row "[終了]". Section rows have an empty symbol and code.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace tesmor {

struct GeologyMasterText {
  std::string_view name;
  std::string_view symbol;
  std::string_view code;  // "%ld.%d": pattern number, point, sub-code
};

// The rows in their listed order (117 rows, "[第１分類]" first, "[終了]" last).
inline constexpr std::size_t kDefaultGeologyMasterRows = 117;
std::span<const GeologyMasterText> DefaultGeologyMaster();

}  // namespace tesmor
