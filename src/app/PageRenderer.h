// Draws one page of the boring on a surface: the screen, a printer, an export.
#pragma once

#include <vector>

#include "app/Workspace.h"
#include "draw/Surface.h"

namespace tesmor {

// Draws the page that the page model names. For printed pages (printing true) the
// page number chooses the depth range from the print start depth; on screen the
// page top of the model does. Returns the notices raised (a font that could not be
// created ...).
std::vector<int> RenderPage(Surface& surface, Workspace& workspace, bool printing, int pageNumber);

// Takes the page settings (depth per page, overlap, print start) from the settings
// into the page model.
void SyncPageSettings(Workspace& workspace);

}  // namespace tesmor
