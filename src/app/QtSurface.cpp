#include "app/QtSurface.h"

#include <QFontInfo>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTransform>
#include <QVector>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace tesmor {

namespace {

constexpr int kMaxFontHeight = 32767;
constexpr int kScreenDpi = 96;
constexpr std::size_t kPointBuffer = 32;

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

QRect ToQRect(const PxRect& r) {
  const PxRect n = Normalised(r);
  return QRect(QPoint(n.left, n.top), QSize(n.right - n.left, n.bottom - n.top));
}

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

// Calls draw(const QPoint*, int) with the points converted, without allocating
// for the short lists that frames and patterns use.
template <typename Draw>
void WithQPoints(std::span<const PxPoint> points, Draw draw) {
  if (points.size() <= kPointBuffer) {
    std::array<QPoint, kPointBuffer> buffer;
    for (std::size_t i = 0; i < points.size(); ++i) buffer[i] = QPoint(points[i].x, points[i].y);
    draw(buffer.data(), static_cast<int>(points.size()));
    return;
  }
  QVector<QPoint> list;
  list.reserve(static_cast<qsizetype>(points.size()));
  for (const PxPoint& p : points) list.append(QPoint(p.x, p.y));
  draw(list.constData(), static_cast<int>(list.size()));
}

// Angle of a point seen from a centre, in degrees counter-clockwise from east as
// it appears on the device (y grows downwards).
double AngleOf(PxPoint p, double cx, double cy) {
  return std::atan2(-(p.y - cy), p.x - cx) * 180.0 / std::numbers::pi;
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtSurface::QtSurface(QPainter& painter)
    : QtSurface(painter, painter.device()->logicalDpiX(), painter.device()->logicalDpiY()) {}

QtSurface::QtSurface(QPainter& painter, int dpiX, int dpiY)
    : painter_(painter),
      dpiX_(dpiX),
      dpiY_(dpiY),
      dashScale_(static_cast<double>(dpiX) / kScreenDpi),
      font_(painter.font()),
      metrics_(painter.font(), painter.device()) {
  UpdateMetrics();
}

void QtSurface::UsePen(const Pen& pen) {
  if (penSet_ && pen == pen_) return;
  pen_ = pen;
  penSet_ = true;
  if (pen.style == PS_NULL) {
    painter_.setPen(Qt::NoPen);
    return;
  }
  const int width = pen.width < 1 ? 1 : pen.width;
  QPen qpen(ToQColor(pen.colour), width);
  if (width > 1) {
    qpen.setCapStyle(Qt::RoundCap);
    qpen.setJoinStyle(Qt::RoundJoin);
  } else {
    qpen.setCapStyle(Qt::FlatCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    if (pen.style >= PS_DASH && pen.style <= PS_DASHDOTDOT) {
      qpen.setDashPattern(DashPattern(pen.style, dashScale_));
    }
  }
  painter_.setPen(qpen);
}

void QtSurface::UseBrush(const Brush& brush) {
  if (brushSet_ && brush == brush_) return;
  brush_ = brush;
  brushSet_ = true;
  if (brush.solid) {
    painter_.setBrush(ToQColor(brush.colour));
  } else {
    painter_.setBrush(Qt::NoBrush);
  }
}

void QtSurface::Line(int x1, int y1, int x2, int y2, const Pen& pen) {
  UsePen(pen);
  painter_.drawLine(x1, y1, x2, y2);
}

void QtSurface::Polyline(std::span<const PxPoint> points, const Pen& pen) {
  UsePen(pen);
  WithQPoints(points, [&](const QPoint* p, int n) { painter_.drawPolyline(p, n); });
}

void QtSurface::Polygon(std::span<const PxPoint> points, const Pen& pen, const Brush& brush) {
  UsePen(pen);
  UseBrush(brush);
  WithQPoints(points, [&](const QPoint* p, int n) { painter_.drawPolygon(p, n, Qt::OddEvenFill); });
}

void QtSurface::Rectangle(const PxRect& box, const Pen& pen, const Brush& brush) {
  UsePen(pen);
  UseBrush(brush);
  painter_.drawRect(ToQRect(box));
}

void QtSurface::Ellipse(const PxRect& box, const Pen& pen, const Brush& brush) {
  UsePen(pen);
  UseBrush(brush);
  painter_.drawEllipse(ToQRect(box));
}

void QtSurface::Arc(const PxRect& box, PxPoint start, PxPoint end, const Pen& pen) {
  const QRect rect = ToQRect(box);
  const double cx = rect.left() + rect.width() / 2.0;
  const double cy = rect.top() + rect.height() / 2.0;
  const double from = AngleOf(start, cx, cy);
  double span = AngleOf(end, cx, cy) - from;
  if (arcDirection_ == AD_CLOCKWISE) {
    while (span >= 0.0) span -= 360.0;
  } else {
    while (span <= 0.0) span += 360.0;
  }
  UsePen(pen);
  painter_.drawArc(rect, static_cast<int>(std::lround(from * 16.0)),
                   static_cast<int>(std::lround(span * 16.0)));
}

bool QtSurface::SelectFont(const LogFont& lf) {
  if (lf.height < -kMaxFontHeight || lf.height > kMaxFontHeight) return false;
  QFont font(ToQString(lf.faceName));
  // Name the face actually used (a substitute of a Windows face), so that vector
  // files name a font that exists.
  font.setFamily(QFontInfo(font).family());
  // Height 0 asks for the device's default text size, 12 points.
  const int height = lf.height == 0 ? dpiY_ / 6 : std::abs(lf.height);
  font.setPixelSize(std::max(1, height));
  if (lf.weight > 0) font.setWeight(static_cast<QFont::Weight>(std::clamp(lf.weight, 1, 1000)));
  font.setItalic(lf.italic != 0);
  font.setUnderline(lf.underline != 0);
  font.setStrikeOut(lf.strikeOut != 0);
  font_ = font;
  escapement_ = lf.escapement;
  painter_.setFont(font);
  UpdateMetrics();
  return true;
}

void QtSurface::UpdateMetrics() {
  metrics_ = QFontMetricsF(font_, painter_.device());
  const int em = font_.pixelSize() > 0 ? font_.pixelSize()
                                       : static_cast<int>(std::lround(metrics_.height()));
  const int ascent = std::min(em, static_cast<int>(std::lround(metrics_.ascent())));
  cell_ = TextMetrics{em, ascent, em - ascent, 0};
}

TextMetrics QtSurface::Metrics() const { return cell_; }

PxSize QtSurface::TextExtent(std::string_view text) const {
  return PxSize{static_cast<int>(std::lround(metrics_.horizontalAdvance(ToQString(text)))),
                cell_.height};
}

void QtSurface::TextOut(int x, int y, std::string_view text) {
  const QString s = ToQString(text);
  const double width = metrics_.horizontalAdvance(s);
  double dx = 0.0;
  if ((textAlign_ & TA_HORIZONTAL_MASK) == TA_CENTER) {
    dx = -width / 2.0;
  } else if ((textAlign_ & TA_HORIZONTAL_MASK) == TA_RIGHT) {
    dx = -width;
  }
  double dy = cell_.ascent;  // top
  if ((textAlign_ & TA_VERTICAL_MASK) == TA_BASELINE) {
    dy = 0.0;
  } else if ((textAlign_ & TA_VERTICAL_MASK) == TA_BOTTOM) {
    dy = -cell_.descent;
  }
  const QTransform saved = painter_.worldTransform();
  painter_.translate(x, y);
  if (escapement_ != 0) painter_.rotate(-escapement_ / 10.0);
  if (backgroundMode_ == OPAQUE) {
    painter_.fillRect(QRectF(dx, dy - cell_.ascent, width, cell_.height), Qt::white);
  }
  painter_.setPen(ToQColor(textColour_));
  penSet_ = false;
  painter_.drawText(QPointF(dx, dy), s);
  painter_.setWorldTransform(saved);
}

void QtSurface::PushClip(const PxRect& rect) {
  clips_.push_back(SavedClip{painter_.hasClipping(), painter_.clipRegion()});
  painter_.setClipRect(ToQRect(rect), painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void QtSurface::PopClip() {
  if (clips_.empty()) return;
  const SavedClip saved = clips_.back();
  clips_.pop_back();
  if (saved.enabled) {
    painter_.setClipRegion(saved.region);
  } else {
    painter_.setClipping(false);
  }
}

}  // namespace tesmor
