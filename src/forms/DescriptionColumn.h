// The description column (記事; soil column 10, rock column 12) from
// ObservationTable: each note (with its own line breaks) flows down the column from
// the top of its depth range, broken to the column's width; a note that would run
// into the one above it starts below it instead, so notes never overlap. A row whose
// frame-line mark is observation::kFramed draws a line across the column at its
// bottom depth. Drawn with the note font (font 4).
#pragma once

#include "forms/SheetPass.h"

namespace tesmor {

void DrawDescriptionColumn(Canvas& dc, SheetPass& pass);

}  // namespace tesmor
