#include "forms/PageModel.h"

#include <gtest/gtest.h>

namespace tesmor {
namespace {

TEST(PageModel, TurningStopsPastTheBoring) {
  PageModel page;
  page.DepthPerPage = 25;
  page.TotalDepth = 60.0;
  EXPECT_EQ(PageCount(page), 3);
  const double tops[] = {25.0, 50.0, 75.0, 75.0, 75.0};
  for (const double top : tops) {
    NextPage(page);
    EXPECT_DOUBLE_EQ(page.PageTopDepth, top);
  }
  EXPECT_EQ(page.PageNumber, 4);
  // A short boring still turns to 50 m.
  PageModel shallow;
  shallow.DepthPerPage = 20;
  shallow.TotalDepth = 8.0;
  for (int i = 0; i < 5; ++i) NextPage(shallow);
  EXPECT_DOUBLE_EQ(shallow.PageTopDepth, 60.0);
}

TEST(PageModel, PreviousAndPageUpNeverGoAboveZero) {
  PageModel page;
  PageUpKey(page);
  EXPECT_EQ(page.PageNumber, 1);
  EXPECT_DOUBLE_EQ(page.PageTopDepth, 0.0);
  page.PageTopDepth = 10.0;
  page.PageNumber = 2;
  PageUpKey(page);  // 10 - 25 < 0: back to the top
  EXPECT_EQ(page.PageNumber, 1);
  EXPECT_DOUBLE_EQ(page.PageTopDepth, 0.0);
  page.PageTopDepth = 10.0;
  page.PageNumber = 3;
  PreviousPage(page);
  EXPECT_EQ(page.PageNumber, 2);
  EXPECT_DOUBLE_EQ(page.PageTopDepth, 0.0);
  page.Printing = true;
  NextPage(page);
  EXPECT_DOUBLE_EQ(page.PageTopDepth, 0.0);
}

TEST(PageModel, PrintedPagesStartAtThePrintStartDepth) {
  PageModel page;
  page.Printing = true;
  page.PageNumber = 3;
  page.PrintStartDepth = 2.0;
  page.DepthPerPage = 20;
  page.OverlapDepth = 1;
  EXPECT_DOUBLE_EQ(CurrentPageTop(page), 40.0);
  EXPECT_DOUBLE_EQ(page.PageTopDepth, 40.0);
}

TEST(PageModel, AStepOfZeroOrLessNeverStallsOrDividesByZero) {
  PageModel page;
  page.DepthPerPage = 10;
  page.OverlapDepth = 10;
  page.TotalDepth = 35.0;
  EXPECT_DOUBLE_EQ(PageStep(page), 10.0);
  EXPECT_EQ(PageCount(page), 4);
  page.DepthPerPage = 0;
  page.OverlapDepth = 0;
  EXPECT_DOUBLE_EQ(PageStep(page), 1.0);
  NextPage(page);
  EXPECT_DOUBLE_EQ(page.PageTopDepth, 1.0);
  page.TotalDepth = 1e300;
  EXPECT_GT(PageCount(page), 1);
}

TEST(PageModel, PrinterPaperSetsTheDepthPerPageWhenUnset) {
  PageModel page;
  page.DepthPerPage = 0;
  ApplyPrinterPaper(page, 297, 420);
  EXPECT_EQ(page.UsableHeightMm, 344);
  FillUnsetDepthPerPage(page, 100);
  EXPECT_EQ(page.DepthPerPage, 26);  // 100 * (344 - 80) / 1000
  page.DepthPerPage = 25;
  ApplyPrinterPaper(page, 210, 297);
  FillUnsetDepthPerPage(page, 200);
  EXPECT_EQ(page.DepthPerPage, 25);
  page.DepthPerPage = -3;
  UseDefaultPaper(page);
  FillUnsetDepthPerPage(page, 200);
  EXPECT_EQ(page.DepthPerPage, 40);  // 200 * (240 - 40) / 1000
}

TEST(PageModel, AFarPageNumberReturnsToOneBeforeAKey) {
  PageModel page;
  page.TotalDepth = 30.0;
  page.PageNumber = 14;
  CheckPageNumberBeforeKey(page);
  EXPECT_EQ(page.PageNumber, 1);
  page.PageNumber = 12;
  CheckPageNumberBeforeKey(page);
  EXPECT_EQ(page.PageNumber, 12);
}

}  // namespace
}  // namespace tesmor
