#include "forms/Sheet.h"

#include <cmath>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/ColumnDrawers.h"
#include "forms/DepthGrid.h"
#include "forms/PageNumber.h"
#include "forms/SheetFonts.h"
#include "forms/SheetPass.h"
#include "forms/TitleBlock.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr int kDefaultScale = 100;
constexpr double kCompanyInset = 3.0;  // the survey company ends this far left of the form's edge
constexpr double kCompanyGap = 0.2;    // and stands this far below the body
// Legacy loads leave DensityRows depth[0] at -0.001; XML loads set it to -8.8.
constexpr double kLegacyDensityMarker = -8.0;
// Pages further down than this are not drawn (a broken page model).
constexpr double kDeepestPageTop = 1.0e7;

int ScaleOrDefault(int scale) { return scale > 0 ? scale : kDefaultScale; }

double DepthYFactor(const PageTransform& t) { return 1000.0 / ScaleOrDefault(t.depthScale) * t.pxPerMmY; }

// Title, title block and heading band: 10 mm units when only the depth part follows
// the depth scale, else the depth scale's metre.
void UseHeadingSystem(PageTransform& t, const Settings& s) {
  t.yFactor = s.scaleDepthPartOnly != 0 ? 10.0 * t.pxPerMmY : DepthYFactor(t);
  t.headerUnit = t.yFactor;
  t.yOrigin = 0.0;
}

// The body: world y is depth; the heading band above keeps its size when only the
// depth part follows the depth scale.
void UseDepthSystem(PageTransform& t, const Settings& s, double pageTop) {
  t.yFactor = DepthYFactor(t);
  t.headerUnit = s.scaleDepthPartOnly != 0 ? 10.0 * t.pxPerMmY : t.yFactor;
  t.yOrigin = -pageTop;
}

double CollarElevation(const BoringRecord& record) {
  const std::string& text = record.heading(slot::kCollarElevation);
  return StartsLikeNumber(text) > 0 ? TextToDouble(text) : kMissingElevation;
}

double DrillingAngle(const BoringRecord& record) {
  const std::string& text = record.heading(slot::kDrillingAngle);
  if (StartsLikeNumber(text) <= 0) return 0.0;
  const double angle = TextToDouble(text);
  return angle > 0.1 && angle <= 180.0 ? angle : 0.0;
}

GridColours GridColoursOf(const Settings& s) {
  if (s.gridMonochrome != 0) return {};
  return {ColourFromCode(s.gridColour), ColourFromCode(s.detailGridColour),
          ColourFromCode(s.coreGridColour), ColourFromCode(s.inSituGridColour)};
}

void UseFont(Canvas& dc, SheetPass& pass, int font) {
  const CharSize size = SelectSheetFont(dc, pass.sheet.settings.fonts[static_cast<std::size_t>(font)]);
  pass.charWidth = size.width;
  pass.charHeight = size.height;
}

void Run(ColumnDrawer drawer, Canvas& dc, SheetPass& pass) {
  if (drawer != nullptr) drawer(dc, pass);
}

void DrawSurveyCompany(Canvas& dc, const SheetPass& pass) {
  PageTransform& t = dc.transform;
  const PageTransform heading = t;
  t.yFactor = DepthYFactor(t);
  t.yOrigin = -pass.pageTop;
  SetTextAlign(dc, TA_RIGHT | TA_TOP);
  DrawTextAt(dc, pass.columns.FormRight() - kCompanyInset, pass.pageBottom + kCompanyGap,
             pass.sheet.record.heading(slot::kSurveyCompany));
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  t = heading;
}

void DrawBodyFrame(Canvas& dc, const SheetPass& pass) {
  const Settings& s = pass.sheet.settings;
  const ColumnGeometry& g = pass.columns;
  for (int edge = 1; edge <= g.count; ++edge) {
    const bool outer = edge == 1 || edge == g.count;
    DrawLine(dc, g.Edge(edge), pass.pageTop, g.Edge(edge), pass.pageBottom, PS_SOLID,
             outer ? s.outerFrameWidth : s.ruleLineWidth, 0);
  }
}

}  // namespace

