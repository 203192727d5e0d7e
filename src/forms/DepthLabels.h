// Depth labels of the data columns: a depth, or the elevation of that depth when the
// boring shows elevations (slot::kShowElevation is "1") or the caller asks for it.
#pragma once

#include <string>

#include "forms/SheetPass.h"

namespace tesmor {

// Elevation of a point `depth` metres down the hole: collar − depth × cos(angle)
// for a drilling angle in degrees (0 points down, 90 horizontal, 180 up), collar −
// depth when the angle is 0. A magnitude below 0.005 gives 0 (never "-0.00").
double ElevationOfDepth(double collarElevation, double drillingAngle, double depth);

// Whether the page labels depths as elevations (slot::kShowElevation is "1").
bool ShowsElevation(const SheetPass& pass);

// The label of a depth: "%*.*f" (width, decimals) of the elevation when the page
// shows elevations or forceElevation is set, else of the depth itself. An elevation
// label is empty when the collar elevation is missing (−999.9 or less).
std::string FormatDepthOrElevation(const SheetPass& pass, double depth, int width, int decimals = 2,
                                   bool forceElevation = false);

}  // namespace tesmor
