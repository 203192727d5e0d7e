#include "forms/SheetFonts.h"

#include "draw/TextOps.h"

namespace tesmor {

int SheetFontPx(int dpi, double size, double factor) { return ToDeviceCoordinate(dpi * size * factor); }

CharSize SheetFontSize(const PageTransform& t, const FontSetting& font, double factor) {
  CharSize size;
  if (t.yFactor > 0.0001) size.height = SheetFontPx(t.dpiY, font.size, factor) / t.yFactor;
  if (t.xFactor > 0.0001) size.width = SheetFontPx(t.dpiX, font.size, factor) / t.xFactor;
  return size;
}

CharSize SelectSheetFont(Canvas& dc, const FontSetting& font, double factor, double angleDegrees) {
  SelectTextFont(dc, font.colour, SheetFontPx(dc.transform.dpiY, font.size, factor), font.face,
                 angleDegrees);
  return SheetFontSize(dc.transform, font, factor);
}

}  // namespace tesmor
