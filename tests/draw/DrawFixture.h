// A recording surface with a page transform that maps world units one to one onto
// pixels (MapX(x) = x, MapY(y) = y, truncated), for exact geometry checks.
#pragma once

#include <gtest/gtest.h>

#include "draw/Canvas.h"
#include "draw/RecordingSurface.h"

namespace tesmor::test {

struct DrawFixture : ::testing::Test {
  DrawFixture() {
    transform.xFactor = 1.0;
    transform.yFactor = 1.0;
    transform.headerUnit = 0.0;
    transform.yOrigin = 0.0;
  }
  RecordingSurface surface;
  PageTransform transform;
  SharedTextFont font;
  Canvas dc{surface, transform, font};
};

}  // namespace tesmor::test
