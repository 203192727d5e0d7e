// A month "/" day date written as a fraction in a narrow column (the drilling dates
// of both forms): the month above and left, the day below and right, a slanted
// stroke between them, and a line across the column at the row's depth.
#pragma once

#include <string_view>

#include "forms/SheetPass.h"

namespace tesmor {

// The date of a row whose bottom depth is b, in column k. A date without "/" is
// written whole where the day goes.
void DrawDateFraction(Canvas& dc, const SheetPass& pass, int k, double b, std::string_view date);

}  // namespace tesmor
