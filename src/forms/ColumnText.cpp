#include "forms/ColumnText.h"

#include <algorithm>

#include "draw/TextBox.h"
#include "draw/TextOps.h"
#include "forms/SheetFonts.h"
#include "record/SjisText.h"

namespace tesmor {

std::vector<std::string> BreakIntoLines(Canvas& dc, std::string_view text, double width) {
  const int px = std::max(1, ToDeviceCoordinate(width * dc.transform.xFactor));
  TextBoxLayout layout = LayoutTextBox(dc.surface, PxRect{0, 0, px, 0}, text, DT_WORDBREAK | DT_NOCLIP);
  // A closing mark may hang past the edge of a full line: lay the text out again
  // narrower by that much, so that the mark takes the last character with it.
  int overhang = 0;
  for (const TextBoxLine& line : layout.lines) overhang = std::max(overhang, line.width - px);
  if (overhang > 0 && overhang < px / 2) {
    layout = LayoutTextBox(dc.surface, PxRect{0, 0, px - overhang, 0}, text, DT_WORDBREAK | DT_NOCLIP);
  }
  std::vector<std::string> lines;
  lines.reserve(layout.lines.size());
  for (const TextBoxLine& line : layout.lines) {
    if (line.width <= px) {
      lines.push_back(line.text);
      continue;
    }
    // A word wider than the column is cut between its characters.
    std::string_view rest = line.text;
    while (!rest.empty()) {
      std::size_t end = 0;
      while (end < rest.size()) {
        const std::size_t next = end + std::max<std::size_t>(1, Utf8SequenceLength(rest, end));
        if (end > 0 && dc.surface.TextExtent(rest.substr(0, next)).cx > px) break;
        end = next;
      }
      lines.emplace_back(rest.substr(0, end));
      rest.remove_prefix(end);
    }
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

double WorldHeight(const Canvas& dc, int px) {
  return dc.transform.yFactor > 0.0001 ? px / dc.transform.yFactor : 0.0;
}

double FontAscent(const Canvas& dc) { return WorldHeight(dc, dc.surface.Metrics().ascent); }

CharSize SelectBodyFont(Canvas& dc, const SheetPass& pass) {
  return SelectSheetFont(dc, pass.sheet.settings.fonts[kBodyFont]);
}

CharSize SelectScaledBodyFont(Canvas& dc, const SheetPass& pass, double scale) {
  return SelectSheetFont(dc, pass.sheet.settings.fonts[kBodyFont], kPointFactor * scale);
}

bool TouchesPage(const SheetPass& pass, double y1, double y2, double margin) {
  return std::max(y1, y2) >= pass.pageTop - margin && std::min(y1, y2) <= pass.pageBottom + margin;
}

}  // namespace tesmor

namespace tesmor {

double FittedWidth(Canvas& dc, std::string_view text, double maxWidth) {
  const double width = TextWidth(dc, text);
  return width <= maxWidth ? width : std::max(maxWidth, width * kSmallestFit);
}

void DrawFittedText(Canvas& dc, const SheetPass& pass, double x, double y, std::string_view text,
                    double maxWidth) {
  const double width = TextWidth(dc, text);
  if (width <= maxWidth || width <= 0.0) {
    DrawTextAt(dc, x, y, text);
    return;
  }
  SelectScaledBodyFont(dc, pass, std::max(kSmallestFit, maxWidth / width));
  DrawTextAt(dc, x, y, text);
  SelectBodyFont(dc, pass);
}

}  // namespace tesmor
