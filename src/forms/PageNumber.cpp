#include "forms/PageNumber.h"

#include "draw/TextOps.h"
#include "forms/SheetFonts.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {
// The heading band between the top margin and the body is 11.5 units of 10 mm.
constexpr double kHeadingBandMm = 115.0;
}  // namespace

std::string PageNumberText(const BoringRecord& record, int pageNumber) {
  const std::string& before = record.heading(slot::kPageTextBefore);
  const std::string& first = record.heading(slot::kFirstPageNumber);
  const std::string& after = record.heading(slot::kPageTextAfter);
  if (StartsLikeNumber(first) > 0) {
    const long long number = 1LL * TextToInt(first) + pageNumber - 1;
    return before + Format("%lld", number) + after;
  }
  return before + first + after;
}

void DrawPageNumber(Canvas& dc, const SheetContext& sheet, int pageNumber, double pageTop,
                    double extraOffset) {
  const BoringRecord& record = sheet.record;
  const std::string text = PageNumberText(record, pageNumber);
  if (text.empty()) return;
  SelectSheetFont(dc, sheet.settings.fonts[kPageFont]);
  PageTransform& t = dc.transform;
  const PageTransform saved = t;
  t.leftMarginMm = 0.0;  // x from the left paper edge

  const bool centred = TextToInt(record.heading(slot::kPageHorizontalReference)) != 0;
  const double x = TextToDouble(record.heading(centred ? slot::kPageCentreOffset : slot::kPageFromLeftEdge));
  double y = 0.0;
  if (TextToInt(record.heading(slot::kPageVerticalReference)) != 0) {
    // Depth system: millimetres below the body at the depth scale.
    const int scale = t.depthScale > 0 ? t.depthScale : 100;
    t.yFactor = 1000.0 / scale * t.pxPerMmY;
    t.yOrigin = -pageTop;
    y = pageTop + sheet.page.DepthPerPage +
        (TextToDouble(record.heading(slot::kPageBelowColumns)) + extraOffset) * scale * 0.001;
  } else {
    // Millimetres from the top paper edge.
    t.yFactor = t.pxPerMmY;
    t.headerUnit = 10.0 * t.pxPerMmY;
    t.yOrigin = 0.0;
    t.topMarginMm = 0.0;
    y = TextToDouble(record.heading(slot::kPageFromPaperTop)) - kHeadingBandMm;
  }
  SetTextAlign(dc, (centred ? TA_CENTER : TA_LEFT) | TA_TOP);
  DrawTextAt(dc, x, y, text);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  t = saved;
}

}  // namespace tesmor
