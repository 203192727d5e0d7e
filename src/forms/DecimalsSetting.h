// The decimals settings of the rock form's pressures (lugeonPmaxDecimals,
// supplyPressureDecimals, waterPressureDecimals): 0 shows the text as stored,
// 1 no decimals, 2 one decimal.
#pragma once

#include <string>
#include <string_view>

#include "record/TextUtil.h"

namespace tesmor {

// A stored number as the setting shows it; a text that is not a number stays as it is.
inline std::string WithDecimals(std::string_view text, int setting) {
  const std::string_view value = TrimBlanks(text);
  if ((setting != 1 && setting != 2) || StartsLikeNumber(value) <= 0) return std::string(value);
  return Format(setting == 1 ? "%.0f" : "%.1f", TextToDouble(value));
}

}  // namespace tesmor
