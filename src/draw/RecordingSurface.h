// A surface that records every primitive with its device coordinates, for tests.
//
// Text metrics are fixed and need no fonts: a Shift_JIS byte is half the font
// height wide, a line is the font height tall (ascent 7/8 of it); before any font
// is selected the height is 16 pixels. Text in a box is recorded as one operation
// (its rectangle, text and format) and laid out by LayoutTextBox for its result.
#pragma once

#include <string>
#include <vector>

#include "draw/Surface.h"

namespace tesmor {

struct RecordedOp {
  enum class Kind {
    kLine, kPolyline, kPolygon, kRectangle, kEllipse, kArc, kText, kTextBox, kPushClip, kPopClip
  };
  Kind kind = Kind::kLine;
  // kLine: the two ends; kPolyline, kPolygon: the vertices; kArc: start and end points.
  std::vector<PxPoint> points;
  // kRectangle, kEllipse, kArc: the bounding box; kTextBox: the box; kPushClip: the rectangle.
  PxRect rect;
  Pen pen;
  Brush brush;
  int arcDirection = AD_COUNTERCLOCKWISE;
  // kText: the text at points[0] with the alignment in `flags`; kTextBox: `flags` is the format.
  std::string text;
  unsigned flags = 0;
  LogFont font;
  Colour textColour = 0;
  int backgroundMode = 0;
};

class RecordingSurface final : public Surface {
 public:
  explicit RecordingSurface(int dpiX = 96, int dpiY = 96) : dpiX_(dpiX), dpiY_(dpiY) {}

  std::vector<RecordedOp> ops;
  bool failFontCreation = false;  // SelectFont fails while set

  // The recorded operations of one kind, in order.
  std::vector<RecordedOp> OpsOf(RecordedOp::Kind kind) const;

  int DpiX() const override { return dpiX_; }
  int DpiY() const override { return dpiY_; }
  void Line(int x1, int y1, int x2, int y2, const Pen& pen) override;
  void Polyline(std::span<const PxPoint> points, const Pen& pen) override;
  void Polygon(std::span<const PxPoint> points, const Pen& pen, const Brush& brush) override;
  void Rectangle(const PxRect& box, const Pen& pen, const Brush& brush) override;
  void Ellipse(const PxRect& box, const Pen& pen, const Brush& brush) override;
  void Arc(const PxRect& box, PxPoint start, PxPoint end, const Pen& pen) override;
  void SetArcDirection(int direction) override { arcDirection_ = direction; }
  int ArcDirection() const override { return arcDirection_; }
  bool SelectFont(const LogFont& font) override;
  void SetTextColour(Colour colour) override { textColour_ = colour; }
  void SetTextAlign(unsigned align) override { textAlign_ = align; }
  unsigned TextAlign() const override { return textAlign_; }
  void SetBackgroundMode(int mode) override { backgroundMode_ = mode; }
  TextMetrics Metrics() const override;
  void TextOut(int x, int y, std::string_view text) override;
  PxSize TextExtent(std::string_view text) const override;
  int DrawTextBox(PxRect& box, std::string_view text, unsigned format) override;
  void PushClip(const PxRect& rect) override;
  void PopClip() override;

  const LogFont& Font() const { return font_; }
  Colour TextColour() const { return textColour_; }

 private:
  RecordedOp& Add(RecordedOp::Kind kind);
  int FontHeight() const;

  int dpiX_;
  int dpiY_;
  int arcDirection_ = AD_COUNTERCLOCKWISE;
  LogFont font_;
  Colour textColour_ = 0;
  unsigned textAlign_ = TA_LEFT | TA_TOP;
  int backgroundMode_ = OPAQUE;
};

}  // namespace tesmor
