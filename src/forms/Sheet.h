// One page of the columnar section.
#pragma once

#include "draw/Canvas.h"
#include "draw/PatternCatalogue.h"
#include "forms/PageModel.h"
#include "record/BoringRecord.h"
#include "settings/Settings.h"

namespace tesmor {

struct SheetContext {
  const BoringRecord& record;
  int formSelector;
  const Settings& settings;
  const PatternColourTable& colours;
  PageModel& page;
};

void DrawPage(Canvas& dc, SheetContext& sheet);
void DrawSheet(Canvas& dc, SheetContext& sheet);

}  // namespace tesmor
