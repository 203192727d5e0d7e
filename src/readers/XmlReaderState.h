// The state of the boring-information reader while it reads a file line by line.
// Each load starts from a fresh copy (it lives in the LoadContext).
#pragma once

#include <array>
#include <string>

#include "readers/XmlElement.h"
#include "record/RecordLayout.h"

namespace tesmor {

inline constexpr int kScratchColumns = 104;
inline constexpr int kJudgementPairs = 64;
inline constexpr int kLugeonPairsPerTest = 50;
inline constexpr int kLugeonRows = LayoutOf(TableId::Lugeon).maxRows;

struct JudgementPair {
  std::string code;
  std::string symbol;
};

// The state of one pass over the lines (the common reader, or the DTD 1.10 pass).
struct XmlPassState {
  int currentGroup = 0;         // group code; 1000 heading, 0 outside a boring
  XmlElementTable elements;     // the element table of the current group
  int rowCount = 0;             // rows committed in the current group
  int maxRows = 0;
  int scratchWidth = 100;
  int elementCursor = 0;        // elements are searched from here on
  int fieldCount = 0;           // non-empty values stored since the record started
  std::array<std::string, kScratchColumns> scratch;
  int inSituAppendBase = 0;     // rows of 孔内水平載荷試験, continued by その他原位置試験
  bool valueMayContinue = false;  // a kept element's start tag ended its line

  // Rock classes (common reader only).
  bool readingJudgementTable = false;
  int classTableKind = -1;      // kind of the judgement table or class group last opened
  int classDataKind = -1;       // kind whose class rows are being read
  int missingTableCount = 0;    // 岩級 adds 501, other kinds 1
  std::array<JudgementPair, kJudgementPairs> judgementPairs;
  std::array<int, kLugeonRows + 1> lugeonPairs{};  // pressure-injection pairs per Lugeon row
};

// What the reader has learnt about the boring being read, shared by both passes.
struct XmlBoringFacts {
  bool styleGiven = false;      // a 柱状図様式 value decided the style
  bool readAsRock = false;      // rock-only groups recognised, 掘削工程 rows go to the drilling conditions
  int fixedResult = 0;          // 200, 201 or 202; 0 when the result follows the data
  bool hasRockData = false;     // rock-class, core recovery, core length, RQD or Lugeon rows
  bool gradeTableMissing = false;  // the boring ended with a 岩級 class group without its table

  // A boring without a style value is read as rock and drawn as its data says.
  bool ReadAsRock() const { return styleGiven ? readAsRock : true; }
  // 201 rock form with class symbols, 202 rock form, 200 soil form.
  int Result() const {
    if (styleGiven && fixedResult != 0) return fixedResult;
    return hasRockData ? 201 : 200;
  }
};

}  // namespace tesmor
