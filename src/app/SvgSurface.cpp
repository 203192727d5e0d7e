#include "app/SvgSurface.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <optional>

#include "app/GdiConventions.h"

namespace tesmor {

namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr double kMmPerInch = 25.4;
constexpr int kFullTurn16 = 360 * 16;

void AppendInt(std::string& out, long long v) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
  out.append(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

// A number with at most `decimals` (2 or 3) decimals, without trailing zeros.
void AppendNumber(std::string& out, double v, int decimals = 2) {
  const double scale = decimals == 3 ? 1000.0 : 100.0;
  const double rounded = std::round(v * scale) / scale;
  if (rounded == std::floor(rounded) && std::fabs(rounded) < 1e15) {
    AppendInt(out, static_cast<long long>(rounded));
    return;
  }
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, decimals);
  const char* end = result.ptr;
  while (end > buffer && end[-1] == '0') --end;
  if (end > buffer && end[-1] == '.') --end;
  out.append(buffer, static_cast<std::size_t>(end - buffer));
}

void AppendColour(std::string& out, Colour c) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '#';
  for (const int part : {RedOf(c), GreenOf(c), BlueOf(c)}) {
    out += kHex[(part >> 4) & 0xF];
    out += kHex[part & 0xF];
  }
}

// ` name="value"`.
void AppendAttribute(std::string& out, const char* name, double value, int decimals = 2) {
  out += ' ';
  out += name;
  out += "=\"";
  AppendNumber(out, value, decimals);
  out += '"';
}

void AppendAttribute(std::string& out, const char* name, int value) {
  out += ' ';
  out += name;
  out += "=\"";
  AppendInt(out, value);
  out += '"';
}

// x, y, width and height of a (normalised) rectangle, as attributes.
void AppendRectAttributes(std::string& out, const PxRect& r) {
  AppendAttribute(out, "x", r.left);
  AppendAttribute(out, "y", r.top);
  AppendAttribute(out, "width", r.right - r.left);
  AppendAttribute(out, "height", r.bottom - r.top);
}

void AppendPoint(std::string& out, int x, int y, char separator) {
  AppendInt(out, x);
  out += separator;
  AppendInt(out, y);
}

// Text as XML character data or attribute value: markup characters escaped, and the
// characters that XML cannot hold at all (control characters other than tab and
// line ends, unpaired surrogates, U+FFFE and U+FFFF) left out, so that any text a
// boring file holds keeps the document readable.
void AppendEscaped(std::string& out, const QString& text) {
  QString clean;
  clean.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    const char16_t u = c.unicode();
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      clean += c;
      clean += text.at(++i);
      continue;
    }
    if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF) continue;
    if (u < 0x20 && u != '\t' && u != '\n' && u != '\r') continue;
    switch (u) {
      case '&': clean += QLatin1String("&amp;"); break;
      case '<': clean += QLatin1String("&lt;"); break;
      case '>': clean += QLatin1String("&gt;"); break;
      case '"': clean += QLatin1String("&quot;"); break;
      default: clean += c; break;
    }
  }
  out += clean.toUtf8().toStdString();
}

// Whether a text has white space that a renderer collapsing blanks would lose: at
// either end or two together.
bool HasSpaceToKeep(const QString& text) {
  const auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; };
  if (text.isEmpty()) return false;
  if (blank(text.front()) || blank(text.back())) return true;
  for (qsizetype i = 1; i < text.size(); ++i) {
    if (blank(text.at(i)) && blank(text.at(i - 1))) return true;
  }
  return false;
}

// A tiny image of a resolution: text measured on it is measured as on a page
// image of that resolution.
QImage DeviceOf(int dpi) {
  QImage image(1, 1, QImage::Format_RGB32);
  const int dotsPerMetre = static_cast<int>(std::lround(dpi / kMetresPerInch));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  return image;
}

