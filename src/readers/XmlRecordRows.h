// Rows of the boring record as the boring-information reader writes them: the row
// layouts both passes share and the bottom-depth lookups of the commits.
#pragma once

#include <string>
#include <string_view>

#include "readers/LoadContext.h"

namespace tesmor {

// Two depth texts within 0.001 of each other (a difference of exactly 0.001 matches).
bool DepthsMatch(double a, double b);

// The row (from row 1, at most limit, while the key column is numeric-looking) whose
// key is within 0.001 of depth; 0 when none. freeRow (when given) receives the first
// row whose key is not numeric-looking, 0 when there is none within limit.
int FindDepthRow(const TextTable& table, double depth, int limit, int* freeRow = nullptr);

// The row found by FindDepthRow, else the free row, which takes depth as its key.
// 0 when neither exists within limit (the table counts the refused row).
int FindOrAddDepthRow(TextTable& table, std::string_view depth, int limit);

// The next row of the current group's table (NextRow within the group's limit); when
// the table is full the table counts the refused row and the result is false.
bool TakeGroupRow(BoringRecord& record, XmlPassState& state, int& row);

// Column col of a row read as an integer, OR bits, written back as decimal text.
void OrFlags(TextTable& table, int row, int col, int bits);

// A layer row: bottom depth, names, the reader's presence bits, "・", the composed pattern
// codes of both names, and the symbol the file gives (the composed one when it gives none).
void WriteLayerRow(LoadContext& context, int row, std::string_view depth, std::string_view name1,
                   std::string_view name2, std::string_view fileSymbol);

// A colour row: bottom depth, colour, and the presence bit of a layer ending at that depth.
void WriteColourRow(BoringRecord& record, int row, std::string_view depth, std::string_view tone);

// An in-situ test row as read: name, top and bottom depth, result, mark.
void WriteInSituRow(BoringRecord& record, int row, std::string_view name, std::string_view top,
                    std::string_view bottom, std::string_view result);

// A sample row: top and bottom depth, number, the mark of the sampling method, test name.
void WriteSampleRow(BoringRecord& record, int row, std::string_view top, std::string_view bottom,
                    std::string_view number, std::string_view methodCode, std::string_view testName);

// A water level below the collar as signed text ("2.5" gives "-2.50").
std::string WaterLevelText(std::string_view depth);

// A 掘削工程 row: in the drilling conditions when the boring is read as rock, in the
// drilling progress otherwise. False when the table is full.
bool WriteDrillingDateRow(LoadContext& context, XmlPassState& state, std::string_view depth, std::string_view date);

}  // namespace tesmor
