// Which depth range a page shows and how pages turn, on screen and on paper.
#pragma once

namespace tesmor {

struct PageModel {
  int PageNumber = 1;            // the page shown or printed, from 1
  double PageTopDepth = 0.0;     // depth (m) at the top of the page on screen
  int DepthPerPage = 25;         // metres of depth per page
  int OverlapDepth = 0;          // metres repeated at the top of the next page
  double PrintStartDepth = 0.0;  // depth at which printing starts
  bool Printing = false;         // while a page goes to the printer or an export
  double TotalDepth = 0.0;       // refreshed at every drawing pass
  int SoilFormFlag = 1;          // 1 while the soil form is drawn
  int LineHeight = 0;            // text height plus external leading of the device font
  // The paper of the default printer (280 x 280 mm, 240 usable, until one answers).
  int PaperWidthMm = 280;
  int PaperHeightMm = 280;
  int UsableHeightMm = 240;
  int ScreenWidth = 1280;              // screen width in pixels
  double ScreenSheetWidthMm = 350.0;   // 350 on screens of 1000 pixels or more, else 290
};

// Metres from one page top to the next: depth per page minus the overlap. A step of
// 0 or less (an overlap as deep as the page) would never advance and divides by
// zero, so it falls back to the depth per page, and to 1 m when that is not
// positive either.
double PageStep(const PageModel& page);

// Pages of the boring from the print start depth: the whole steps plus one.
int PageCount(const PageModel& page);

// Pages of the boring that draw some of its data: PageCount less the pages at its end
// whose top is at or below TotalDepth (at least 1). Exports write these.
int DataPageCount(const PageModel& page);

// Top depth of printed page n.
double PrintPageTop(const PageModel& page, int pageNumber);

// The page range drawn now: the printed page's top while printing (stored into
// PageTopDepth), else PageTopDepth; the bottom is one page deeper.
double CurrentPageTop(PageModel& page);

// Back to page 1 at depth 0 (after a load or a new document).
void ResetToFirstPage(PageModel& page);

// Next page: ignored while printing; stops once the top has passed the larger of
// TotalDepth + 5 m and 50 m.
void NextPage(PageModel& page);

// Previous page (tool bar): never above depth 0.
void PreviousPage(PageModel& page);

// PageUp or the up arrow: like PreviousPage, and page 1 whenever depth 0 is reached.
void PageUpKey(PageModel& page);

// Before a page key: a page number more than 10 past the page count returns to 1.
void CheckPageNumberBeforeKey(PageModel& page);

// The paper of the printer (its physical page in millimetres; 82 % of its height
// is usable).
void ApplyPrinterPaper(PageModel& page, int widthMm, int heightMm);

// The 280 x 280 mm paper (240 mm usable) used while no printer answers.
void UseDefaultPaper(PageModel& page);

// A depth per page of 0 or less is computed from the usable paper height at the
// depth scale, and the page returns to the top.
void FillUnsetDepthPerPage(PageModel& page, int depthScale);

}  // namespace tesmor
