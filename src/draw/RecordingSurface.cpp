#include "draw/RecordingSurface.h"

#include <cstdlib>

#include "draw/TextBox.h"
#include "record/SjisText.h"

namespace tesmor {

namespace {
constexpr int kDefaultFontHeight = 16;
}

std::vector<RecordedOp> RecordingSurface::OpsOf(RecordedOp::Kind kind) const {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops) {
    if (op.kind == kind) out.push_back(op);
  }
  return out;
}

RecordedOp& RecordingSurface::Add(RecordedOp::Kind kind) {
  RecordedOp& op = ops.emplace_back();
  op.kind = kind;
  op.arcDirection = arcDirection_;
  return op;
}

void RecordingSurface::Line(int x1, int y1, int x2, int y2, const Pen& pen) {
  RecordedOp& op = Add(RecordedOp::Kind::kLine);
  op.points = {{x1, y1}, {x2, y2}};
  op.pen = pen;
}

void RecordingSurface::Polyline(std::span<const PxPoint> points, const Pen& pen) {
  RecordedOp& op = Add(RecordedOp::Kind::kPolyline);
  op.points.assign(points.begin(), points.end());
  op.pen = pen;
}

void RecordingSurface::Polygon(std::span<const PxPoint> points, const Pen& pen,
                               const Brush& brush) {
  RecordedOp& op = Add(RecordedOp::Kind::kPolygon);
  op.points.assign(points.begin(), points.end());
  op.pen = pen;
  op.brush = brush;
}

void RecordingSurface::Rectangle(const PxRect& box, const Pen& pen, const Brush& brush) {
  RecordedOp& op = Add(RecordedOp::Kind::kRectangle);
  op.rect = box;
  op.pen = pen;
  op.brush = brush;
}

void RecordingSurface::Ellipse(const PxRect& box, const Pen& pen, const Brush& brush) {
  RecordedOp& op = Add(RecordedOp::Kind::kEllipse);
  op.rect = box;
  op.pen = pen;
  op.brush = brush;
}

void RecordingSurface::Arc(const PxRect& box, PxPoint start, PxPoint end, const Pen& pen) {
  RecordedOp& op = Add(RecordedOp::Kind::kArc);
  op.rect = box;
  op.points = {start, end};
  op.pen = pen;
}

bool RecordingSurface::SelectFont(const LogFont& font) {
  if (failFontCreation) return false;
  font_ = font;
  return true;
}

int RecordingSurface::FontHeight() const {
  return font_.height == 0 ? kDefaultFontHeight : std::abs(font_.height);
}

TextMetrics RecordingSurface::Metrics() const {
  const int h = FontHeight();
  const int descent = h / 8;
  return TextMetrics{h, h - descent, descent, 0};
}

void RecordingSurface::TextOut(int x, int y, std::string_view text) {
  RecordedOp& op = Add(RecordedOp::Kind::kText);
  op.points = {{x, y}};
  op.text = std::string(text);
  op.flags = textAlign_;
  op.font = font_;
  op.textColour = textColour_;
  op.backgroundMode = backgroundMode_;
}

PxSize RecordingSurface::TextExtent(std::string_view text) const {
  const int h = FontHeight();
  return PxSize{SjisWidth(text) * h / 2, h};
}

int RecordingSurface::DrawTextBox(PxRect& box, std::string_view text, unsigned format) {
  RecordedOp& op = Add(RecordedOp::Kind::kTextBox);
  op.rect = box;
  op.text = std::string(text);
  op.flags = format;
  op.font = font_;
  op.textColour = textColour_;
  op.backgroundMode = backgroundMode_;
  const TextBoxLayout layout = LayoutTextBox(*this, box, text, format);
  if (format & DT_CALCRECT) box = layout.bounds;
  return layout.result;
}

void RecordingSurface::PushClip(const PxRect& rect) { Add(RecordedOp::Kind::kPushClip).rect = rect; }

void RecordingSurface::PopClip() { Add(RecordedOp::Kind::kPopClip); }

}  // namespace tesmor
