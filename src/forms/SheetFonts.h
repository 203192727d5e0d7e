// The five configured fonts of the sheet, selected into the shared text font.
#pragma once

#include "draw/Canvas.h"
#include "settings/FontSettings.h"

namespace tesmor {

// Size of one full-width character of the selected font in world units of the
// current page transform.
struct CharSize {
  double width = 0.0;
  double height = 0.0;
};

// Pixels per point of font size: 1/72, and 1/45 for the title (1.6 times the size).
inline constexpr double kPointFactor = 0.013888888888888888;
inline constexpr double kTitlePointFactor = 1.0 / 45.0;

// Pixel height of a font: the truncation of dpi × size × factor.
int SheetFontPx(int dpi, double size, double factor = kPointFactor);

// The world size of a font's character under the current transform: its pixel
// height ÷ yFactor, and the truncation of dpiX × size × factor ÷ xFactor.
CharSize SheetFontSize(const PageTransform& t, const FontSetting& font,
                       double factor = kPointFactor);

// Selects the font (its face and colour, turned by angleDegrees counter-clockwise)
// and returns its world character size. A font that cannot be created leaves a
// notice in dc.notices; the size is returned all the same and drawing goes on.
CharSize SelectSheetFont(Canvas& dc, const FontSetting& font, double factor = kPointFactor,
                         double angleDegrees = 0.0);

}  // namespace tesmor
