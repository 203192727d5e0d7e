#include "readers/RockCompletion.h"

#include "readers/ReaderDispatch.h"
#include "readers/RockClassSymbolLists.h"
#include "readers/RockGraphCaptions.h"
#include "record/TableSort.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {
bool Numeric(std::string_view text) { return StartsLikeNumber(text) > 0; }
}  // namespace

void RockCompletion(BoringRecord& record) {
  FillObservationTopDepths(record);

  TextTable& tests = record.InSituTable;
  for (int row = 1; row <= tests.maxRows() && Numeric(tests.get(row, in_situ::kTopDepth)); ++row) {
    if (tests.get(row, in_situ::kResult).empty()) tests.set(row, in_situ::kResult, tests.get(row, in_situ::kTestName));
  }

  SortTablesByDepth(record.DrillingProgressTable);
  SortTablesByDepth(record.ColourTable);
  SortTablesByDepth(record.CoreLengthRqdTable);

  TextTable& cores = record.CoreLengthRqdTable;
  const int last = cores.RowCount();
  if (last > 0) {
    cores.set(last, core_rqd::kPresence,
              std::to_string(TextToInt(cores.get(last, core_rqd::kPresence)) | core_rqd::bit::kLastRow));
  }

  FillGraphCaptions(record);
}

void FillGraphCaptions(BoringRecord& record) {
  const bool hasN = Numeric(record.SptTable.get(1, spt::kStartDepth));
  const bool hasLugeon = Numeric(record.LugeonTable.get(1, lugeon::kTopDepth));
  for (std::size_t i = 0; i < kGraphCaptionPairs.size(); ++i) {
    std::string& text = record.GraphCaptions[i + caption::kValueColumn];
    text.clear();
    if (hasN) text.append(kGraphCaptionPairs[i].withN);
    if (hasLugeon) text.append(kGraphCaptionPairs[i].withLugeon);
  }
  record.GraphCaptions[caption::kFlag] = std::string(kGraphCaptionFlag);
}

void RockClassSymbols(BoringRecord& record) {
  TextTable& colours = record.ColourTable;
  for (int row = 1; row <= colours.maxRows() && Numeric(colours.get(row, colour::kBottomDepth)); ++row) {
    for (std::size_t i = 0; i < kRockClassSymbolLists.size(); ++i) {
      const int col = kFirstSymbolColumn + static_cast<int>(i);
      const std::string& text = colours.get(row, col);
      if (!Numeric(text)) continue;
      const int code = TextToInt(text);
      if (col == kAlterationColumn && code < kAlterationLowestCode) continue;
      for (const CodeText& entry : kRockClassSymbolLists[i]) {
        if (entry.code == code) {
          colours.set(row, col, entry.text);
          break;
        }
      }
    }
  }
}

}  // namespace tesmor
