// The drawing context every drawing operation takes as its first argument (`dc`):
// the surface of the device, the page transform of the pass and the shared text
// font, plus the notices the pass raised.
//
// Style of the drawing API (DrawOps.h, TextOps.h): free functions named after the
// operation, `Operation(Canvas& dc, ...)`. Operations ending in `Px` take device
// pixels; the others take world coordinates and map them with dc.transform
// (x by MapX, y by MapY). Pens are given per call: style (PS_*), width in device
// pixels, colour 0x00BBGGRR. Text alignment is state of the surface, set by the
// caller with SetTextAlign before DrawTextAt.
//
//   PageTransform transform;
//   SharedTextFont font;
//   SetDeviceResolution(transform, surface.DpiX(), surface.DpiY(), 5.0, 5.0);
//   Canvas dc{surface, transform, font};
//   DrawLine(dc, 0.0, 0.0, 100.0, 0.0, PS_SOLID, 1, 0);
//   SelectTextFont(dc, 0, FontHeightPx(transform.dpiY, 10.0), "ＭＳ 明朝", 0);
//   SetTextAlign(dc, TA_LEFT | TA_BOTTOM);
//   DrawTextAt(dc, 10.0, 2.0, "砂礫");
//   for (int id : dc.notices) ...show MessageText(id) once...
#pragma once

#include <vector>

#include "draw/PageTransform.h"
#include "draw/Surface.h"

namespace tesmor {

// The one text font record that every text operation fills and reuses
// (`sharedTextFont`); `created` tells whether the last creation succeeded.
struct SharedTextFont {
  LogFont logFont;
  bool created = false;
};

struct Canvas {
  Surface& surface;
  PageTransform& transform;
  SharedTextFont& textFont;
  // Message ids raised while drawing (msg::kCannotCreateFont), each at most once;
  // drawing goes on, the caller shows them when the pass is done.
  std::vector<int> notices = {};
};

// Records a notice once.
void AddNotice(Canvas& dc, int messageId);

}  // namespace tesmor
