#include "draw/LithologyPatterns.h"

#include <climits>

#include "draw/DrawOps.h"
#include "draw/FillSymbols.h"
#include "draw/GrainPatterns.h"
#include "draw/MainPatterns.h"
#include "draw/OverlayPatterns.h"
#include "draw/PatternBox.h"

namespace tesmor {

namespace {

bool IsAdmixture(int type) { return type >= 1 && type <= 8; }
bool IsQualifier(int type) { return type >= 10 && type <= 50 && type % 10 == 0; }
bool IsFillSymbol(int type) { return type >= 10000 && type <= 10004; }
bool IsRockMassSymbol(int type) { return type >= 10091 && type <= 10093; }

// The box's clip for the device: its pixels, right and bottom edges included.
PxRect ClipOf(const Canvas& dc, double x1, double y1, double x2, double y2) {
  const PageTransform& t = dc.transform;
  const PxRect r = Normalised(PxRect{MapX(t, x1), MapY(t, y1), MapX(t, x2), MapY(t, y2)});
  return PxRect{r.left, r.top, r.right + 1, r.bottom + 1};  // mapped values stay within ±32767
}

void Render(const PatternBox& box, int type, int stagger) {
  if (const GrainParameters* grain = FindGrainPattern(type)) {
    DrawGrainPattern(box, *grain);
  } else if (const MainPattern* main = FindMainPattern(type)) {
    DrawMainPattern(box, *main);
  } else if (IsAdmixture(type)) {
    DrawAdmixture(box, type, stagger);
  } else if (IsQualifier(type)) {
    DrawQualifier(box, type);
  } else if (IsFillSymbol(type)) {
    DrawFillSymbolLines(box, type);
  } else {
    DrawRockMassSymbol(box, type);
  }
}

}  // namespace

bool HasLithologyPattern(int type) {
  return FindGrainPattern(type) != nullptr || FindMainPattern(type) != nullptr ||
         IsAdmixture(type) || IsQualifier(type) || IsFillSymbol(type) || IsRockMassSymbol(type);
}

int DrawLithologyPattern(Canvas& dc, int type, double x1, double y1, double x2, double y2,
                         double coverage, int lineWidth, Colour colour, int stagger) {
  if (!HasLithologyPattern(type)) return 0;
  const std::optional<PatternBox> box = MakePatternBox(
      dc, x1, y1, x2, y2, IsFillSymbol(type) ? 1.0 : coverage, lineWidth, colour);
  if (!box) return 1;
  // Arcs are given counter-clockwise; shapes that a horizontal scale other than 1/100
  // widens are held to the box by the clip.
  Surface& surface = dc.surface;
  const int arcDirection = surface.ArcDirection();
  if (arcDirection != AD_COUNTERCLOCKWISE) surface.SetArcDirection(AD_COUNTERCLOCKWISE);
  surface.PushClip(ClipOf(dc, x1, y1, x2, y2));
  Render(*box, type, stagger);
  surface.PopClip();
  if (arcDirection != AD_COUNTERCLOCKWISE) surface.SetArcDirection(arcDirection);
  return 1;
}

int PatternLineWidth(int patternLineWidthChoice) {
  if (patternLineWidthChoice < 1) return 1;
  return patternLineWidthChoice < INT_MAX ? patternLineWidthChoice + 1 : INT_MAX;
}

Colour PatternColour(const PatternColourTable& colours, int type, int patternsInBlack) {
  return patternsInBlack == 1 ? 0 : FindPatternColour(colours, type);
}

int DrawLayerPattern(Canvas& dc, int type, double x1, double y1, double x2, double y2,
                     double coverage, int stagger, const PatternColourTable& colours,
                     int patternLineWidthChoice, int patternsInBlack) {
  PageTransform& t = dc.transform;
  const double top = ToCentimetreY(t, y1);
  const double bottom = ToCentimetreY(t, y2);
  const double savedYFactor = t.yFactor;
  t.yFactor = 10.0 * t.pxPerMmY;
  const int result = DrawLithologyPattern(
      dc, type, x1, top, x2, bottom, coverage, PatternLineWidth(patternLineWidthChoice),
      PatternColour(colours, type, patternsInBlack), stagger);
  t.yFactor = savedYFactor;
  return result;
}

void DrawFillSymbol(Canvas& dc, const PatternColourTable& colours, double x1, double y1, double x2,
                    double y2, int symbol, int mode, int lineWidth, int useBlack) {
  constexpr int kFirstFillSymbol = 10000;
  const long long key = 1LL * kFirstFillSymbol + symbol;
  const Colour colour = useBlack == 1 || key > INT_MAX
                            ? 0
                            : FindPatternColour(colours, static_cast<int>(key));
  if (mode == 2) {
    const double middle = (x1 + x2) / 2.0;
    DrawLine(dc, middle, y1, middle, y2, PS_SOLID, lineWidth, colour);
    x2 = middle;
  }
  if (symbol < 0 || symbol > 4) return;
  DrawLithologyPattern(dc, kFirstFillSymbol + symbol, x1, y1, x2, y2, 1.0, lineWidth, colour, 0);
}

}  // namespace tesmor
