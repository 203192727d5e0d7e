// The drawing surface over a QPainter: a widget, a QPrinter, a QPdfWriter or a
// QImage (SVG pages have a surface of their own, SvgSurface.h). Coordinates are
// device pixels of the paint device; the resolution is the device's logical dpi
// unless given.
//
// Pens follow the platform the sheets were designed on: widths in device pixels
// (0 or 1 is one pixel), dashed styles only for one-pixel pens, their dash lengths
// scaled from the screen's 96 dpi so that they keep their size on paper. The pen
// and brush are set on the painter only when they change.
//
// A font's height (positive or negative) is its em size and its cell height, as
// with the Windows Japanese faces the sheets were laid out with (their cell is the
// em square): a double-byte character is as wide as the font is high, a Shift_JIS
// byte half that. Text is placed by its alignment in that cell.
#pragma once

#include <QFont>
#include <QRegion>
#include <vector>

#include "app/GdiConventions.h"
#include "draw/Surface.h"

class QPainter;

namespace tesmor {

class QtSurface final : public Surface {
 public:
  explicit QtSurface(QPainter& painter);
  QtSurface(QPainter& painter, int dpiX, int dpiY);

  int DpiX() const override { return dpiX_; }
  int DpiY() const override { return dpiY_; }
  void Line(int x1, int y1, int x2, int y2, const Pen& pen) override;
  void Polyline(std::span<const PxPoint> points, const Pen& pen) override;
  void Polygon(std::span<const PxPoint> points, const Pen& pen,
               const Brush& brush) override;
  void Rectangle(const PxRect& box, const Pen& pen,
                 const Brush& brush) override;
  void Ellipse(const PxRect& box, const Pen& pen,
               const Brush& brush) override;
  void Arc(const PxRect& box, PxPoint start, PxPoint end,
           const Pen& pen) override;
  void SetArcDirection(int direction) override { arcDirection_ = direction; }
  int ArcDirection() const override { return arcDirection_; }
  bool SelectFont(const LogFont& font) override;
  void SetTextColour(Colour colour) override { textColour_ = colour; }
  void SetTextAlign(unsigned align) override { textAlign_ = align; }
  unsigned TextAlign() const override { return textAlign_; }
  void SetBackgroundMode(int mode) override { backgroundMode_ = mode; }
  TextMetrics Metrics() const override { return font_.cell(); }
  void TextOut(int x, int y, std::string_view text) override;
  PxSize TextExtent(std::string_view text) const override;
  void PushClip(const PxRect& rect) override;
  void PopClip() override;

  // The font selected last (for tests and diagnostics).
  const QFont& Font() const { return font_.font(); }

 private:
  struct SavedClip {
    bool enabled;
    QRegion region;
  };

  void UsePen(const Pen& pen);
  void UseBrush(const Brush& brush);

  QPainter& painter_;
  int dpiX_;
  int dpiY_;
  double dashScale_;
  Pen pen_;
  bool penSet_ = false;
  Brush brush_;
  bool brushSet_ = false;
  int arcDirection_ = AD_COUNTERCLOCKWISE;
  SelectedFont font_;
  Colour textColour_ = 0;
  unsigned textAlign_ = TA_LEFT | TA_TOP;
  int backgroundMode_ = OPAQUE;
  std::vector<SavedClip> clips_;
};

}  // namespace tesmor
