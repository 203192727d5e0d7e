#include "forms/PageModel.h"

#include <algorithm>
#include <cmath>

namespace tesmor {

double PageStep(const PageModel& page) {
  // In 64 bits: the two come from settings and dialogs and may lie anywhere in int.
  const long long step = static_cast<long long>(page.DepthPerPage) - page.OverlapDepth;
  if (step > 0) return static_cast<double>(step);
  return page.DepthPerPage > 0 ? page.DepthPerPage : 1.0;
}

int PageCount(const PageModel& page) {
  const double pages = (page.TotalDepth - page.PrintStartDepth) / PageStep(page);
  if (!(pages > 0.0)) return 1;
  if (pages > 100000.0) return 100001;
  return static_cast<int>(pages) + 1;
}

int DataPageCount(const PageModel& page) {
  int pages = PageCount(page);
  while (pages > 1 && PrintPageTop(page, pages) >= page.TotalDepth) --pages;
  return pages;
}

double PrintPageTop(const PageModel& page, int pageNumber) {
  return page.PrintStartDepth + (pageNumber - 1) * PageStep(page);
}

double CurrentPageTop(PageModel& page) {
  if (page.Printing) page.PageTopDepth = PrintPageTop(page, page.PageNumber);
  return page.PageTopDepth;
}

void ResetToFirstPage(PageModel& page) {
  page.PageTopDepth = 0.0;
  page.PageNumber = 1;
}

void NextPage(PageModel& page) {
  if (page.Printing) return;
  if (page.PageTopDepth < std::max(page.TotalDepth + 5.0, 50.0)) {
    page.PageTopDepth += PageStep(page);
    page.PageNumber += 1;
  }
}

void PreviousPage(PageModel& page) {
  if (page.Printing) return;
  page.PageTopDepth -= PageStep(page);
  if (page.PageTopDepth < 0.0) page.PageTopDepth = 0.0;
  if (page.PageNumber > 1) page.PageNumber -= 1;
}

void PageUpKey(PageModel& page) {
  if (page.Printing) return;
  page.PageTopDepth -= PageStep(page);
  if (page.PageTopDepth >= 0.0) {
    if (page.PageNumber >= 2) page.PageNumber -= 1;
  } else {
    page.PageTopDepth = 0.0;
    page.PageNumber = 1;
  }
}

void CheckPageNumberBeforeKey(PageModel& page) {
  if (page.PageNumber > PageCount(page) + 10) page.PageNumber = 1;
}

void ApplyPrinterPaper(PageModel& page, int widthMm, int heightMm) {
  page.PaperWidthMm = widthMm;
  page.PaperHeightMm = heightMm;
  page.UsableHeightMm = heightMm * 82 / 100;
}

void UseDefaultPaper(PageModel& page) {
  page.PaperWidthMm = 280;
  page.PaperHeightMm = 280;
  page.UsableHeightMm = 240;
}

void FillUnsetDepthPerPage(PageModel& page, int depthScale) {
  if (page.DepthPerPage <= 0 && depthScale > 0) {
    page.DepthPerPage = depthScale * (page.UsableHeightMm - 8000 / depthScale) / 1000;
    page.PrintStartDepth = 0.0;
    page.PageTopDepth = 0.0;
    page.OverlapDepth = 0;
    page.PageNumber = 1;
  }
}

}  // namespace tesmor
