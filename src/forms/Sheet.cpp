// Placeholder until the sheet layout lands.
#include "forms/Sheet.h"

#include "draw/DrawOps.h"

namespace tesmor {

void DrawPage(Canvas& dc, SheetContext& sheet) {
  sheet.page.TotalDepth = TotalDepth(sheet.record);
  SetDeviceResolution(dc.transform, dc.surface.DpiX(), dc.surface.DpiY(), sheet.settings.leftMarginMm,
                      sheet.settings.topMarginMm);
  DrawSheet(dc, sheet);
}

void DrawSheet(Canvas& dc, SheetContext&) { FrameRect(dc, 0, -10, 270, 10, PS_SOLID, 1, 0); }

}  // namespace tesmor
