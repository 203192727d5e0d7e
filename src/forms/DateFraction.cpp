#include "forms/DateFraction.h"

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "record/TextUtil.h"

namespace tesmor {

void DrawDateFraction(Canvas& dc, const SheetPass& pass, int k, double b, std::string_view date) {
  const double left = pass.columns.Left(k);
  const double h = pass.charHeight;
  const int w = pass.sheet.settings.ruleLineWidth;
  DrawLine(dc, left, b, pass.columns.Right(k), b, PS_SOLID, w, 0);
  const std::string_view text = TrimBlanks(date);
  const std::size_t slash = text.find('/');
  const unsigned align = dc.surface.TextAlign();
  SetTextAlign(dc, TA_LEFT | TA_BASELINE);
  if (slash == std::string_view::npos) {
    DrawTextAt(dc, left + 0.8, b, text);
  } else {
    DrawTextAt(dc, left + 0.4, b - 0.9 * h, TrimBlanks(text.substr(0, slash)));
    DrawTextAt(dc, left + 0.8, b, TrimBlanks(text.substr(slash + 1)));
    DrawLine(dc, left + 0.6, b - 0.8 * h, left + (pass.columns.Width(k) + 1.0) / 2.0, b - h, PS_SOLID,
             w, 0);
  }
  SetTextAlign(dc, align);
}

}  // namespace tesmor
