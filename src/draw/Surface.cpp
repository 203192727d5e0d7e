#include "draw/Surface.h"

#include <algorithm>

#include "draw/TextBox.h"

namespace tesmor {

int Surface::DrawTextBox(PxRect& box, std::string_view text, unsigned format) {
  const TextBoxLayout layout = LayoutTextBox(*this, box, text, format);
  if (format & DT_CALCRECT) {
    box = layout.bounds;
    return layout.result;
  }
  const bool clip = (format & DT_NOCLIP) == 0;
  if (clip) PushClip(box);
  const unsigned align = TextAlign();
  SetTextAlign(TA_LEFT | TA_TOP);
  for (const TextBoxLine& line : layout.lines) TextOut(line.x, line.y, line.text);
  SetTextAlign(align);
  if (clip) PopClip();
  return layout.result;
}

PxRect Normalised(const PxRect& r) {
  return PxRect{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                std::max(r.top, r.bottom)};
}

}  // namespace tesmor
