#include "draw/PageTransform.h"

#include <cmath>

namespace tesmor {

namespace {
constexpr double kHeadingBandUnits = 11.5;
constexpr double kMinFactor = 0.0001;
constexpr double kPointsToInch = 0.013888888888888888;  // 1 ÷ 72

double TopOfWorldPx(const PageTransform& t) {
  return t.topMarginMm * t.pxPerMmY + kHeadingBandUnits * t.headerUnit;
}
}  // namespace

int ToDeviceCoordinate(double v) {
  if (std::isnan(v)) return 0;
  if (v >= kMaxDeviceCoordinate) return kMaxDeviceCoordinate;
  if (v <= -kMaxDeviceCoordinate) return -kMaxDeviceCoordinate;
  return static_cast<int>(v);
}

void SetDeviceResolution(PageTransform& t, int dpiX, int dpiY, double leftMarginMm,
                         double topMarginMm) {
  t.dpiX = dpiX;
  t.dpiY = dpiY;
  t.pxPerMmX = dpiX * kInchesPerMm;
  t.pxPerMmY = dpiY * kInchesPerMm;
  t.xFactor = 100.0 / t.horizontalScale * t.pxPerMmX;
  t.leftMarginMm = leftMarginMm;
  t.topMarginMm = topMarginMm;
}

int MapX(const PageTransform& t, double x) {
  return ToDeviceCoordinate(t.leftMarginMm * t.pxPerMmX + t.xFactor * x);
}

int MapY(const PageTransform& t, double y) {
  return ToDeviceCoordinate((t.yOrigin + y) * t.yFactor + TopOfWorldPx(t));
}

double UnmapX(const PageTransform& t, int px) {
  if (t.xFactor <= kMinFactor) return 0.0;
  return (px - t.leftMarginMm * t.pxPerMmX) / t.xFactor;
}

double UnmapY(const PageTransform& t, int py) {
  if (t.yFactor <= kMinFactor) return 0.0;
  return (py - TopOfWorldPx(t)) / t.yFactor - t.yOrigin;
}

double ToCentimetreY(const PageTransform& t, double y) {
  if (t.pxPerMmY <= kMinFactor) return 0.0;
  const int py = MapY(t, y);
  return (py - TopOfWorldPx(t)) / (t.pxPerMmY * 10.0) - t.yOrigin;
}

int FontHeightPx(int dpi, double points) { return ToDeviceCoordinate(dpi * points * kPointsToInch); }

}  // namespace tesmor
