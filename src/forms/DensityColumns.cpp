// Relative density (column 8) and consistency (column 9) of the soil form, from
// DensityRows: each row's name stands just above its bottom depth, in one or two
// lines ("非常に" above the word of the "HJ" names; a four-character name in two
// lines of two). A layer whose code tells which of the two applies (the sub-code:
// 1 density, 2 consistency, 3 both) shows only that one. Labels never overlap: one
// that would meet the label above it moves down below it.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "draw/TextOps.h"
#include "forms/ColumnText.h"
#include "forms/SoilColumns.h"
#include "record/SjisText.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr int kDensityColumn = 8;
constexpr int kConsistencyColumn = 9;
constexpr double kTwoLineRise = 1.8;  // a two-line label's top above its depth, in lines
constexpr double kTextMargin = 0.15;
constexpr double kEndMarker = -99.9;

constexpr std::array<std::string_view, 5> kDensityNames = {"HJ緩い", "緩い", "中位", "密な", "HJ密な"};
constexpr std::array<std::string_view, 6> kConsistencyNames = {"HJ軟い", "軟らかい", "中位",
                                                               "硬い",   "HJ硬い",   "固結した"};
constexpr std::string_view kVery = "非常に";

std::string_view NameOf(int code, bool consistency) {
  if (consistency) {
    return code >= 0 && code < static_cast<int>(kConsistencyNames.size())
               ? kConsistencyNames[static_cast<std::size_t>(code)] : std::string_view{};
  }
  return code >= 0 && code < static_cast<int>(kDensityNames.size())
             ? kDensityNames[static_cast<std::size_t>(code)] : std::string_view{};
}

// The lines of a label: "非常に" and the word of an "HJ" name, a four-character
// name in two halves, else the name.
std::vector<std::string> LabelLines(std::string_view name) {
  if (name.starts_with("HJ")) return {std::string(kVery), std::string(name.substr(2))};
  if (CharacterCount(name) == 4) {
    const std::size_t half = SjisOffset(name, SjisWidth(name) / 2);
    return {std::string(name.substr(0, half)), std::string(name.substr(half))};
  }
  return {std::string(name)};
}

int LineCount(int code, bool consistency) {
  const std::string_view name = NameOf(code, consistency);
  return name.empty() ? 0 : static_cast<int>(LabelLines(name).size());
}

int Rows(const DensityRows& d) {
  int rows = 0;
  while (rows < DensityRows::kRows && d.depth[static_cast<std::size_t>(rows + 1)] >= 0.0) ++rows;
  return rows;
}

// Which of the two the layer ending at `depth` shows (its sub-code); both when no
// layer ends there or its code has no sub-code.
int Applies(const TextTable& layers, double depth) {
  for (int row = 1; row <= layers.RowCount(); ++row) {
    if (std::fabs(TextToDouble(layers.get(row, layer::kBottomDepth)) - depth) >= 0.001) continue;
    const std::string& code = layers.get(row, layer::kPatternCode1);
    const std::size_t dot = code.find('.');
    if (StartsLikeNumber(code) <= 0 || dot == std::string::npos) return layer::subcode::kBoth;
    return TextToInt(std::string_view(code).substr(dot + 1));
  }
  return layer::subcode::kBoth;
}

void DrawLabels(Canvas& dc, SheetPass& pass, bool consistency) {
  const DensityRows& d = pass.sheet.record.Density;
  const DensityLabelTops& tops = pass.densityLabels;
  const int k = consistency ? kConsistencyColumn : kDensityColumn;
  const double x = pass.columns.Centre(k);
  const double room = pass.columns.Width(k) - 2.0 * kTextMargin;
  const double h = pass.charHeight;
  const unsigned align = dc.surface.TextAlign();
  SetTextAlign(dc, TA_CENTER | TA_TOP);
  double used = -1.0e9;
  for (int i = 1; i <= tops.rows; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const int code = consistency ? d.consistency[index] : d.density[index];
    const std::string_view name = NameOf(code, consistency);
    if (name.empty()) continue;
    if ((Applies(pass.sheet.record.LayerTable, d.depth[index]) &
         (consistency ? layer::subcode::kConsistency : layer::subcode::kDensity)) == 0) {
      continue;
    }
    const std::vector<std::string> lines = LabelLines(name);
    double y = std::max(consistency ? tops.consistencyTop[index] : tops.top[index], used);
    used = y + h * static_cast<double>(lines.size());
    if (!TouchesPage(pass, y, used)) continue;
    for (const std::string& line : lines) {
      DrawFittedText(dc, pass, x, y, line, room);
      y += h;
    }
  }
  SetTextAlign(dc, align);
}

// The top of a label standing just above the depth.
double TopAbove(double depth, int lines, double h) {
  return depth - (lines > 1 ? kTwoLineRise : 1.0) * h;
}

void Prepare(SheetPass& pass, bool legacy) {
  const DensityRows& d = pass.sheet.record.Density;
  DensityLabelTops& tops = pass.densityLabels;
  const double h = pass.charHeight;
  tops.rows = Rows(d);
  double previous = 0.0;
  for (int i = 1; i <= tops.rows; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const double depth = d.depth[index];
    const int densityLines = LineCount(d.density[index], false);
    const int consistencyLines = LineCount(d.consistency[index], true);
    if (legacy) {
      // Centred in the row's range when it has room, else just above its depth.
      auto top = [&](int lines) {
        const double height = h * lines;
        return depth - previous >= height ? (previous + depth - height) / 2.0 : TopAbove(depth, lines, h);
      };
      tops.top[index] = top(std::max(densityLines, 1));
      tops.consistencyTop[index] = top(std::max(consistencyLines, 1));
    } else {
      const int densityCode = d.density[index];
      const int consistencyCode = d.consistency[index];
      tops.top[index] = depth - (densityCode == 0 || densityCode == 4 ? kTwoLineRise : 1.0) * h;
      tops.consistencyTop[index] =
          depth - (consistencyCode == 2 || consistencyCode == 3 ? 1.0 : kTwoLineRise) * h;
    }
    previous = depth;
  }
  if (tops.rows < DensityRows::kRows) {
    tops.top[static_cast<std::size_t>(tops.rows + 1)] = kEndMarker;
    tops.consistencyTop[static_cast<std::size_t>(tops.rows + 1)] = kEndMarker;
  }
}

}  // namespace

void PrepareDensityLabelsLegacy(Canvas&, SheetPass& pass) { Prepare(pass, true); }
void PrepareDensityLabelsXml(Canvas&, SheetPass& pass) { Prepare(pass, false); }
void DrawRelativeDensity(Canvas& dc, SheetPass& pass) { DrawLabels(dc, pass, false); }
void DrawRelativeConsistency(Canvas& dc, SheetPass& pass) { DrawLabels(dc, pass, true); }

}  // namespace tesmor
