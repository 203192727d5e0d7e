// The page transform: paper millimetres and depth metres to device pixels.
//
// World x is millimetres of paper at horizontal scale 1/100 (x 0 is the left
// margin line). World y is either metres of depth (depth system: yFactor = 1000 ÷
// depthScale × pxPerMmY, yOrigin = minus the page's top depth) or centimetres of
// paper (yFactor = 10 × pxPerMmY). A heading band of 11.5 headerUnits always lies
// between the top margin and world y 0. The forms switch yFactor, yOrigin and
// headerUnit per band and restore them when they are done.
#pragma once

namespace tesmor {

inline constexpr double kInchesPerMm = 0.03937007874015748;  // 1 ÷ 25.4
inline constexpr int kMaxDeviceCoordinate = 32767;

struct PageTransform {
  int dpiX = 96;                // LOGPIXELSX of the device being drawn
  int dpiY = 96;                // LOGPIXELSY
  double pxPerMmX = 0.0;        // device pixels per millimetre of paper
  double pxPerMmY = 0.0;
  int horizontalScale = 100;    // N of the horizontal scale 1/N
  int depthScale = 100;         // N of the depth scale 1/N
  double xFactor = 1.0;         // pixels per world x unit
  double yFactor = 10.0;        // pixels per world y unit (of the band being drawn)
  double leftMarginMm = 5.0;
  double topMarginMm = 5.0;
  double yOrigin = 11.5;        // world y added before scaling
  double headerUnit = 10.0;     // pixels per unit of the heading band
};

// Start of a drawing pass: the device's resolution, pixels per millimetre, the
// horizontal factor from horizontalScale, and the margins.
void SetDeviceResolution(PageTransform& t, int dpiX, int dpiY, double leftMarginMm,
                         double topMarginMm);

// World to device pixels: truncated toward zero, then held to -32767 ... 32767.
int MapX(const PageTransform& t, double x);
int MapY(const PageTransform& t, double y);

// Device pixels back to world units; 0 when the factor is 0.0001 or less.
double UnmapX(const PageTransform& t, int px);
double UnmapY(const PageTransform& t, int py);

// World y of the current system expressed in the centimetre system (through the
// device pixel, as the pattern renderers see it); 0 while pxPerMmY is not set.
double ToCentimetreY(const PageTransform& t, double y);

// A double truncated toward zero to a device coordinate in -32767 ... 32767
// (NaN gives 0).
int ToDeviceCoordinate(double v);

// Pixel height of a font of `points` points: truncation of dpi × points ÷ 72.
int FontHeightPx(int dpi, double points);

}  // namespace tesmor
