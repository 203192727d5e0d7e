#include "draw/CalibrationPage.h"

#include <string>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"

namespace tesmor {

namespace {

constexpr Colour kBlack = 0;
constexpr Colour kGrey = Rgb(0xC0, 0xC0, 0xC0);
constexpr Colour kRed = Rgb(0xFF, 0, 0);
constexpr Colour kGreen = Rgb(0, 0xA0, 0);
constexpr Colour kBlue = Rgb(0, 0, 0xFF);
constexpr Colour kYellow = Rgb(0xFF, 0xFF, 0x80);
constexpr const char* kMincho = "ＭＳ 明朝";
constexpr const char* kGothic = "ＭＳ ゴシック";

// Grid of 10 mm cells: x 10 to 170 mm, y 5 to 21 cm.
constexpr double kGridLeft = 10.0;
constexpr double kGridRight = 170.0;
constexpr double kGridTop = 5.0;
constexpr double kGridBottom = 21.0;

struct FontCell {
  double width;   // world x units
  double height;  // world y units
};

// Selects a font of `points` points and gives its character cell in world units.
FontCell UseFont(Canvas& dc, double points, const char* face, Colour colour, double angle = 0.0) {
  const PageTransform& t = dc.transform;
  const int heightPx = FontHeightPx(t.dpiY, points);
  SelectTextFont(dc, colour, heightPx, face, angle);
  return FontCell{FontHeightPx(t.dpiX, points) / t.xFactor, heightPx / t.yFactor};
}

int MmToPx(const Canvas& dc, double mm) { return static_cast<int>(mm * dc.transform.pxPerMmX); }

void DrawHorizontalRuler(Canvas& dc) {
  const double y = kRulerYCm;
  DrawLine(dc, kRulerLeftMm, y, kRulerLeftMm + 100.0, y, PS_SOLID, 1, kBlack);
  SetTextAlign(dc, TA_CENTER | TA_BOTTOM);
  for (int mm = 0; mm <= 100; ++mm) {
    const double x = kRulerLeftMm + mm;
    const double tick = mm % 10 == 0 ? 0.4 : (mm % 5 == 0 ? 0.25 : 0.15);
    DrawLine(dc, x, y, x, y - tick, PS_SOLID, 1, kBlack);
    if (mm % 10 == 0) DrawTextAt(dc, x, y - 0.45, std::to_string(mm));
  }
  SetTextAlign(dc, TA_LEFT | TA_BASELINE);
  DrawTextAt(dc, kRulerLeftMm + 103.0, y, "100 mm");
}

void DrawVerticalRuler(Canvas& dc) {
  const double x = 185.0;
  const double top = kRulerYCm;
  DrawLine(dc, x, top, x, top + 10.0, PS_SOLID, 1, kBlack);
  SetTextAlign(dc, TA_RIGHT | TA_BASELINE);
  for (int mm = 0; mm <= 100; ++mm) {
    const double y = top + mm / 10.0;
    const double tick = mm % 10 == 0 ? 4.0 : (mm % 5 == 0 ? 2.5 : 1.5);
    DrawLine(dc, x, y, x - tick, y, PS_SOLID, 1, kBlack);
    if (mm % 10 == 0) DrawTextAt(dc, x - 4.5, y, std::to_string(mm / 10) + " cm");
  }
}

void DrawGrid(Canvas& dc) {
  for (double x = kGridLeft; x <= kGridRight + 0.01; x += 10.0) {
    DrawLine(dc, x, kGridTop, x, kGridBottom, PS_SOLID, 1, kGrey);
  }
  for (double y = kGridTop; y <= kGridBottom + 0.01; y += 1.0) {
    DrawLine(dc, kGridLeft, y, kGridRight, y, PS_SOLID, 1, kGrey);
  }
  FrameRect(dc, kGridLeft, kGridTop, kGridRight, kGridBottom, PS_SOLID, 3, kBlack);
}

void DrawShapes(Canvas& dc) {
  // Circles of 10 and 5 mm radius touching the grid lines.
  DrawCircle(dc, 40.0, 9.0, 1.0, PS_SOLID, 2, kBlack);
  DrawCircle(dc, 40.0, 9.0, 0.5, PS_SOLID, 1, kBlue);
  DrawFilledCircle(dc, 70.0, 9.0, 0.5, PS_SOLID, 2, kBlack, kRed);
  DrawEllipse(dc, 110.0, 9.0, 20.0, 0.5, PS_SOLID, 1, kBlue);
  // Upper right quarter counter-clockwise, upper left quarter clockwise.
  DrawArc(dc, 150.0, 9.0, 1.0, 160.0, 9.0, 150.0, 8.0, PS_SOLID, 2, kRed);
  dc.surface.SetArcDirection(AD_CLOCKWISE);
  DrawArc(dc, 150.0, 9.0, 1.0, 140.0, 9.0, 150.0, 8.0, PS_SOLID, 2, kBlue);
  dc.surface.SetArcDirection(AD_COUNTERCLOCKWISE);

  DrawDiamond(dc, 30.0, 13.0, 5.0, 0.5, PS_SOLID, 1, kBlack);
  DrawDiamondBar(dc, 50.0, 13.0, 5.0, 0.5, PS_SOLID, 1, kBlack);
  const double xs[] = {70.0, 90.0, 80.0};
  const double ys[] = {14.0, 14.0, 12.0};
  FillPolygon(dc, xs, ys, kGreen);
  FillRect(dc, 110.0, 12.0, 130.0, 14.0, PS_SOLID, 1, kBlack, kYellow);
  FrameRect(dc, 140.0, 12.0, 160.0, 14.0, PS_DASH, 1, kBlack);
}

void DrawLines(Canvas& dc) {
  const int dash = MmToPx(dc, 3.0);
  const int gap = MmToPx(dc, 1.5);
  DrawDashedLine(dc, 20.0, 16.0, 160.0, 16.0, dash, gap, 1, kBlack);
  DrawDashedLine(dc, 160.0, 16.5, 20.0, 16.5, dash, gap, 2, kRed);
  DrawDashedLine(dc, 20.0, 17.0, 160.0, 17.0, dash, 0, 1, kBlue);  // no gap: solid
  DrawDashedLine(dc, 20.0, 18.0, 20.0, 21.0, dash, gap, 1, kBlack);
  DrawDashedLine(dc, 30.0, 18.0, 60.0, 21.0, dash, gap, 1, kBlack);
  const int styles[] = {PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_SOLID};
  double y = 18.5;
  for (int style : styles) {
    DrawLine(dc, 80.0, y, 160.0, y, style, style == PS_SOLID ? 3 : 1, kBlack);
    y += 0.5;
  }
}

void DrawTexts(Canvas& dc) {
  FontCell cell = UseFont(dc, 10.0, kMincho, kBlack);
  // Spread text: "AB" puts B at the middle of the box.
  FrameRect(dc, 10.0, 22.0, 50.0, 23.0, PS_SOLID, 1, kGrey);
  DrawTextSpread(dc, 10.0, 50.0, 22.0, 23.0, cell.width, cell.height, "AB");
  // Vertical text in a column.
  FrameRect(dc, 60.0, 22.0, 70.0, 27.5, PS_SOLID, 1, kGrey);
  DrawTextVertical(dc, 60.0, 70.0, 22.0, 27.5, cell.width, cell.height, "地質柱状図");
  // Alignment around a cross.
  DrawLine(dc, 95.0, 23.0, 105.0, 23.0, PS_SOLID, 1, kRed);
  DrawLine(dc, 100.0, 22.5, 100.0, 23.5, PS_SOLID, 1, kRed);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  DrawTextAt(dc, 100.0, 23.0, "左上");
  SetTextAlign(dc, TA_RIGHT | TA_BOTTOM);
  DrawTextAt(dc, 100.0, 23.0, "右下");
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  // Boxes.
  FrameRect(dc, 120.0, 22.0, 190.0, 23.0, PS_SOLID, 1, kGrey);
  DrawTextCentred(dc, 120.0, 22.0, 190.0, 23.0, "中央揃え centred");
  FrameRect(dc, 10.0, 24.0, 50.0, 25.0, PS_SOLID, 1, kGrey);
  DrawTwoLineText(dc, 10.0, 24.0, 25.0, "上段の文字", "下段の文字");
  FrameRect(dc, 10.0, 25.5, 50.0, 26.5, PS_SOLID, 1, kGrey);
  DrawTextMiddle(dc, 10.5, 25.5, 26.5, cell.height, "中段の文字");

  cell = UseFont(dc, 7.0, kMincho, kBlue);
  FrameRect(dc, 120.0, 23.5, 160.0, 27.5, PS_SOLID, 1, kGrey);
  DrawTextInRect(dc, 120.0, 23.5, 160.0, 27.5,
                 "灰色の細砂で、φ2～5mmの円礫を少量含む。含水は中位、締りは緩い。\r\n"
                 "GL-3.50m付近より粘性土を挟む。",
                 DT_WORDBREAK | DT_NOCLIP | DT_EXTERNALLEADING);

  UseFont(dc, 12.0, kGothic, kGreen, 90.0);
  SetTextAlign(dc, TA_LEFT | TA_BASELINE);
  DrawTextAt(dc, 85.0, 27.5, "回転 90°");
  SetTextAlign(dc, TA_LEFT | TA_TOP);
}

}  // namespace

void DrawCalibrationPage(Canvas& dc) {
  PageTransform& t = dc.transform;
  t.horizontalScale = 100;
  t.depthScale = 100;
  SetDeviceResolution(t, dc.surface.DpiX(), dc.surface.DpiY(), kCalibrationMarginMm,
                      kCalibrationMarginMm);
  // Centimetre system with the heading band folded away: world y 0 is the top margin.
  t.yFactor = 10.0 * t.pxPerMmY;
  t.headerUnit = t.yFactor;
  t.yOrigin = -11.5;
  dc.surface.SetBackgroundMode(TRANSPARENT);

  const FontCell title = UseFont(dc, 16.0, kMincho, kBlack);
  DrawTextSpread(dc, 50.0, 150.0, 0.3, 0.3 + title.height, title.width, title.height,
                 "ボーリング柱状図");
  UseFont(dc, 8.0, kMincho, kBlack);
  DrawHorizontalRuler(dc);
  DrawVerticalRuler(dc);
  DrawGrid(dc);
  DrawShapes(dc);
  DrawLines(dc);
  DrawTexts(dc);
}

}  // namespace tesmor
