#include "app/QtSurface.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTransform>
#include <QVector>
#include <array>

#include "app/GdiConventions.h"

namespace tesmor {

namespace {

constexpr std::size_t kPointBuffer = 32;

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

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

}  // namespace

QtSurface::QtSurface(QPainter& painter)
    : QtSurface(painter, painter.device()->logicalDpiX(), painter.device()->logicalDpiY()) {}

QtSurface::QtSurface(QPainter& painter, int dpiX, int dpiY)
    : painter_(painter),
      dpiX_(dpiX),
      dpiY_(dpiY),
      dashScale_(DashScaleOf(dpiX)),
      font_(painter.font(), painter.device()) {}

void QtSurface::UsePen(const Pen& pen) {
  if (penSet_ && pen == pen_) return;
  pen_ = pen;
  penSet_ = true;
  if (pen.style == PS_NULL) {
    painter_.setPen(Qt::NoPen);
    return;
  }
  const PenShape shape = ShapeOf(pen, dashScale_);
  QPen qpen(ToQColor(pen.colour), shape.width);
  qpen.setCapStyle(shape.round ? Qt::RoundCap : Qt::FlatCap);
  qpen.setJoinStyle(shape.round ? Qt::RoundJoin : Qt::MiterJoin);
  if (!shape.dashes.isEmpty()) qpen.setDashPattern(shape.dashes);
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
  const ArcAngles angles = ArcAnglesOf(rect, start, end, arcDirection_);
  UsePen(pen);
  painter_.drawArc(rect, angles.start16, angles.span16);
}

bool QtSurface::SelectFont(const LogFont& lf) {
  if (!font_.Select(lf, dpiY_)) return false;
  painter_.setFont(font_.font());
  return true;
}

PxSize QtSurface::TextExtent(std::string_view text) const { return font_.Extent(text); }

void QtSurface::TextOut(int x, int y, std::string_view text) {
  const QString s = ToQString(text);
  const double width = font_.Width(s);
  const TextMetrics& cell = font_.cell();
  const QPointF origin = TextOrigin(textAlign_, width, cell);
  const QTransform saved = painter_.worldTransform();
  painter_.translate(x, y);
  if (font_.escapement() != 0) painter_.rotate(-font_.escapement() / 10.0);
  if (backgroundMode_ == OPAQUE) {
    painter_.fillRect(QRectF(origin.x(), origin.y() - cell.ascent, width, cell.height), Qt::white);
  }
  painter_.setPen(ToQColor(textColour_));
  penSet_ = false;
  painter_.drawText(origin, s);
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
