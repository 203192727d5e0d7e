// Text operations and the shared text font. See Canvas.h for the conventions.
//
// Texts are UTF-8; where a step is counted in bytes it is the Shift_JIS (CP932)
// width of the text: 1 for ASCII and half-width katakana, 2 for the rest.
#pragma once

#include <string_view>

#include "draw/Canvas.h"

namespace tesmor {

// Centred horizontally and vertically on one line, not clipped (0x125).
inline constexpr unsigned kCentredSingleLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP;

// Fills the shared font record (height in pixels, width 0, escapement angle × 10,
// Shift_JIS character set, default precision, draft quality, face name cut to the
// 31 bytes a face name holds), creates the font and selects it with the text
// colour. When it cannot be created the previous font and colour stay, the notice
// msg::kCannotCreateFont ("Can't create font") is added to dc.notices, drawing goes
// on, and the result is false.
bool SelectTextFont(Canvas& dc, Colour textColour, int heightPx, std::string_view faceName,
                    double angleDegrees);

// Text alignment for DrawTextAt (TA_LEFT / TA_CENTER / TA_RIGHT with TA_TOP /
// TA_BASELINE / TA_BOTTOM).
void SetTextAlign(Canvas& dc, unsigned align);

// Width of one line of text in the selected font, in world x units.
double TextWidth(Canvas& dc, std::string_view text);

// Text in the rectangle shrunk by one pixel on every side, background transparent,
// with DrawText format flags. Returns the height of the text; with DT_CALCRECT
// nothing is drawn and `measured` (when given) receives the rectangle the text needs.
int TextInRectPx(Canvas& dc, int left, int top, int right, int bottom, std::string_view text,
                 unsigned format, PxRect* measured = nullptr);

// The whole text at the mapped point, with the alignment the caller set.
void DrawTextAt(Canvas& dc, double x, double y, std::string_view text);

// TextInRectPx of the mapped rectangle.
int DrawTextInRect(Canvas& dc, double x1, double y1, double x2, double y2, std::string_view text,
                   unsigned format, PxRect* measured = nullptr);

// DrawTextInRect centred on one line without clipping (kCentredSingleLine).
void DrawTextCentred(Canvas& dc, double x1, double y1, double x2, double y2, std::string_view text);

// DrawTextAt at (x, (y1 + y2 − charHeight) ÷ 2).
void DrawTextMiddle(Canvas& dc, double x, double y1, double y2, double charHeight,
                    std::string_view text);

// text1 at (x + 0.5, y1 + 0.05 h) and text2 at (x + 0.5, y1 + 0.55 h), h = y2 − y1.
void DrawTwoLineText(Canvas& dc, double x, double y1, double y2, std::string_view text1,
                     std::string_view text2);

// Characters one by one across [x1, x2], vertically centred: character at byte p
// drawn at x1 + p × step, the step justifying an all-double-byte text to the box
// (a text of at most 2 bytes steps by half the width). Leaves alignment left/top.
void DrawTextSpread(Canvas& dc, double x1, double x2, double y1, double y2, double charWidth,
                    double charHeight, std::string_view text);

// The same walk downwards: characters stacked down [y1, y2], horizontally centred.
void DrawTextVertical(Canvas& dc, double x1, double x2, double y1, double y2, double charWidth,
                      double charHeight, std::string_view text);

}  // namespace tesmor
