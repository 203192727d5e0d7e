#include "app/PageRenderer.h"

#include "draw/Canvas.h"
#include "forms/Sheet.h"

namespace tesmor {

std::vector<int> RenderPage(Surface& surface, Workspace& workspace, bool printing, int pageNumber) {
  PageModel& page = workspace.page;
  const bool wasPrinting = page.Printing;
  const int shownPage = page.PageNumber;
  const double shownTop = page.PageTopDepth;
  page.Printing = printing;
  if (printing) page.PageNumber = pageNumber;

  PageTransform transform;
  SharedTextFont font;
  Canvas dc{surface, transform, font};
  const Settings& settings = workspace.settingsStore.settings;
  SheetContext sheet{workspace.record, workspace.shell.FormSelector, settings, workspace.settingsStore.patternColours,
                     page};
  DrawPage(dc, sheet);

  // The screen keeps the page it showed before the page went to paper.
  page.Printing = wasPrinting;
  if (printing) {
    page.PageNumber = shownPage;
    page.PageTopDepth = shownTop;
  }
  return dc.notices;
}

void SyncPageSettings(Workspace& workspace) {
  const Settings& settings = workspace.settingsStore.settings;
  PageModel& page = workspace.page;
  page.DepthPerPage = settings.depthPerPage;
  page.OverlapDepth = settings.pageOverlapDepth;
  page.PrintStartDepth = settings.printStartDepth;
}

}  // namespace tesmor
