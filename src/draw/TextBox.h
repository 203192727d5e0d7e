// Line layout of text in a box, as DrawText does it: line breaks at CR LF, CR or
// LF, word breaks at blanks and between double-byte characters (a closing mark
// or a small kana never starts a line), horizontal and vertical alignment, and
// the rectangle the text needs. Every surface lays text out this way, so the
// recording used by the tests and the real devices break lines alike.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "draw/Surface.h"

namespace tesmor {

struct TextBoxLine {
  std::string text;
  int x = 0;  // left edge
  int y = 0;  // top edge
  int width = 0;
};

struct TextBoxLayout {
  std::vector<TextBoxLine> lines;
  PxRect bounds;  // the rectangle the text needs (what DT_CALCRECT gives)
  int result = 0;  // DrawText's return value
};

// Lays text out in box (already normalised) with the selected font of surface.
TextBoxLayout LayoutTextBox(const Surface& surface, const PxRect& box, std::string_view text,
                            unsigned format);

}  // namespace tesmor
