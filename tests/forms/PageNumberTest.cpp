#include "forms/PageNumber.h"

#include <gtest/gtest.h>

#include "SheetFixture.h"
#include "forms/SheetLayout.h"

namespace tesmor {
namespace {

using PageNumber = test::SheetFixture;

TEST(PageNumberText, CountsOnFromTheFirstPageNumber) {
  struct Case {
    const char* before;
    const char* first;
    const char* after;
    int page;
    const char* text;
  };
  const Case cases[] = {
      {"P-", "5", "頁", 2, "P-6頁"},
      {"", " 1", "", 1, "1"},
      {"第", "A", "葉", 3, "第A葉"},  // not a number: the texts as they are
      {"", "", "", 4, ""},
  };
  for (const Case& c : cases) {
    BoringRecord r;
    r.setHeading(61, c.before);
    r.setHeading(62, c.first);
    r.setHeading(63, c.after);
    EXPECT_EQ(PageNumberText(r, c.page), c.text) << c.before << c.first << c.after;
  }
}

TEST_F(PageNumber, PlacedFromThePaperTopOrBelowTheBody) {
  struct Case {
    const char* vertical;  // slot 64
    const char* horizontal;  // slot 67
    unsigned align;
    int x;  // pixels from the left paper edge
    int y;
  };
  const PageTransform paper = [] {
    PageTransform t = Base();
    t.leftMarginMm = 0.0;
    t.topMarginMm = 0.0;
    t.yFactor = t.pxPerMmY;
    t.headerUnit = 10.0 * t.pxPerMmY;
    t.yOrigin = 0.0;
    return t;
  }();
  PageTransform body = Depth(25.0);
  body.leftMarginMm = 0.0;
  const Case cases[] = {
      // 20 mm from the paper top, 30 mm from its left edge.
      {"0", "0", TA_LEFT | TA_TOP, MapX(paper, 30.0), MapY(paper, 20.0 - 115.0)},
      // 8 mm below the body (25 m to 50 m), centred on 140 mm.
      {"1", "1", TA_CENTER | TA_TOP, MapX(paper, 140.0), MapY(body, 50.0 + 8.0 * 100 * 0.001)},
  };
  record.setHeading(61, "- ");
  record.setHeading(62, "5");
  record.setHeading(63, " -");
  record.setHeading(65, "20");
  record.setHeading(66, "8");
  record.setHeading(68, "30");
  record.setHeading(69, "140");
  page.PageTopDepth = 25.0;
  page.PageNumber = 2;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vertical);
    record.setHeading(64, c.vertical);
    record.setHeading(67, c.horizontal);
    Draw(kSoilForm);
    const auto number = TextsOf("- 6 -");
    ASSERT_EQ(number.size(), 1U);
    EXPECT_EQ(number[0].points[0], (PxPoint{c.x, c.y}));
    EXPECT_EQ(number[0].flags, c.align);
    EXPECT_EQ(number[0].font.height, 12);  // font 5, 9 points at 96 dpi
    // Drawn after the body's clip is lifted, and the transform stays the body's.
    EXPECT_EQ(surface.ops.back().kind, Kind::kText);
    EXPECT_DOUBLE_EQ(transform.leftMarginMm, 5.0);
    EXPECT_DOUBLE_EQ(transform.yOrigin, -25.0);
  }
}

}  // namespace
}  // namespace tesmor
