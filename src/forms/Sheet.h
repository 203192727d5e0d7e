// One page of the columnar section: the title, the title block, the column
// heading band and the depth body of the soil form or the rock form.
//
//   SheetContext sheet{record, shell.FormSelector, settings, colours, page};
//   DrawPage(dc, sheet);            // any surface: screen, printer, PDF, SVG, PNG
//   for (int id : dc.notices) ...   // e.g. a font that could not be created
#pragma once

#include "draw/Canvas.h"
#include "draw/PatternCatalogue.h"
#include "forms/PageModel.h"
#include "record/BoringRecord.h"
#include "settings/Settings.h"

namespace tesmor {

struct SheetContext {
  const BoringRecord& record;
  int formSelector;                   // 0 soil form, 1 rock form
  const Settings& settings;           // fonts, scales, margins, line and grid settings
  const PatternColourTable& colours;  // lithology pattern colours
  PageModel& page;
};

// The drawing entry of one page on any surface: refreshes TotalDepth, sets the page
// transform from the surface's resolution, the scales and the margins of the
// settings, sets SoilFormFlag and LineHeight, then draws the sheet.
void DrawPage(Canvas& dc, SheetContext& sheet);

// Draws the page whose range the page model gives (while printing: page PageNumber
// from PrintStartDepth, stored into PageTopDepth) with the page transform already
// set from the device. Leaves the transform in the depth system of the page.
void DrawSheet(Canvas& dc, SheetContext& sheet);

}  // namespace tesmor
