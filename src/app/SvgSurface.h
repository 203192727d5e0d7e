// The drawing surface of SVG export: one page written as an SVG document, primitive
// by primitive, with real text (selectable and searchable) in the fonts the sheet
// names.
//
//   SvgSurface svg(SvgPage{QSizeF(297, 420), 300, "B-1"});
//   ...draw the page on svg...
//   file.write(svg.Finish().data(), svg.Finish().size());
//
// Coordinates are device pixels at the page's resolution; the document's width and
// height are the paper's millimetres, its title the page's title. Pens, fonts, text
// placement and arcs follow the same rules as the painter surface (GdiConventions.h),
// and every clip pushed while the page draws holds, nested clips intersecting, as on
// the printer and in PDF: what is drawn under a clip sits in one group clipped to it.
// To keep files small, a clip is written only once something is drawn under it,
// consecutive lines and arcs of one pen form one path, and consecutive marks of one
// pen, brush or font share one group that carries it.
#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <string>
#include <vector>

#include "app/GdiConventions.h"
#include "draw/Surface.h"

namespace tesmor {

struct SvgPage {
  QSizeF paperMm;  // width and height of the paper
  int dpi = 300;   // device pixels per inch of the drawing
  QString title;
};

class SvgSurface final : public Surface {
 public:
  explicit SvgSurface(const SvgPage& page);
  SvgSurface(const SvgSurface&) = delete;
  SvgSurface& operator=(const SvgSurface&) = delete;

  int DpiX() const override { return dpi_; }
  int DpiY() const override { return dpi_; }
  void Line(int x1, int y1, int x2, int y2, const Pen& pen) override;
  void Polyline(std::span<const PxPoint> points, const Pen& pen) override;
  void Polygon(std::span<const PxPoint> points, const Pen& pen, const Brush& brush) override;
  void Rectangle(const PxRect& box, const Pen& pen, const Brush& brush) override;
  void Ellipse(const PxRect& box, const Pen& pen, const Brush& brush) override;
  void Arc(const PxRect& box, PxPoint start, PxPoint end, const Pen& pen) override;
  void SetArcDirection(int direction) override { arcDirection_ = direction; }
  int ArcDirection() const override { return arcDirection_; }
  bool SelectFont(const LogFont& font) override;
  void SetTextColour(Colour colour) override;
  void SetTextAlign(unsigned align) override { textAlign_ = align; }
  unsigned TextAlign() const override { return textAlign_; }
  void SetBackgroundMode(int mode) override { backgroundMode_ = mode; }
  TextMetrics Metrics() const override { return font_.cell(); }
  void TextOut(int x, int y, std::string_view text) override;
  PxSize TextExtent(std::string_view text) const override;
  void PushClip(const PxRect& rect) override;
  void PopClip() override;

  // Ends the page (closing every clip still pushed) and returns the document,
  // UTF-8. The surface draws nothing more after it.
  const std::string& Finish();

 private:
  // Opens the groups of the clips pushed and not yet written and the group of
  // the given style, closing the style group open until now when it differs.
  void Begin(const std::string& style);
  void FlushPath();
  void CloseStyle();
  const std::string& ShapeStyle(const Pen& pen, const Brush& brush);
  const std::string& TextStyle();
  // Starts a subpath of the pending path of one pen; false when the pen draws nothing.
  bool BeginStroke(const Pen& pen);
  // Begins a shape of its own element; false when the pen and brush draw nothing.
  bool BeginShape(const Pen& pen, const Brush& brush);

  int dpi_;
  double dashScale_;
  std::string out_;
  bool finished_ = false;

  std::string style_;  // attributes of the open style group
  bool styleOpen_ = false;
  std::string path_;  // path data of the pending lines and arcs
  std::vector<PxRect> clips_;
  std::size_t writtenClips_ = 0;  // clips_[0 .. writtenClips_) have their group open
  int clipIds_ = 0;

  Pen shapePen_;
  Brush shapeBrush_;
  bool shapeStyleSet_ = false;
  std::string shapeStyle_;
  bool textStyleSet_ = false;
  std::string textStyle_;

  int arcDirection_ = AD_COUNTERCLOCKWISE;
  QImage metricsDevice_;  // a device of the page's resolution, for text metrics
  SelectedFont font_;
  Colour textColour_ = 0;
  unsigned textAlign_ = TA_LEFT | TA_TOP;
  int backgroundMode_ = OPAQUE;
};

}  // namespace tesmor
