// A recording surface at 254 dpi (10 pixels per millimetre) with the page transform
// in the centimetre system of the pattern renderers and no margins: world x mm maps
// to 10 × x pixels, world y cm to 100 × y pixels. Helpers measure what a pattern drew.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/Canvas.h"
#include "draw/RecordingSurface.h"

namespace tesmor::test {

struct PatternFixture : ::testing::Test {
  PatternFixture() {
    SetDeviceResolution(transform, 254, 254, 0.0, 0.0);
    transform.yFactor = 10.0 * transform.pxPerMmY;
    transform.yOrigin = 0.0;
    transform.headerUnit = 0.0;
  }
  RecordingSurface surface{254, 254};
  PageTransform transform;
  SharedTextFont font;
  Canvas dc{surface, transform, font};
};

// The marks a pattern drew: lines, polylines, ellipses and arcs (not clips).
std::vector<RecordedOp> MarksOf(const RecordingSurface& surface);

// The pixels an op covers (the centre lines of its pen): line and polyline ends,
// ellipse boxes, and the points an arc actually sweeps (counter-clockwise).
PxRect ExtentOf(const RecordedOp& op);

// A short description of an op for failure messages.
std::string Describe(const RecordedOp& op);

}  // namespace tesmor::test
