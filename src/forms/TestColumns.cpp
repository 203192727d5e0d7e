// In-situ tests (InSituTable) in column 22 and laboratory tests (SampleTable) in
// column 23 of the rock form. Each test marks its depth range at the column's left
// edge, a bar between lines across the column at its top and bottom, or one line
// for a test at a single depth, and writes its texts from the top of the range down,
// fitted to the column (smaller, then broken); texts that would run into the ones
// above them start below them.
//
// In-situ rows come in two layouts: as the rock load leaves them (test name, top,
// bottom, result) and as the soil load shifts them (depth, result, test name, the
// mark in in_situ::kSoilMark); both are shown. A laboratory row shows its sample
// number and its test name.
#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "draw/DrawOps.h"
#include "forms/ColumnText.h"
#include "forms/FittedText.h"
#include "forms/RockColumns.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr int kInSituColumn = 22;
constexpr int kLaboratoryColumn = 23;
constexpr double kBarWidth = 0.5;
constexpr double kTextPad = 0.2;
constexpr double kGapShare = 0.1;
constexpr double kPointTest = 0.001;  // a range shorter than this is a single depth
constexpr double kLookAboveLines = 40.0;

struct TestEntry {
  double top = 0.0;
  double bottom = 0.0;
  std::string text;
};

// The non-empty texts, each once, one a line.
std::string JoinLines(std::initializer_list<std::string_view> texts) {
  std::vector<std::string_view> seen;
  std::string out;
  for (const std::string_view raw : texts) {
    const std::string_view text = TrimBlanks(raw);
    if (text.empty() || std::find(seen.begin(), seen.end(), text) != seen.end()) continue;
    seen.push_back(text);
    if (!out.empty()) out += "\r\n";
    out += text;
  }
  return out;
}

double BottomOr(const std::string& text, double top) {
  return StartsLikeNumber(text) > 0 ? std::max(TextToDouble(text), top) : top;
}

void DrawEntries(Canvas& dc, const SheetPass& pass, int k, std::vector<TestEntry> entries) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const TestEntry& a, const TestEntry& b) { return a.top < b.top; });
  const double left = pass.columns.Left(k);
  const double right = pass.columns.Right(k);
  const int w = pass.sheet.settings.ruleLineWidth;
  const double textLeft = left + kBarWidth + kTextPad;
  double used = std::numeric_limits<double>::lowest();
  // Texts far above the page cannot reach it.
  const double lookAbove = kLookAboveLines * pass.charHeight;
  for (const TestEntry& e : entries) {
    if (e.top > pass.pageBottom + 1.0) break;
    if (e.bottom < pass.pageTop - lookAbove) continue;
    const TextBlock block = FitTextBlock(dc, pass, e.text, right - textLeft - kTextPad);
    const double y = std::max(e.top + kGapShare * pass.charHeight, used);
    used = y + block.Height();
    if (!TouchesPage(pass, e.top, std::max(e.bottom, used))) continue;
    DrawLine(dc, left, e.top, right, e.top, PS_SOLID, w, 0);
    if (e.bottom - e.top >= kPointTest) {
      DrawLine(dc, left, e.bottom, right, e.bottom, PS_SOLID, w, 0);
      FillRect(dc, left, e.top, left + kBarWidth, e.bottom, PS_SOLID, 1, 0, 0);
    }
    DrawTextBlock(dc, pass, block, textLeft, y, TA_LEFT);
  }
}

}  // namespace

void DrawRockInSitu(Canvas& dc, SheetPass& pass) {
  const TextTable& table = pass.sheet.record.InSituTable;
  std::vector<TestEntry> entries;
  const int rows = table.RowCount();
  for (int row = 1; row <= rows; ++row) {
    const double top = TextToDouble(table.get(row, in_situ::kTopDepth));
    const bool soilLayout =
        table.get(row, in_situ::kSoilMark) == in_situ::kMark && table.get(row, in_situ::kReadMark) != in_situ::kMark;
    if (soilLayout) {
      entries.push_back(
          {top, top, JoinLines({table.get(row, in_situ::kSoilTestName), table.get(row, in_situ::kSoilResult)})});
      continue;
    }
    const std::string& bottom = table.get(row, in_situ::kBottomDepth);
    // A bottom that is not a depth is a text of its own.
    const std::string_view extra = StartsLikeNumber(bottom) > 0 ? std::string_view() : std::string_view(bottom);
    entries.push_back({top, BottomOr(bottom, top),
                       JoinLines({table.get(row, in_situ::kTestName), extra, table.get(row, in_situ::kResult)})});
  }
  DrawEntries(dc, pass, kInSituColumn, std::move(entries));
}

void DrawLaboratoryTests(Canvas& dc, SheetPass& pass) {
  const TextTable& table = pass.sheet.record.SampleTable;
  std::vector<TestEntry> entries;
  const int rows = table.RowCount();
  for (int row = 1; row <= rows; ++row) {
    const double top = TextToDouble(table.get(row, sample::kTopDepth));
    entries.push_back({top, BottomOr(table.get(row, sample::kBottomDepth), top),
                       JoinLines({table.get(row, sample::kNumber), table.get(row, sample::kTestName)})});
  }
  DrawEntries(dc, pass, kLaboratoryColumn, std::move(entries));
}

}  // namespace tesmor