// A point on the ellipse of a box at an angle (1/16 degree, counter-clockwise from
// east as seen on the device), as QPainter::drawArc places its ends.
void AppendArcPoint(std::string& out, const QRect& box, int angle16) {
  const double a = angle16 / 16.0 * std::numbers::pi / 180.0;
  const double cx = box.left() + box.width() / 2.0;
  const double cy = box.top() + box.height() / 2.0;
  AppendNumber(out, cx + box.width() / 2.0 * std::cos(a));
  out += ' ';
  AppendNumber(out, cy - box.height() / 2.0 * std::sin(a));
}

}  // namespace

SvgSurface::SvgSurface(const SvgPage& page)
    : dpi_(page.dpi),
      dashScale_(DashScaleOf(page.dpi)),
      metricsDevice_(DeviceOf(page.dpi)),
      font_(QFont(), &metricsDevice_) {
  const double width = page.paperMm.width() * page.dpi / kMmPerInch;
  const double height = page.paperMm.height() * page.dpi / kMmPerInch;
  out_.reserve(1 << 18);
  out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg width=\"";
  AppendNumber(out_, page.paperMm.width(), 3);
  out_ += "mm\" height=\"";
  AppendNumber(out_, page.paperMm.height(), 3);
  out_ += "mm\" viewBox=\"0 0 ";
  AppendNumber(out_, width, 3);
  out_ += ' ';
  AppendNumber(out_, height, 3);
  out_ +=
      "\" xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"\n"
      " xml:space=\"preserve\">\n"
      "<title>";
  AppendEscaped(out_, page.title);
  out_ += "</title>\n<rect";
  AppendAttribute(out_, "width", width, 3);
  AppendAttribute(out_, "height", height, 3);
  out_ +=
      " fill=\"#ffffff\"/>\n"
      "<g fill=\"none\" fill-rule=\"evenodd\" stroke-miterlimit=\"2\">\n";
}

void SvgSurface::CloseStyle() {
  if (!styleOpen_) return;
  out_ += "</g>\n";
  styleOpen_ = false;
}

void SvgSurface::FlushPath() {
  if (path_.empty()) return;
  out_ += "<path d=\"";
  out_ += path_;
  out_ += "\"/>\n";
  path_.clear();
}

void SvgSurface::Begin(const std::string& style) {
  if (writtenClips_ < clips_.size()) {
    FlushPath();
    CloseStyle();
    for (; writtenClips_ < clips_.size(); ++writtenClips_) {
      const int id = ++clipIds_;
      out_ += "<clipPath id=\"c";
      AppendInt(out_, id);
      out_ += "\"><rect";
      AppendRectAttributes(out_, clips_[writtenClips_]);
      out_ += "/></clipPath>\n<g clip-path=\"url(#c";
      AppendInt(out_, id);
      out_ += ")\">\n";
    }
  }
  if (styleOpen_ && style == style_) return;
  FlushPath();
  CloseStyle();
  out_ += "<g ";
  out_ += style;
  out_ += ">\n";
  style_ = style;
  styleOpen_ = true;
}

const std::string& SvgSurface::ShapeStyle(const Pen& pen, const Brush& brush) {
  if (shapeStyleSet_ && pen == shapePen_ && brush == shapeBrush_) return shapeStyle_;
  shapePen_ = pen;
  shapeBrush_ = brush;
  shapeStyleSet_ = true;
  std::string& s = shapeStyle_;
  s.clear();
  if (pen.style != PS_NULL) {
    const PenShape shape = ShapeOf(pen, dashScale_);
    s += "stroke=\"";
    AppendColour(s, pen.colour);
    s += '"';
    if (shape.width != 1) {
      s += " stroke-width=\"";
      AppendInt(s, shape.width);
      s += '"';
    }
    if (shape.round) s += " stroke-linecap=\"round\" stroke-linejoin=\"round\"";
    if (!shape.dashes.isEmpty()) {
      s += " stroke-dasharray=\"";
      for (qsizetype i = 0; i < shape.dashes.size(); ++i) {
        if (i > 0) s += ',';
        AppendNumber(s, shape.dashes[i]);
      }
      s += '"';
    }
  }
  if (brush.solid) {
    if (!s.empty()) s += ' ';
    s += "fill=\"";
    AppendColour(s, brush.colour);
    s += '"';
  }
  return s;
}

