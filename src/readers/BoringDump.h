// The loaded boring as one JSON object, for `tesmor --dump` and for comparing loads.
#pragma once

#include <string>
#include <vector>

#include "readers/ShellState.h"
#include "record/BoringRecord.h"

namespace tesmor {

// {"kind", "lastLineResult", "form", "totalDepth", "notices", "heading" (non-empty
// slots), "tables" (every table, rows 1 .. row count, all columns from 0),
// "density" (rows whose depth is 0 or more)}. UTF-8, one line per table row.
std::string DumpBoringJson(const BoringRecord& record, const ShellState& shell, const std::vector<int>& notices);

// A JSON string literal of UTF-8 text (quotes included).
std::string JsonString(std::string_view text);

// A JSON number (null for infinity and NaN), shortest form that reads back exactly.
std::string JsonNumber(double value);

}  // namespace tesmor
