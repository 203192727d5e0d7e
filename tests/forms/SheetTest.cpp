#include "forms/Sheet.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "SheetFixture.h"
#include "forms/SheetLayout.h"
#include "record/Messages.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

using Sheet = test::SheetFixture;

TEST_F(Sheet, PrintedPageCoversItsDepthRangeAndStoresItsTop) {
  page.Printing = true;
  page.PageNumber = 3;
  page.PrintStartDepth = 2.0;
  page.DepthPerPage = 20;
  page.OverlapDepth = 1;
  Draw(kSoilForm);

  EXPECT_DOUBLE_EQ(page.PageTopDepth, 40.0);
  const PageTransform body = Depth(40.0);
  const auto clips = surface.OpsOf(Kind::kPushClip);
  ASSERT_EQ(clips.size(), 1U);
  EXPECT_EQ(clips[0].rect.top, MapY(body, 40.0));
  EXPECT_EQ(clips[0].rect.bottom, MapY(body, 60.0));
  const auto frame = FormWideLines(273.8, settings.outerFrameWidth);
  ASSERT_FALSE(frame.empty());
  EXPECT_EQ(frame.back().points[0].y, MapY(body, 60.0));  // the bottom line of the body
  EXPECT_EQ(surface.OpsOf(Kind::kPopClip).size(), 1U);
}

TEST_F(Sheet, HeadingBandsKeepTheirSizeWhenOnlyTheDepthPartIsScaled) {
  struct Case {
    int partOnly;
    int depthScale;
    double headingUnitMm;  // one heading unit on paper
  };
  const Case cases[] = {{1, 200, 10.0}, {0, 200, 5.0}, {0, 100, 10.0}, {1, 100, 10.0}};
  for (const Case& c : cases) {
    settings.scaleDepthPartOnly = c.partOnly;
    settings.depthScale = c.depthScale;
    Draw(kSoilForm);
    const PageTransform heading = Heading(c.headingUnitMm);
    const PageTransform body = Depth(0.0, c.depthScale, c.headingUnitMm);
    SCOPED_TRACE(testing::Message() << "partOnly " << c.partOnly << " 1/" << c.depthScale);

    const auto blocks = surface.OpsOf(Kind::kPolyline);  // the title block frame comes first
    ASSERT_FALSE(blocks.empty());
    EXPECT_EQ(blocks[0].points[0].y, MapY(heading, -9.8));  // boring number box
    const auto wide = FormWideLines(273.8, settings.outerFrameWidth);
    ASSERT_EQ(wide.size(), 2U);
    EXPECT_EQ(wide.front().points[0].y, MapY(heading, kHeadingBandTop));
    EXPECT_EQ(wide.back().points[0].y, MapY(body, 25.0));  // 25 m at the depth scale
  }
}

TEST_F(Sheet, GraphDivisionsOfBothForms) {
  struct Case {
    int form;
    int lugeonScale;
    int divisions;
  };
  const Case cases[] = {{kSoilForm, 0, 60}, {kSoilForm, 1, 60}, {kRockForm, 0, 50}, {kRockForm, 1, 60}};
  settings.nValueGrid = 0;  // 1 mm lines as well
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "form " << c.form << " lugeon scale " << c.lugeonScale);
    settings.rockLugeonScale = c.lugeonScale;
    Draw(c.form);
    const ColumnGeometry g = ComputeColumnX(c.form);
    const int left = X(g.Left(g.roles.graph));
    const int right = X(g.Right(g.roles.graph));
    const PageTransform body = Depth(0.0);
    std::set<int> lines;
    for (const RecordedOp& op : surface.OpsOf(Kind::kLine)) {
      const PxPoint a = op.points[0];
      const PxPoint b = op.points[1];
      if (a.x == b.x && a.x > left && a.x < right && a.y >= MapY(body, 0.0)) lines.insert(a.x);
    }
    EXPECT_EQ(static_cast<int>(lines.size()), c.divisions - 1);

    std::vector<std::string> labels;
    unsigned lastAlign = 0;
    int lastX = 0;
    for (const RecordedOp& op : surface.OpsOf(Kind::kText)) {
      if (op.points[0].y == HY(0.0) && op.points[0].x >= left && op.points[0].x <= right) {
        labels.push_back(op.text);
        lastAlign = op.flags;
        lastX = op.points[0].x;
      }
    }
    std::vector<std::string> expected;
    for (int d = 0; d <= c.divisions; d += 10) expected.push_back(std::to_string(d));
    EXPECT_EQ(labels, expected);
    EXPECT_EQ(lastAlign, TA_RIGHT | TA_BOTTOM);
    EXPECT_EQ(lastX, right);
  }
}

TEST_F(Sheet, DrawingGoesOnWhenAFontCannotBeCreated) {
  surface.failFontCreation = true;
  record.setHeading(slot::kSurveyCompany, "株式会社テスト");
  Draw(kRockForm);
  EXPECT_EQ(dc.notices, std::vector<int>{msg::kCannotCreateFont});
  EXPECT_EQ(FormWideLines(273.7, settings.outerFrameWidth).size(), 2U);
  EXPECT_EQ(TextsOf("株式会社テスト").size(), 2U);  // in the title block and under the body
}

TEST_F(Sheet, SurveyCompanyStandsUnderTheBodyAtTheRight) {
  record.setHeading(slot::kSurveyCompany, "株式会社テスト");
  page.PageTopDepth = 25.0;
  Draw(kRockForm);
  const auto company = TextsOf("株式会社テスト");
  ASSERT_EQ(company.size(), 2U);  // the title block's comes first
  EXPECT_EQ(company[1].points[0], (PxPoint{X(273.7 - 3.0), MapY(Depth(25.0), 50.2)}));
  EXPECT_EQ(company[1].flags, TA_RIGHT | TA_TOP);
  EXPECT_EQ(company[1].font.height, 13);  // font 1, 10 points at 96 dpi
}

TEST_F(Sheet, HandEditedSettingsDrawTheirPagesWithinTheirRanges) {
  // A page step of 2147483647 − (−2147483648) m and a needle 2147483647 pixels wide
  // once overflowed the page and the dial arithmetic. Read from a file they come in
  // range, and both forms draw (the sanitizer build checks the arithmetic).
  std::vector<std::string> lines(76, "");
  lines[0] = "100";
  lines[18] = "2147483647";
  lines[19] = "2147483647";
  lines[63] = "2147483647";
  lines[64] = "-2147483648";
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  const std::string path = test::MakeTempFolder() + "/SysTesmor.ndx";
  ASSERT_TRUE(test::WriteAll(path, text));
  ASSERT_TRUE(ReadSettingsFile(settings, path));
  page.DepthPerPage = settings.depthPerPage;
  page.OverlapDepth = settings.pageOverlapDepth;
  EXPECT_DOUBLE_EQ(PageStep(page), 400.0);
  record.setHeading(slot::kDrillingAngle, "90");
  record.LayerTable.set(1, layer::kBottomDepth, "12.5");
  record.LayerTable.set(1, layer::kGeologyName1, "砂礫");
  for (const int form : {kSoilForm, kRockForm}) {
    Draw(form);
    for (const RecordedOp& op : surface.ops) EXPECT_LE(op.pen.width, 21);  // a needle is 1 wider
    EXPECT_FALSE(FormWideLines(form == kSoilForm ? 273.8 : 273.7, 20).empty());
  }
}

}  // namespace
}  // namespace tesmor