const std::string& SvgSurface::TextStyle() {
  if (textStyleSet_) return textStyle_;
  textStyleSet_ = true;
  std::string& s = textStyle_;
  const QFont& font = font_.font();
  s = "fill=\"";
  AppendColour(s, textColour_);
  s += "\" font-family=\"";
  AppendEscaped(s, font.family());
  s += "\" font-size=\"";
  AppendInt(s, font_.cell().height);
  s += '"';
  const int weight = font.weight();
  if (weight != QFont::Normal) {
    s += " font-weight=\"";
    AppendInt(s, std::clamp((weight + 50) / 100 * 100, 100, 900));
    s += '"';
  }
  if (font.italic()) s += " font-style=\"italic\"";
  if (font.underline() || font.strikeOut()) {
    s += " text-decoration=\"";
    if (font.underline()) s += "underline";
    if (font.underline() && font.strikeOut()) s += ' ';
    if (font.strikeOut()) s += "line-through";
    s += '"';
  }
  return s;
}

bool SvgSurface::BeginStroke(const Pen& pen) {
  if (finished_ || pen.style == PS_NULL) return false;
  Begin(ShapeStyle(pen, Brush::Hollow()));
  return true;
}

void SvgSurface::Line(int x1, int y1, int x2, int y2, const Pen& pen) {
  if (!BeginStroke(pen)) return;
  path_ += 'M';
  AppendPoint(path_, x1, y1, ' ');
  if (y1 == y2) {
    path_ += 'H';
    AppendInt(path_, x2);
  } else if (x1 == x2) {
    path_ += 'V';
    AppendInt(path_, y2);
  } else {
    path_ += 'L';
    AppendPoint(path_, x2, y2, ' ');
  }
}

void SvgSurface::Polyline(std::span<const PxPoint> points, const Pen& pen) {
  if (points.size() < 2 || !BeginStroke(pen)) return;
  path_ += 'M';
  AppendPoint(path_, points[0].x, points[0].y, ' ');
  path_ += 'L';
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (i > 1) path_ += ' ';
    AppendPoint(path_, points[i].x, points[i].y, ' ');
  }
}

void SvgSurface::Arc(const PxRect& box, PxPoint start, PxPoint end, const Pen& pen) {
  const QRect rect = ToQRect(box);
  const ArcAngles angles = ArcAnglesOf(rect, start, end, arcDirection_);
  if (angles.span16 == 0 || !BeginStroke(pen)) return;
  const double rx = rect.width() / 2.0;
  const double ry = rect.height() / 2.0;
  // A whole turn is two half arcs (an arc cannot end where it starts).
  const int span = std::clamp(angles.span16, -kFullTurn16, kFullTurn16);
  const int pieces = std::abs(span) == kFullTurn16 ? 2 : 1;
  path_ += 'M';
  AppendArcPoint(path_, rect, angles.start16);
  for (int i = 1; i <= pieces; ++i) {
    path_ += 'A';
    AppendNumber(path_, rx);
    path_ += ' ';
    AppendNumber(path_, ry);
    // Counter-clockwise on the device is the negative sweep of SVG's y-down plane.
    path_ += std::abs(span) / pieces > kFullTurn16 / 2 ? " 0 1 " : " 0 0 ";
    path_ += span > 0 ? "0 " : "1 ";
    AppendArcPoint(path_, rect, angles.start16 + span * i / pieces);
  }
}

bool SvgSurface::BeginShape(const Pen& pen, const Brush& brush) {
  if (finished_) return false;
  const std::string& style = ShapeStyle(pen, brush);
  if (style.empty()) return false;
  Begin(style);
  FlushPath();
  return true;
}

void SvgSurface::Polygon(std::span<const PxPoint> points, const Pen& pen, const Brush& brush) {
  if (points.size() < 2 || !BeginShape(pen, brush)) return;
  out_ += "<polygon points=\"";
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i > 0) out_ += ' ';
    AppendPoint(out_, points[i].x, points[i].y, ',');
  }
  out_ += "\"/>\n";
}

