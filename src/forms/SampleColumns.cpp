// Samples (SampleTable), columns 24 to 27 of the soil form: the sampled range with
// its depths, the sample number, the sampling-method mark (a one-character mark
// in a circle) and the laboratory tests, one test per line. The bottom depth stands
// above its line when the next sample starts too close below it for both labels.
#include <algorithm>
#include <string>
#include <vector>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/ColumnText.h"
#include "forms/DepthLabels.h"
#include "forms/SoilColumns.h"
#include "record/SjisText.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr int kDepthColumn = 24;
constexpr int kNumberColumn = 25;
constexpr int kMethodColumn = 26;
constexpr int kTestColumn = 27;
constexpr double kBarWidth = 0.5;
constexpr double kNumberInset = 0.5;
constexpr double kTextMargin = 0.15;
constexpr double kTestGap = 0.03;  // the tests start this far below the sample's top
// soilSampleDepthPosition: 0 the bottom depth above its line, 1 below it, 2 none.
constexpr int kBottomAbove = 0;
constexpr int kBottomNone = 2;

// The laboratory tests one per line (split at commas); a test too wide for the
// column even at the smallest fitted size is broken further.
std::vector<std::string> TestLines(Canvas& dc, std::string_view text, double room) {
  std::vector<std::string> lines;
  std::string item;
  auto flush = [&] {
    const std::string_view trimmed = TrimBlanks(item);
    if (!trimmed.empty()) {
      for (std::string& piece : BreakIntoLines(dc, trimmed, room / kSmallestFit)) lines.push_back(std::move(piece));
    }
    item.clear();
  };
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t len = std::max<std::size_t>(1, Utf8SequenceLength(text, pos));
    const std::string_view c = text.substr(pos, len);
    pos += len;
    if (c == "," || c == "、" || c == "，" || c == "\r" || c == "\n") {
      flush();
    } else {
      item += c;
    }
  }
  flush();
  return lines;
}

bool IsCircledMark(std::string_view mark) {
  return !mark.empty() && CharacterCount(mark) == 1 && mark != "-" && mark != "－";
}

}  // namespace

void DrawSampleColumns(Canvas& dc, SheetPass& pass) {
  const TextTable& table = pass.sheet.record.SampleTable;
  const Settings& s = pass.sheet.settings;
  const ColumnGeometry& g = pass.columns;
  const int w = s.ruleLineWidth;
  const double h = pass.charHeight;
  const unsigned align = dc.surface.TextAlign();
  const double depthRoom = g.Width(kDepthColumn) - 2.0 * kTextMargin;
  const double testRoom = g.Width(kTestColumn) - 2.0 * kTextMargin;
  double testsUsed = -1.0e9;
  for (int row = 1; row <= table.RowCount(); ++row) {
    const double t = TextToDouble(table.get(row, sample::kTopDepth));
    const std::string& bottom = table.get(row, sample::kBottomDepth);
    const double b = StartsLikeNumber(bottom) > 0 ? TextToDouble(bottom) : t;
    const std::vector<std::string> tests = TestLines(dc, table.get(row, sample::kTestName), testRoom);
    double y = std::max(t + kTestGap, testsUsed);
    testsUsed = y + h * static_cast<double>(tests.size());
    if (!TouchesPage(pass, t, std::max(b, testsUsed))) continue;

    const double left = g.Left(kDepthColumn);
    DrawLine(dc, left, t, g.Right(kDepthColumn), t, PS_SOLID, w, 0);
    DrawLine(dc, left, b, g.Right(kDepthColumn), b, PS_SOLID, w, 0);
    FillRect(dc, left, t, left + kBarWidth, b, PS_SOLID, 1, 0, 0);
    SetTextAlign(dc, TA_CENTER | TA_BOTTOM);
    DrawFittedText(dc, pass, g.Centre(kDepthColumn), t, TrimBlanks(FormatDepthOrElevation(pass, t, 5)), depthRoom);
    if (s.soilSampleDepthPosition != kBottomNone) {
      // Below the line, unless the next sample starts too close under it for both labels.
      const bool nextClose =
          row < table.RowCount() && TextToDouble(table.get(row + 1, sample::kTopDepth)) - b < 2.0 * h;
      const bool above = s.soilSampleDepthPosition == kBottomAbove || nextClose;
      SetTextAlign(dc, TA_CENTER | (above ? TA_BOTTOM : TA_TOP));
      DrawFittedText(dc, pass, g.Centre(kDepthColumn), b, TrimBlanks(FormatDepthOrElevation(pass, b, 5)),
                     depthRoom);
    }

    SetTextAlign(dc, TA_LEFT | TA_BOTTOM);
    DrawFittedText(dc, pass, g.Left(kNumberColumn) + kNumberInset, b, TrimBlanks(table.get(row, sample::kNumber)),
                   g.Width(kNumberColumn) - kNumberInset - kTextMargin);
    const std::string_view mark = TrimBlanks(table.get(row, sample::kMethodMark));
    if (!mark.empty()) {
      const double cx = g.Centre(kMethodColumn);
      SetTextAlign(dc, TA_CENTER | TA_BOTTOM);
      DrawFittedText(dc, pass, cx, b, mark, g.Width(kMethodColumn) - 2.0 * kTextMargin);
      if (IsCircledMark(mark)) DrawCircle(dc, cx, b - h / 2.0, h / 2.0, PS_SOLID, w, 0);
    }

    SetTextAlign(dc, TA_LEFT | TA_TOP);
    for (const std::string& line : tests) {
      DrawFittedText(dc, pass, g.Left(kTestColumn) + kTextMargin, y, line, testRoom);
      y += h;
    }
  }
  SetTextAlign(dc, align);
}

}  // namespace tesmor
