#include "draw/TextOps.h"

#include "record/Messages.h"
#include "record/SjisText.h"

namespace tesmor {

namespace {

constexpr int kFaceNameBytes = 31;  // a face name holds 32 bytes with its terminator
constexpr int kDraftQuality = 1;

// The characters of text at evenly spread positions from `from` over `extent`
// (at least one character cell): the character at byte p goes to from + p × step.
// place(position, character) draws one character.
template <typename Place>
void SpreadCharacters(double from, double to, double charSize, std::string_view text, Place place) {
  const double extent = (to - from >= charSize ? to : from + charSize) - from;
  const int length = SjisWidth(text);
  const double step = length <= 2 ? extent * 0.5 : (extent - charSize) / (length - 2);
  int p = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t len = Utf8SequenceLength(text, pos);
    place(from + p * step, text.substr(pos, len));
    p += SjisCharWidthAt(text, pos);
    pos += len;
  }
}

}  // namespace

bool SelectTextFont(Canvas& dc, Colour textColour, int heightPx, std::string_view faceName,
                    double angleDegrees) {
  LogFont& lf = dc.textFont.logFont;
  lf.height = heightPx;
  lf.width = 0;
  lf.escapement = ToDeviceCoordinate(angleDegrees * 10.0);
  lf.charSet = SHIFTJIS_CHARSET;
  lf.outPrecision = 0;
  lf.quality = kDraftQuality;
  lf.faceName = std::string(SjisPrefix(faceName, kFaceNameBytes));
  if (!dc.surface.SelectFont(lf)) {
    dc.textFont.created = false;
    AddNotice(dc, msg::kCannotCreateFont);
    return false;
  }
  dc.textFont.created = true;
  dc.surface.SetTextColour(textColour);
  return true;
}

void SetTextAlign(Canvas& dc, unsigned align) { dc.surface.SetTextAlign(align); }

double TextWidth(Canvas& dc, std::string_view text) {
  if (dc.transform.xFactor <= 0.0001) return 0.0;
  return dc.surface.TextExtent(text).cx / dc.transform.xFactor;
}

int TextInRectPx(Canvas& dc, int left, int top, int right, int bottom, std::string_view text,
                 unsigned format, PxRect* measured) {
  PxRect box = Normalised(PxRect{left, top, right, bottom});
  box = PxRect{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
  dc.surface.SetBackgroundMode(TRANSPARENT);
  const int height = dc.surface.DrawTextBox(box, text, format);
  if (measured != nullptr) *measured = box;
  return height;
}

void DrawTextAt(Canvas& dc, double x, double y, std::string_view text) {
  dc.surface.TextOut(MapX(dc.transform, x), MapY(dc.transform, y), text);
}

int DrawTextInRect(Canvas& dc, double x1, double y1, double x2, double y2, std::string_view text,
                   unsigned format, PxRect* measured) {
  const PageTransform& t = dc.transform;
  return TextInRectPx(dc, MapX(t, x1), MapY(t, y1), MapX(t, x2), MapY(t, y2), text, format,
                      measured);
}

void DrawTextCentred(Canvas& dc, double x1, double y1, double x2, double y2,
                     std::string_view text) {
  DrawTextInRect(dc, x1, y1, x2, y2, text, kCentredSingleLine);
}

void DrawTextMiddle(Canvas& dc, double x, double y1, double y2, double charHeight,
                    std::string_view text) {
  DrawTextAt(dc, x, (y1 + y2 - charHeight) / 2.0, text);
}

void DrawTwoLineText(Canvas& dc, double x, double y1, double y2, std::string_view text1,
                     std::string_view text2) {
  const double h = y2 - y1;
  DrawTextAt(dc, x + 0.5, y1 + 0.05 * h, text1);
  DrawTextAt(dc, x + 0.5, y1 + 0.55 * h, text2);
}

void DrawTextSpread(Canvas& dc, double x1, double x2, double y1, double y2, double charWidth,
                    double charHeight, std::string_view text) {
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  const double y = (y1 + y2 - charHeight) / 2.0;
  SpreadCharacters(x1, x2, charWidth, text,
                   [&](double x, std::string_view c) { DrawTextAt(dc, x, y, c); });
}

void DrawTextVertical(Canvas& dc, double x1, double x2, double y1, double y2, double charWidth,
                      double charHeight, std::string_view text) {
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  const double x = (x1 + x2 - charWidth) / 2.0;
  SpreadCharacters(y1, y2, charHeight, text,
                   [&](double y, std::string_view c) { DrawTextAt(dc, x, y, c); });
}

}  // namespace tesmor
