// Geological ages (GeoAgeTable) in the form's 3 mm age strip (soil column 11, rock
// column 13): a line across the strip at the top and the bottom of each age with a
// short slant inwards, and the age name written downwards, one character under the
// other, centred in the part of its range that the page shows (small kana in their
// reduced form, the long-vowel mark upright). A name that would run into the one
// above it starts below it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "forms/SheetPass.h"

namespace tesmor {

void DrawGeologicalAge(Canvas& dc, SheetPass& pass);

// One character of a stacked text: the character as drawn and whether it is set in
// the reduced size.
struct StackedCharacter {
  std::string text;
  bool small = false;
};

// The characters of a text stacked downwards: small kana (ッャュョァィゥェォ and
// their hiragana) marked small, the long-vowel mark "ー" turned into "｜".
std::vector<StackedCharacter> StackedCharacters(std::string_view text);

// Draws stacked characters downwards from `top` centred on x, one character height
// apart; small kana with a font of 0.7 times the body font. With `scale` the whole
// stack is set that much smaller. Restores the body font.
void DrawStackedText(Canvas& dc, const SheetPass& pass, double x, double top,
                     const std::vector<StackedCharacter>& characters, double scale = 1.0);

}  // namespace tesmor