void DrawPage(Canvas& dc, SheetContext& sheet) {
  const Settings& s = sheet.settings;
  PageModel& page = sheet.page;
  page.TotalDepth = TotalDepth(sheet.record);
  PageTransform& t = dc.transform;
  t.horizontalScale = ScaleOrDefault(s.horizontalScale);
  t.depthScale = ScaleOrDefault(s.depthScale);
  SetDeviceResolution(t, dc.surface.DpiX(), dc.surface.DpiY(), s.leftMarginMm, s.topMarginMm);
  t.yFactor = DepthYFactor(t);
  dc.surface.SetBackgroundMode(TRANSPARENT);
  const TextMetrics metrics = dc.surface.Metrics();
  page.LineHeight = metrics.height + metrics.externalLeading;
  page.SoilFormFlag = sheet.formSelector == kSoilForm ? 1 : 0;
  DrawSheet(dc, sheet);
}

void DrawSheet(Canvas& dc, SheetContext& sheet) {
  const Settings& s = sheet.settings;
  PageModel& page = sheet.page;
  PageTransform& t = dc.transform;
  const SharedTextFont previousFont = dc.textFont;
  dc.surface.SetBackgroundMode(TRANSPARENT);

  const FormDrawers& drawers = sheet.formSelector == kSoilForm ? kSoilDrawers : kRockDrawers;
  SheetPass pass{sheet, ComputeColumnX(sheet.formSelector)};
  pass.graph = GraphSpanOf(pass.columns, sheet.formSelector, s);
  pass.pageTop = CurrentPageTop(page);
  if (!(std::fabs(pass.pageTop) < kDeepestPageTop)) return;
  pass.pageBottom = pass.pageTop + page.DepthPerPage;
  pass.totalDepth = page.TotalDepth;

  // Title, title block, footer and column heading band.
  UseHeadingSystem(t, s);
  const CharSize headingFont = DrawTitle(dc, sheet);
  DrawTitleBlock(dc, sheet, headingFont);
  DrawSurveyCompany(dc, pass);
  pass.collarElevation = CollarElevation(sheet.record);
  pass.drillingAngle = DrillingAngle(sheet.record);
  UseFont(dc, pass, kItemFont);
  Run(drawers.headingBand, dc, pass);

  // The body, clipped to the page.
  UseDepthSystem(t, s, pass.pageTop);
  DrawLine(dc, pass.columns.FormLeft(), pass.pageBottom, pass.columns.FormRight(), pass.pageBottom,
           PS_SOLID, s.outerFrameWidth, 0);
  ClipToRect(dc, 0.0, pass.pageTop, page.ScreenSheetWidthMm, pass.pageBottom);
  if (drawers.prepareDensityLegacy != nullptr) {
    // Laid out for the body font in metres of depth.
    const CharSize body = SheetFontSize(t, s.fonts[kBodyFont]);
    pass.charWidth = body.width;
    pass.charHeight = body.height;
    const bool legacy = sheet.record.Density.depth[0] >= kLegacyDensityMarker;
    Run(legacy ? drawers.prepareDensityLegacy : drawers.prepareDensityXml, dc, pass);
  }
  DrawBodyFrame(dc, pass);
  UseFont(dc, pass, kNoteFont);
  Run(drawers.description, dc, pass);
  UseFont(dc, pass, kBodyFont);
  pass.grid = GridColoursOf(s);
  DrawDepthGrid(dc, pass);
  DrawColumnGrids(dc, pass);
  for (const ColumnDrawer drawer : drawers.dataColumns) {
    SetTextAlign(dc, TA_RIGHT | TA_TOP);
    Run(drawer, dc, pass);
  }
  RestoreClip(dc);

  // Unclipped: the water levels' marks above the body and the layer columns.
  Run(drawers.waterLevelsUnclipped, dc, pass);
  Run(drawers.layerColumns, dc, pass);
  DrawPageNumber(dc, sheet, page.PageNumber, pass.pageTop, 0.0);

  SetTextAlign(dc, TA_LEFT | TA_TOP);
  if (previousFont.created) dc.surface.SelectFont(previousFont.logFont);
  dc.textFont = previousFont;
}

}  // namespace tesmor
