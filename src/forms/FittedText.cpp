#include "forms/FittedText.h"

#include <algorithm>
#include <string>

#include "draw/TextBox.h"
#include "draw/TextOps.h"
#include "forms/ColumnText.h"

namespace tesmor {

namespace {

constexpr double kShrinkStep = 0.95;  // tried again this much smaller while still too wide
constexpr double kFitStep = 0.85;     // a block too tall for its room is tried this much smaller

int WidthPx(const Canvas& dc, double width) {
  return std::max(1, ToDeviceCoordinate(width * dc.transform.xFactor));
}

// The widest part of text that no line break can split, in pixels of the selected font.
int WidestUnbreakablePx(const Canvas& dc, std::string_view text) {
  const TextBoxLayout layout = LayoutTextBox(dc.surface, PxRect{0, 0, 1, 0}, text, DT_WORDBREAK | DT_NOCLIP);
  int widest = 0;
  for (const TextBoxLine& line : layout.lines) widest = std::max(widest, line.width);
  return widest;
}

// The text broken into lines `width` wide at `scale` times the body font.
TextBlock BlockAt(Canvas& dc, const SheetPass& pass, std::string_view text, double width, double scale) {
  TextBlock block;
  block.scale = scale;
  const CharSize size = scale < 1.0 ? SelectScaledBodyFont(dc, pass, scale) : CharSize{pass.charWidth, pass.charHeight};
  block.lineHeight = size.height;
  block.lines = BreakIntoLines(dc, text, width);
  if (scale < 1.0) SelectBodyFont(dc, pass);
  return block;
}

// The text with a blank before each "(" that follows a single-byte character, so
// that "CM(CL)" may break before its bracket.
std::string BreakableBeforeBrackets(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 4);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(' && i > 0 && text[i - 1] != ' ' && static_cast<unsigned char>(text[i - 1]) < 0x80) {
      out += ' ';
    }
    out += text[i];
  }
  return out;
}

}  // namespace

double FittingScale(Canvas& dc, const SheetPass& pass, std::string_view text, double width) {
  const int room = WidthPx(dc, width);
  const int widest = WidestUnbreakablePx(dc, text);
  if (widest <= room) return 1.0;
  double scale = std::max(kSmallestFit, static_cast<double>(room) / widest);
  while (scale > kSmallestFit) {
    SelectScaledBodyFont(dc, pass, scale);
    if (WidestUnbreakablePx(dc, text) <= room) break;
    scale = std::max(kSmallestFit, scale * kShrinkStep);
  }
  SelectBodyFont(dc, pass);
  return scale;
}

TextBlock FitTextBlock(Canvas& dc, const SheetPass& pass, std::string_view text, double width) {
  const double scale = FittingScale(dc, pass, text, width);
  if (scale < 1.0) {
    // A bracket on a line of its own may keep the text larger.
    const std::string broken = BreakableBeforeBrackets(text);
    const double brokenScale = broken.size() != text.size() ? FittingScale(dc, pass, broken, width) : 0.0;
    if (brokenScale > scale) return BlockAt(dc, pass, broken, width, brokenScale);
  }
  return BlockAt(dc, pass, text, width, scale);
}

TextBlock FitTextBlockIn(Canvas& dc, const SheetPass& pass, std::string_view text, double width,
                         double height) {
  TextBlock block = FitTextBlock(dc, pass, text, width);
  while (block.Height() > height && block.scale > kSmallestFit) {
    block = BlockAt(dc, pass, text, width, std::max(kSmallestFit, block.scale * kFitStep));
  }
  return block;
}

void DrawTextBlock(Canvas& dc, const SheetPass& pass, const TextBlock& block, double x, double top,
                   unsigned horizontalAlign) {
  if (block.Empty()) return;
  const unsigned align = dc.surface.TextAlign();
  if (block.scale < 1.0) SelectScaledBodyFont(dc, pass, block.scale);
  SetTextAlign(dc, (horizontalAlign & TA_HORIZONTAL_MASK) | TA_TOP);
  double y = top;
  for (const std::string& line : block.lines) {
    DrawTextAt(dc, x, y, line);
    y += block.lineHeight;
  }
  if (block.scale < 1.0) SelectBodyFont(dc, pass);
  SetTextAlign(dc, align);
}

}  // namespace tesmor
