#include "app/GdiConventions.h"

#include <QFontInfo>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace tesmor {

namespace {

constexpr int kMaxFontHeight = 32767;
constexpr int kScreenDpi = 96;

// Dash patterns of one-pixel pens on a 96 dpi screen, in pixels.
QList<qreal> DashPattern(int style, double scale) {
  QList<qreal> pattern;
  switch (style) {
    case PS_DASH: pattern = {18, 6}; break;
    case PS_DOT: pattern = {3, 3}; break;
    case PS_DASHDOT: pattern = {9, 6, 3, 6}; break;
    case PS_DASHDOTDOT: pattern = {9, 3, 3, 3, 3, 3}; break;
    default: break;
  }
  for (qreal& v : pattern) v *= scale;
  return pattern;
}

// Angle of a point seen from a centre, in degrees counter-clockwise from east as
// it appears on the device (y grows downwards).
double AngleOf(PxPoint p, double cx, double cy) { return std::atan2(-(p.y - cy), p.x - cx) * 180.0 / std::numbers::pi; }

}  // namespace

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QRect ToQRect(const PxRect& r) {
  const PxRect n = Normalised(r);
  return QRect(QPoint(n.left, n.top), QSize(n.right - n.left, n.bottom - n.top));
}

double DashScaleOf(int dpiX) { return static_cast<double>(dpiX) / kScreenDpi; }

PenShape ShapeOf(const Pen& pen, double dashScale) {
  PenShape shape;
  shape.width = pen.width < 1 ? 1 : pen.width;
  shape.round = shape.width > 1;
  if (!shape.round && pen.style >= PS_DASH && pen.style <= PS_DASHDOTDOT) {
    shape.dashes = DashPattern(pen.style, dashScale);
  }
  return shape;
}

std::optional<QFont> FontOf(const LogFont& lf, int dpiY) {
  if (lf.height < -kMaxFontHeight || lf.height > kMaxFontHeight) return std::nullopt;
  QFont font(ToQString(lf.faceName));
  font.setFamily(QFontInfo(font).family());
  // Height 0 asks for the device's default text size, 12 points.
  const int height = lf.height == 0 ? dpiY / 6 : std::abs(lf.height);
  font.setPixelSize(std::max(1, height));
  if (lf.weight > 0) font.setWeight(static_cast<QFont::Weight>(std::clamp(lf.weight, 1, 1000)));
  font.setItalic(lf.italic != 0);
  font.setUnderline(lf.underline != 0);
  font.setStrikeOut(lf.strikeOut != 0);
  return font;
}

SelectedFont::SelectedFont(const QFont& font, const QPaintDevice* device)
    : device_(device), font_(font), metrics_(font, device) {
  Measure();
}

bool SelectedFont::Select(const LogFont& lf, int dpiY) {
  const std::optional<QFont> font = FontOf(lf, dpiY);
  if (!font) return false;
  font_ = *font;
  escapement_ = lf.escapement;
  Measure();
  return true;
}

void SelectedFont::Measure() {
  metrics_ = QFontMetricsF(font_, device_);
  const int em = font_.pixelSize() > 0 ? font_.pixelSize() : static_cast<int>(std::lround(metrics_.height()));
  const int ascent = std::min(em, static_cast<int>(std::lround(metrics_.ascent())));
  cell_ = TextMetrics{em, ascent, em - ascent, 0};
}

PxSize SelectedFont::Extent(std::string_view text) const {
  return PxSize{static_cast<int>(std::lround(Width(ToQString(text)))), cell_.height};
}

QPointF TextOrigin(unsigned align, double width, const TextMetrics& cell) {
  double dx = 0.0;
  if ((align & TA_HORIZONTAL_MASK) == TA_CENTER) {
    dx = -width / 2.0;
  } else if ((align & TA_HORIZONTAL_MASK) == TA_RIGHT) {
    dx = -width;
  }
  double dy = cell.ascent;  // top
  if ((align & TA_VERTICAL_MASK) == TA_BASELINE) {
    dy = 0.0;
  } else if ((align & TA_VERTICAL_MASK) == TA_BOTTOM) {
    dy = -cell.descent;
  }
  return QPointF(dx, dy);
}

ArcAngles ArcAnglesOf(const QRect& rect, PxPoint start, PxPoint end, int arcDirection) {
  const double cx = rect.left() + rect.width() / 2.0;
  const double cy = rect.top() + rect.height() / 2.0;
  const double from = AngleOf(start, cx, cy);
  double span = AngleOf(end, cx, cy) - from;
  if (arcDirection == AD_CLOCKWISE) {
    while (span >= 0.0) span -= 360.0;
  } else {
    while (span <= 0.0) span += 360.0;
  }
  return ArcAngles{static_cast<int>(std::lround(from * 16.0)), static_cast<int>(std::lround(span * 16.0))};
}

}  // namespace tesmor
