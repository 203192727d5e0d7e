#include "draw/OverlayPatterns.h"

namespace tesmor {

namespace {

// Chains and bands of the overlays start 0.13 × W below one another.
constexpr double kBandStep = 0.13;
constexpr int kChainLength = 6;

// Diagonal bands: a band is `rows` rows, each `rowStep` lower than the one before
// and shifted `shift` to the left, each holding `perRow` elements `spacing` apart
// from `firstX` (in the first row). A band stops early at the first row below
// `rowLimit`; bands follow one another `bandStep` apart while they start at or
// above `lastStart`.
struct DiagonalBands {
  double firstY;
  double rowStep;
  int rows;
  double firstX;
  double shift;
  int perRow;
  double spacing;
  double bandStep;
  double lastStart;
  double rowLimit;
};

template <typename Element>
void DrawBands(const DiagonalBands& b, Element&& element) {
  for (double start = b.firstY; start <= b.lastStart; start += b.bandStep) {
    double rowX = b.firstX;
    double y = start;
    for (int k = 0; k < b.rows && y <= b.rowLimit; ++k, rowX -= b.shift, y += b.rowStep) {
      double x = rowX;
      for (int j = 0; j < b.perRow; ++j, x += b.spacing) element(x, y);
    }
  }
}

// A small zig-zag: a rising and a falling stroke, `width` wide and `height` high,
// centred on (x, y); drawn whole or not at all.
void ZigZag(const PatternBox& box, double x, double y, double width, double height) {
  const double hw = width / 2.0;
  const double hh = height / 2.0;
  if (!box.Holds(x - hw, y - hh, x + hw, y + hh)) return;
  const WorldPoint points[] = {{x - hw, y + hh}, {x, y - hh}, {x + hw, y + hh}};
  box.Polyline(points);
}

// One 45-degree stroke across the covered width, from its right edge at y down to
// the left edge (shortened at the box bottom).
void LongStroke(const PatternBox& box, double y) {
  box.Line(box.right, y, box.x1, y + 0.1 * (box.right - box.x1));
}

}  // namespace

void DrawAdmixture(const PatternBox& box, int type, int stagger) {
  const double w = box.w;
  const bool staggered = stagger == 1;
  // Column and row steps of the chains (砂混り uses a finer module).
  const double a = type == 3 ? w / 8.0 : w / 6.0;
  const double v = 0.1 * a;
  const bool strokes = type == 4 || type == 5;
  const double firstY = box.y1 + v * (strokes ? (staggered ? 3.75 : 0.0) : (staggered ? 4.25 : 0.5));

  if (type == 5) {  // 粘土混り: one long stroke per chain
    for (double y = firstY; y <= box.y2; y += kBandStep * w) LongStroke(box, y);
    return;
  }

  // Bottom limit of an element's position, and the element itself.
  double limit = box.y2;
  DiagonalBands chain{firstY, v, kChainLength, box.right - a / 2.0, a, 1, 0.0, kBandStep * w, 0.0, 0.0};
  const auto draw = [&](auto&& element) {
    chain.lastStart = limit;
    chain.rowLimit = limit;
    DrawBands(chain, element);
  };
  switch (type) {
    case 1: {  // 玉石混り: circles
      const double r = 0.1 * w / 13.0;
      limit = box.y2 - r;
      draw([&](double x, double y) { box.Circle(x, y, r); });
      break;
    }
    case 2: {  // 砂利混り礫混り: a circle with a grain mark inside
      const double r = 0.1 * w / 16.0;
      limit = box.y2 - r;
      draw([&](double x, double y) {
        const double rx = kXUnitsPerCentimetre * r;
        if (!box.Holds(x - rx, y - r, x + rx, y + r)) return;
        box.Circle(x, y, r);
        box.Diamond(x, y, 0.6 * w / 16.0, 0.6 * r);
      });
      break;
    }
    case 3: {  // 砂混り: grain marks
      const double hw = w / 24.0;
      const double hh = 0.1 * w / 24.0;
      limit = box.y2 - hh;
      draw([&](double x, double y) { box.Diamond(x, y, hw, hh); });
      break;
    }
    case 4: {  // シルト混り: short 45-degree strokes down to the left
      const double dx = 0.7 * a;
      const double dy = 0.7 * v;
      draw([&](double x, double y) { box.Line(x, y, x - dx, y + dy); });
      break;
    }
    case 6: {  // 有機質土混り: pairs of vertical strokes
      const double dx = w / 22.0;
      const double length = 0.75 * v;
      draw([&](double x, double y) {
        box.Line(x - dx, y, x - dx, y + length);
        box.Line(x + dx, y, x + dx, y + length);
      });
      break;
    }
    case 7: {  // 火山灰混り: small zig-zags
      const double height = 0.2 * v;
      limit = box.y2 - height / 2.0;
      draw([&](double x, double y) { ZigZag(box, x, y, a / 4.0, height); });
      break;
    }
    case 8: {  // 貝殻混り: a shell (an upright ellipse) with a grain mark at its lower edge
      const double rx = w / 14.0;
      const double ry = 0.14 * w / 14.0;
      const double hw = w / 26.0;
      const double hh = 0.1 * w / 26.0;
      limit = box.y2 - ry - hh;
      draw([&](double x, double y) {
        if (!box.Holds(x - rx, y - ry, x + rx, y + ry + hh)) return;
        box.Ellipse(x, y, rx, ry);
        box.Diamond(x, y + ry, hw, hh);
      });
      break;
    }
    default:
      break;
  }
}

void DrawQualifier(const PatternBox& box, int type) {
  const double w = box.w;
  const double bandStep = kBandStep * w;
  switch (type) {
    case 10: {  // 礫質 砂質: grain marks, 3 per row, in diagonal bands
      const double s = w / 11.0;
      const double rowStep = 0.1 * s;
      const double hh = 0.1 * w / 24.0;
      const double limit = box.y2 - hh;
      // The row start moves one step left per row until it lies 4 steps left of
      // the layout origin.
      const DiagonalBands bands{box.y1 + 0.5 * rowStep, rowStep, 11, box.origin + 6.0 * s, s, 3,
                                2.0 * s, bandStep, limit, limit};
      DrawBands(bands, [&](double x, double y) { box.Diamond(x, y, w / 24.0, hh); });
      break;
    }
    case 20: {  // シルト質: 45-degree strokes, 3 per row, in diagonal bands
      const double s = w / 8.0;
      const double rowStep = 0.1 * s;
      const double dx = 0.75 * s;
      const double dy = 0.75 * rowStep;
      // Rows follow while any of their strokes is left in the box.
      const DiagonalBands bands{box.y1, rowStep, 8, box.origin + 6.0 * s, s, 3, s, bandStep, box.y2,
                                box.y2};
      DrawBands(bands, [&](double x, double y) { box.Line(x, y, x - dx, y + dy); });
      break;
    }
    case 30: {  // 粘土質: groups of 3 long strokes
      const double gap = 0.1 * w / 8.0;
      for (double y = box.y1; y <= box.y2; y += bandStep) {
        for (int j = 0; j < 3; ++j) LongStroke(box, y + j * gap);
      }
      break;
    }
    case 40: {  // 有機質: pairs of vertical stroke pairs, one per row, in diagonal bands
      const double column = w / 6.0;
      const double rowStep = 0.1 * column;
      const double u = w / 36.0;
      const double length = 0.75 * rowStep;
      // The column start moves one column left per row until no stroke is left.
      const DiagonalBands bands{box.y1 + 0.5 * rowStep, rowStep, 6, box.origin + 4.0 * column,
                                column, 1, 0.0, bandStep, box.y2, box.y2};
      DrawBands(bands, [&](double x, double y) {
        for (const double offset : {1.0, 4.0, 8.0, 11.0}) {
          box.Line(x + offset * u, y, x + offset * u, y + length);
        }
      });
      break;
    }
    case 50: {  // 火山灰質: small zig-zags, 3 per row, even rows from half a column in,
                // odd rows from one and a half
      const double column = w / 6.0;
      const double rowStep = 0.09 * column;
      const double height = 0.2 * 0.1 * column;
      const double x0[2] = {box.origin + 0.5 * column, box.origin + 1.5 * column};
      int k = 0;
      for (double y = box.y1 + 1.3 * rowStep; y + height / 2.0 <= box.y2; y += rowStep, k ^= 1) {
        for (int j = 0; j < 3; ++j) ZigZag(box, x0[k] + 2.0 * j * column, y, column / 5.0, height);
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace tesmor
