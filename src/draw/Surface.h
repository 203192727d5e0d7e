// The drawing surface: what every mark of a sheet goes through on its way to a
// device (screen, printer, PDF, SVG, PNG, or a recording for tests).
//
// Coordinates are integer device pixels of the surface (one logical unit per
// pixel). Pens are passed with every primitive, as a device context's pens are
// created for one call: style (the GDI pen styles), width in device pixels and a
// colour 0x00BBGGRR. Text state (font, colour, alignment, background mode) and arc
// direction are state of the surface, like a device context's.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tesmor {

// 32-bit colour in the platform byte order 0x00BBGGRR.
using Colour = std::uint32_t;

inline constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
inline constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
inline constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// Pen styles (GDI values). Dashed styles apply to pens of width 0 or 1 only; a
// wider pen of a dashed style draws solid, as on the platform this program follows.
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_DASHDOT = 3;
inline constexpr int PS_DASHDOTDOT = 4;
inline constexpr int PS_NULL = 5;

// Text alignment flags of TextOut (GDI values): one horizontal and one vertical.
inline constexpr unsigned TA_LEFT = 0;
inline constexpr unsigned TA_RIGHT = 2;
inline constexpr unsigned TA_CENTER = 6;
inline constexpr unsigned TA_TOP = 0;
inline constexpr unsigned TA_BOTTOM = 8;
inline constexpr unsigned TA_BASELINE = 24;
inline constexpr unsigned TA_HORIZONTAL_MASK = 6;
inline constexpr unsigned TA_VERTICAL_MASK = 24;

// Text-in-a-box format flags (DrawText values). 0x125 is centred single line
// without clipping; 0x610 measures word-broken text, 0x310 draws it.
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_TOP = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_EXTERNALLEADING = 0x200;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;

// Background modes of text output (GDI values).
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// Arc directions (GDI values); a new surface draws counter-clockwise.
inline constexpr int AD_COUNTERCLOCKWISE = 1;
inline constexpr int AD_CLOCKWISE = 2;

// Shift_JIS character set of a font.
inline constexpr int SHIFTJIS_CHARSET = 128;

struct PxPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PxPoint&, const PxPoint&) = default;
};

struct PxRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const PxRect&, const PxRect&) = default;
};

// The same rectangle with left <= right and top <= bottom.
PxRect Normalised(const PxRect& r);

struct PxSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const PxSize&, const PxSize&) = default;
};

struct Pen {
  int style = PS_SOLID;
  int width = 1;  // device pixels; 0 draws one pixel wide
  Colour colour = 0;
  friend bool operator==(const Pen&, const Pen&) = default;
};

// A solid brush of a colour, or no brush (the interior is left untouched).
struct Brush {
  bool solid = false;
  Colour colour = 0;
  static constexpr Brush Hollow() { return Brush{}; }
  static constexpr Brush Solid(Colour c) { return Brush{true, c}; }
  friend bool operator==(const Brush&, const Brush&) = default;
};

// Font description (the fields of a LOGFONT record). height > 0 is the cell height
// in pixels, < 0 the character height, 0 the device's default; escapement is the
// angle of the baseline in tenths of a degree, counter-clockwise.
struct LogFont {
  int height = 0;
  int width = 0;
  int escapement = 0;
  int orientation = 0;
  int weight = 0;
  int italic = 0;
  int underline = 0;
  int strikeOut = 0;
  int charSet = 0;
  int outPrecision = 0;
  int clipPrecision = 0;
  int quality = 0;
  int pitchAndFamily = 0;
  std::string faceName;
  friend bool operator==(const LogFont&, const LogFont&) = default;
};

// Metrics of the selected font, in pixels.
struct TextMetrics {
  int height = 0;  // ascent + descent
  int ascent = 0;
  int descent = 0;
  int externalLeading = 0;
};

class Surface {
 public:
  virtual ~Surface() = default;

  // Resolution (LOGPIXELSX / LOGPIXELSY).
  virtual int DpiX() const = 0;
  virtual int DpiY() const = 0;

  // Lines and shapes. A rectangle or ellipse is given by its bounding box.
  virtual void Line(int x1, int y1, int x2, int y2, const Pen& pen) = 0;
  virtual void Polyline(std::span<const PxPoint> points, const Pen& pen) = 0;
  virtual void Polygon(std::span<const PxPoint> points, const Pen& pen, const Brush& brush) = 0;
  virtual void Rectangle(const PxRect& box, const Pen& pen, const Brush& brush) = 0;
  virtual void Ellipse(const PxRect& box, const Pen& pen, const Brush& brush) = 0;
  // Arc of the ellipse in box from the ray (centre → start) to the ray
  // (centre → end), in the current arc direction; start == end draws the whole ellipse.
  virtual void Arc(const PxRect& box, PxPoint start, PxPoint end, const Pen& pen) = 0;
  virtual void SetArcDirection(int direction) = 0;
  virtual int ArcDirection() const = 0;

  // Text state.
  // Creates the font and selects it; false when it cannot be created (the
  // previous font stays selected).
  virtual bool SelectFont(const LogFont& font) = 0;
  virtual void SetTextColour(Colour colour) = 0;
  virtual void SetTextAlign(unsigned align) = 0;
  virtual unsigned TextAlign() const = 0;
  virtual void SetBackgroundMode(int mode) = 0;
  virtual TextMetrics Metrics() const = 0;

  // Text of one line at a point, placed by the text alignment (and turned by the
  // font's escapement around that point).
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  // Width and cell height of one line of text in the selected font.
  virtual PxSize TextExtent(std::string_view text) const = 0;

  // Text in a box with DrawText format flags. Returns the height of the text;
  // with DT_CALCRECT draws nothing and sets box to the rectangle the text needs.
  // The default lays the text out with TextExtent and draws it with TextOut.
  virtual int DrawTextBox(PxRect& box, std::string_view text, unsigned format);

  // Clipping: PushClip intersects the clip region with a rectangle, PopClip
  // restores the region before the matching PushClip.
  virtual void PushClip(const PxRect& rect) = 0;
  virtual void PopClip() = 0;
};

}  // namespace tesmor