void SvgSurface::Rectangle(const PxRect& box, const Pen& pen, const Brush& brush) {
  const PxRect r = Normalised(box);
  const bool flat = r.left == r.right || r.top == r.bottom;
  if ((flat && pen.style == PS_NULL) || !BeginShape(pen, brush)) return;
  if (flat) {
    // A rectangle without area is its outline, which SVG would not draw as a rect.
    out_ += "<path d=\"M";
    AppendPoint(out_, r.left, r.top, ' ');
    out_ += 'H';
    AppendInt(out_, r.right);
    out_ += 'V';
    AppendInt(out_, r.bottom);
    out_ += 'H';
    AppendInt(out_, r.left);
    out_ += "Z\"/>\n";
    return;
  }
  out_ += "<rect";
  AppendRectAttributes(out_, r);
  out_ += "/>\n";
}

void SvgSurface::Ellipse(const PxRect& box, const Pen& pen, const Brush& brush) {
  if (!BeginShape(pen, brush)) return;
  const QRect r = ToQRect(box);
  const double rx = r.width() / 2.0;
  const double ry = r.height() / 2.0;
  out_ += rx == ry ? "<circle" : "<ellipse";
  AppendAttribute(out_, "cx", r.left() + rx);
  AppendAttribute(out_, "cy", r.top() + ry);
  if (rx == ry) {
    AppendAttribute(out_, "r", rx);
  } else {
    AppendAttribute(out_, "rx", rx);
    AppendAttribute(out_, "ry", ry);
  }
  out_ += "/>\n";
}

bool SvgSurface::SelectFont(const LogFont& lf) {
  if (!font_.Select(lf, dpi_)) return false;
  textStyleSet_ = false;
  return true;
}

void SvgSurface::SetTextColour(Colour colour) {
  textColour_ = colour;
  textStyleSet_ = false;
}

PxSize SvgSurface::TextExtent(std::string_view text) const { return font_.Extent(text); }

void SvgSurface::TextOut(int x, int y, std::string_view text) {
  if (finished_ || text.empty()) return;
  const QString s = ToQString(text);
  const double width = font_.Width(s);
  const TextMetrics& cell = font_.cell();
  const QPointF origin = TextOrigin(textAlign_, width, cell);
  Begin(TextStyle());
  FlushPath();
  // Turned text is placed in its own frame: the point, turned by the escapement.
  double ox = x + origin.x();
  double oy = y + origin.y();
  std::string frame;
  if (font_.escapement() != 0) {
    ox = origin.x();
    oy = origin.y();
    frame = " transform=\"translate(";
    AppendPoint(frame, x, y, ' ');
    frame += ") rotate(";
    AppendNumber(frame, -font_.escapement() / 10.0);
    frame += ")\"";
  }
  if (backgroundMode_ == OPAQUE) {
    out_ += "<rect";
    out_ += frame;
    AppendAttribute(out_, "x", ox);
    AppendAttribute(out_, "y", oy - cell.ascent);
    AppendAttribute(out_, "width", width);
    AppendAttribute(out_, "height", cell.height);
    out_ += " fill=\"#ffffff\"/>\n";
  }
  out_ += "<text";
  // The document keeps white space; browsers need it said on the text itself.
  if (HasSpaceToKeep(s)) out_ += " xml:space=\"preserve\"";
  out_ += frame;
  AppendAttribute(out_, "x", ox);
  AppendAttribute(out_, "y", oy);
  out_ += '>';
  AppendEscaped(out_, s);
  out_ += "</text>\n";
}

void SvgSurface::PushClip(const PxRect& rect) {
  if (finished_) return;
  clips_.push_back(Normalised(rect));
}

void SvgSurface::PopClip() {
  if (finished_ || clips_.empty()) return;
  if (writtenClips_ == clips_.size()) {
    FlushPath();
    CloseStyle();
    out_ += "</g>\n";
    --writtenClips_;
  }
  clips_.pop_back();
}

const std::string& SvgSurface::Finish() {
  if (finished_) return out_;
  while (!clips_.empty()) PopClip();
  FlushPath();
  CloseStyle();
  out_ += "</g>\n</svg>\n";
  finished_ = true;
  return out_;
}

}  // namespace tesmor
