#include "forms/DepthLabels.h"

#include <cmath>

#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr double kRadiansPerDegree = 0.01745327777777778;
constexpr double kZeroElevation = 0.005;
// A collar elevation at or below this is missing.
constexpr double kMissingElevationLimit = -999.9;

}  // namespace

double ElevationOfDepth(double collarElevation, double drillingAngle, double depth) {
  const double drop = drillingAngle != 0.0 ? depth * std::cos(drillingAngle * kRadiansPerDegree) : depth;
  const double elevation = collarElevation - drop;
  return std::fabs(elevation) < kZeroElevation ? 0.0 : elevation;
}

bool ShowsElevation(const SheetPass& pass) {
  return TrimBlanks(pass.sheet.record.heading(slot::kShowElevation)) == "1";
}

std::string FormatDepthOrElevation(const SheetPass& pass, double depth, int width, int decimals,
                                   bool forceElevation) {
  if (!forceElevation && !ShowsElevation(pass)) return Format("%*.*f", width, decimals, depth);
  if (pass.collarElevation <= kMissingElevationLimit) return {};
  return Format("%*.*f", width, decimals,
                ElevationOfDepth(pass.collarElevation, pass.drillingAngle, depth));
}

}  // namespace tesmor
