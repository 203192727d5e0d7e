#include "forms/GeologicalAge.h"

#include <algorithm>
#include <array>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/ColumnText.h"
#include "forms/SheetFonts.h"
#include "record/SjisText.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr double kSlantWidth = 0.5;
constexpr double kSlantDepth = 0.3;
constexpr double kSmallFactor = 0.7;
constexpr double kSmallShift = 0.12;  // small kana stand right of the cell centre, as in vertical type

constexpr std::array<std::string_view, 18> kSmallKana = {
    "ッ", "ャ", "ュ", "ョ", "ァ", "ィ", "ゥ", "ェ", "ォ",
    "っ", "ゃ", "ゅ", "ょ", "ぁ", "ぃ", "ぅ", "ぇ", "ぉ"};

bool IsSmallKana(std::string_view c) {
  return std::find(kSmallKana.begin(), kSmallKana.end(), c) != kSmallKana.end();
}

}  // namespace

std::vector<StackedCharacter> StackedCharacters(std::string_view text) {
  std::vector<StackedCharacter> out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t len = std::max<std::size_t>(1, Utf8SequenceLength(text, pos));
    const std::string_view c = text.substr(pos, len);
    pos += len;
    if (c == "\r" || c == "\n") continue;
    if (c == "ー" || c == "－" || c == "-") {
      out.push_back({"｜", false});
    } else {
      out.push_back({std::string(c), IsSmallKana(c)});
    }
  }
  return out;
}

void DrawStackedText(Canvas& dc, const SheetPass& pass, double x, double top,
                     const std::vector<StackedCharacter>& characters, double scale) {
  const FontSetting& body = pass.sheet.settings.fonts[kBodyFont];
  const unsigned align = dc.surface.TextAlign();
  SetTextAlign(dc, TA_CENTER | TA_TOP);
  if (scale != 1.0) SelectSheetFont(dc, body, kPointFactor * scale);
  bool smallSelected = false;
  double y = top;
  for (const StackedCharacter& c : characters) {
    if (c.small != smallSelected) {
      SelectSheetFont(dc, body, kPointFactor * scale * (c.small ? kSmallFactor : 1.0));
      smallSelected = c.small;
    }
    const double shift = c.small ? kSmallShift * pass.charWidth * scale : 0.0;
    DrawTextAt(dc, x + shift, y, c.text);
    y += pass.charHeight * scale;
  }
  if (smallSelected || scale != 1.0) SelectBodyFont(dc, pass);
  SetTextAlign(dc, align);
}

void DrawGeologicalAge(Canvas& dc, SheetPass& pass) {
  const TextTable& table = pass.sheet.record.GeoAgeTable;
  const int k = pass.columns.roles.geologicalAge;
  const double left = pass.columns.Left(k);
  const double right = pass.columns.Right(k);
  const int w = pass.sheet.settings.ruleLineWidth;
  double used = pass.pageTop;
  for (int row = 1; row <= table.RowCount(); ++row) {
    const double t = TextToDouble(table.get(row, geo_age::kTopDepth));
    const double b = TextToDouble(table.get(row, geo_age::kBottomDepth));
    if (!TouchesPage(pass, t, b, 0.0)) continue;
    for (const double y : {t, b}) {
      DrawLine(dc, left, y, right, y, PS_SOLID, w, 0);
    }
    DrawLine(dc, left, t, left + kSlantWidth, t + kSlantDepth, PS_SOLID, w, 0);
    DrawLine(dc, left, b, left + kSlantWidth, b - kSlantDepth, PS_SOLID, w, 0);

    const auto characters = StackedCharacters(TrimBlanks(table.get(row, geo_age::kAgeName)));
    if (characters.empty()) continue;
    const double height = pass.charHeight * static_cast<double>(characters.size());
    // Centred in the part of the range this page shows, clear of the slants.
    const double from = std::max(t, pass.pageTop) + (t >= pass.pageTop ? kSlantDepth : 0.0);
    const double to = std::min(b, pass.pageBottom) - (b <= pass.pageBottom ? kSlantDepth : 0.0);
    double top = to - from >= height ? (from + to - height) / 2.0 : from;
    top = std::max(top, used);
    DrawStackedText(dc, pass, (left + right) / 2.0, top, characters);
    used = top + height;
  }
}

}  // namespace tesmor
