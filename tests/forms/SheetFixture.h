// A sheet drawn on a recording surface at 96 dpi with the default settings and
// fonts, and the expected device pixels of world positions of both y systems.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "draw/Canvas.h"
#include "draw/PageTransform.h"
#include "draw/RecordingSurface.h"
#include "forms/Sheet.h"
#include "forms/SheetLayout.h"
#include "settings/Settings.h"

namespace tesmor::test {

struct SheetFixture : ::testing::Test {
  using Kind = RecordedOp::Kind;

  SheetFixture() {
    ApplyDefaultSettings(settings);
    for (int i = 0; i < kFontCount; ++i) {
      settings.fonts[static_cast<std::size_t>(i)] =
          FontSetting{kFontDefaults[static_cast<std::size_t>(i)].size, std::string(kDefaultFontFace), 0, 0};
    }
  }

  void Draw(int form) {
    surface.ops.clear();
    SheetContext sheet{record, form, settings, colours, page};
    DrawPage(dc, sheet);
  }

  // The mapping of a page at 96 dpi with 5 mm margins: heading units of unitMm
  // millimetres, the body at depth scale 1/scale.
  static PageTransform Base() {
    PageTransform t;
    SetDeviceResolution(t, 96, 96, 5.0, 5.0);
    return t;
  }
  static PageTransform Heading(double unitMm = 10.0) {
    PageTransform t = Base();
    t.yFactor = unitMm * t.pxPerMmY;
    t.headerUnit = t.yFactor;
    t.yOrigin = 0.0;
    return t;
  }
  static PageTransform Depth(double top, int scale = 100, double headingUnitMm = 10.0) {
    PageTransform t = Base();
    t.yFactor = 1000.0 / scale * t.pxPerMmY;
    t.headerUnit = headingUnitMm * t.pxPerMmY;
    t.yOrigin = -top;
    return t;
  }
  static int X(double x) { return MapX(Base(), x); }
  static int HY(double y) { return MapY(Heading(), y); }

  std::vector<RecordedOp> TextsOf(const std::string& text) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : surface.OpsOf(Kind::kText)) {
      if (op.text == text) out.push_back(op);
    }
    return out;
  }

  // Lines (in either direction) from one point to another.
  std::vector<RecordedOp> LinesBetween(PxPoint a, PxPoint b) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : surface.OpsOf(Kind::kLine)) {
      if ((op.points[0] == a && op.points[1] == b) || (op.points[0] == b && op.points[1] == a)) {
        out.push_back(op);
      }
    }
    return out;
  }

  // Horizontal lines across the whole form (x 5 to right) of a pen width, in drawing order.
  std::vector<RecordedOp> FormWideLines(double right, int width) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : surface.OpsOf(Kind::kLine)) {
      const int left = std::min(op.points[0].x, op.points[1].x);
      const int r = std::max(op.points[0].x, op.points[1].x);
      if (op.points[0].y == op.points[1].y && left == X(5.0) && r == X(right) && op.pen.width == width) {
        out.push_back(op);
      }
    }
    return out;
  }

  RecordingSurface surface;
  PageTransform transform;
  SharedTextFont font;
  Canvas dc{surface, transform, font};
  BoringRecord record;
  Settings settings;
  PatternColourTable colours;
  PageModel page;
};

}  // namespace tesmor::test
