// How the device-context conventions that the sheets were laid out with come out in
// Qt terms: pen widths, ends and dash patterns, fonts and their text cells, where a
// text starts for its alignment, and the angles of an arc. The painter surface and
// the SVG surface both follow these, so every output draws the same marks.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPaintDevice>
#include <QPointF>
#include <QRect>
#include <QString>
#include <optional>
#include <string_view>

#include "draw/Surface.h"

namespace tesmor {

QString ToQString(std::string_view text);

QRect ToQRect(const PxRect& r);

// A pen as drawn: never thinner than one pixel; pens wider than one pixel have
// round ends and joins and draw solid; one-pixel pens have flat ends, mitred joins
// and their style's dashes, in pixels.
struct PenShape {
  int width = 1;
  bool round = false;
  QList<qreal> dashes;  // empty: solid
};

// dashScale: the device's pixels per pixel of the 96 dpi screen the dashes were
// designed on.
PenShape ShapeOf(const Pen& pen, double dashScale);
double DashScaleOf(int dpiX);

// The font of a LogFont on a device of vertical resolution dpiY, naming the face
// actually used (the substitute of a Windows face), so that vector files name a font
// that exists. Nothing when the font cannot be created.
std::optional<QFont> FontOf(const LogFont& font, int dpiY);

// The font selected on a surface, with its metrics on the surface's device: a
// font's height is its em size and its cell height (the ascent never more), as
// with the Windows Japanese faces the sheets were laid out with.
class SelectedFont {
 public:
  SelectedFont(const QFont& font, const QPaintDevice* device);

  // Selects the font of a LogFont (FontOf); false, keeping the font selected
  // until now, when it cannot be created.
  bool Select(const LogFont& font, int dpiY);

  const QFont& font() const { return font_; }
  const TextMetrics& cell() const { return cell_; }
  int escapement() const { return escapement_; }
  double Width(const QString& text) const { return metrics_.horizontalAdvance(text); }
  PxSize Extent(std::string_view text) const;

 private:
  void Measure();

  const QPaintDevice* device_;
  QFont font_;
  QFontMetricsF metrics_;
  TextMetrics cell_;
  int escapement_ = 0;
};

// Where a text of the given width starts its baseline, from the point that TextOut
// was given, for a text alignment.
QPointF TextOrigin(unsigned align, double width, const TextMetrics& cell);

// Start angle and span of an arc in 1/16 degree, counter-clockwise from east as the
// arc appears on the device, as QPainter::drawArc takes them.
struct ArcAngles {
  int start16 = 0;
  int span16 = 0;
};
ArcAngles ArcAnglesOf(const QRect& box, PxPoint start, PxPoint end, int arcDirection);

}  // namespace tesmor
