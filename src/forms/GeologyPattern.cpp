#include "forms/GeologyPattern.h"

#include <algorithm>

#include "draw/DrawOps.h"
#include "draw/LithologyPatterns.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr int kAlternationBase = 90000;
constexpr int kFirstSymbol = 9900;       // members above this are not patterns of their own
constexpr int kGenericAlternation = 4600;
constexpr int kFirstFill = 10000;
constexpr int kLastFill = 10004;
constexpr double kBandPaperMm = 4.0;     // alternation bands on paper
constexpr int kFillModeHalf = 2;

bool IsFill(int number) { return number >= kFirstFill && number <= kLastFill; }

int CodeNumber(std::string_view code) {
  return StartsLikeNumber(code) > 0 ? TextToInt(code) : 0;
}

struct Box {
  double x1, y1, x2, y2;
};

struct PatternPen {
  Canvas& dc;
  const SheetPass& pass;

  void Pattern(int type, const Box& b, double coverage = 1.0, int stagger = 0) const {
    if (type <= 0) return;
    const Settings& s = pass.sheet.settings;
    DrawLayerPattern(dc, type, b.x1, b.y1, b.x2, b.y2, coverage, stagger, pass.sheet.colours,
                     s.patternLineWidthChoice, s.patternsInBlack);
  }

  // A composed number: the main pattern with its qualifier and admixture over it.
  void Composed(int number, const Box& b) const {
    const PatternParts p = SplitPatternNumber(number);
    if (p.alternation) {
      Alternation(p, b);
      return;
    }
    if (IsFill(p.main)) {
      Fill(p.main, b, 0);
      return;
    }
    Pattern(p.main, b);
    const double cover = pass.sheet.settings.mixQualityChoice == 1 ? 0.5 : 1.0;
    Pattern(p.qualifier, b, cover);
    Pattern(p.admixture, b, cover, p.qualifier > 0 ? 1 : 0);
  }

  void Fill(int number, const Box& b, int mode) const {
    const Settings& s = pass.sheet.settings;
    DrawFillSymbol(dc, pass.sheet.colours, b.x1, b.y1, b.x2, b.y2, number - kFirstFill, mode,
                   PatternLineWidth(s.patternLineWidthChoice), s.patternsInBlack);
  }

  void Alternation(const PatternParts& p, const Box& b) const {
    if (p.main <= 0) {
      Pattern(kGenericAlternation, b);
      return;
    }
    if (p.alternate <= 0) {
      Composed(p.main, b);
      return;
    }
    const double band = kBandPaperMm * dc.transform.depthScale / 1000.0;
    int k = 0;
    for (double y = b.y1; y < b.y2 - 0.0001; y += band, ++k) {
      Composed(k % 2 == 0 ? p.main : p.alternate, Box{b.x1, y, b.x2, std::min(y + band, b.y2)});
    }
  }

  // Two names side by side: the first in the left half, the second in the right.
  void Halves(int first, int second, const Box& b) const {
    const double mid = (b.x1 + b.x2) / 2.0;
    ClipToRect(dc, b.x1, b.y1, mid, b.y2);
    Composed(first, b);
    RestoreClip(dc);
    ClipToRect(dc, mid, b.y1, b.x2, b.y2);
    Composed(second, b);
    RestoreClip(dc);
    const Settings& s = pass.sheet.settings;
    DrawLine(dc, mid, b.y1, mid, b.y2, PS_SOLID, PatternLineWidth(s.patternLineWidthChoice),
             PatternColour(pass.sheet.colours, first, s.patternsInBlack));
  }
};

}  // namespace

PatternParts SplitPatternNumber(int number) {
  PatternParts p;
  if (number >= kAlternationBase) {
    const int rest = number - kAlternationBase;
    p.alternation = true;
    p.main = rest / 100 * 100;
    p.alternate = (rest - p.main) * 100;
    return p;
  }
  if (number > kFirstSymbol) {
    p.main = number;
    return p;
  }
  p.main = number / 100 * 100;
  p.qualifier = number % 100 / 10 * 10;
  p.admixture = number % 10;
  return p;
}

void DrawGeologyPattern(Canvas& dc, const SheetPass& pass, std::string_view code1,
                        std::string_view code2, double x1, double y1, double x2, double y2) {
  if (x2 - x1 < 0.001 || y2 - y1 < 0.0001) return;
  const PatternPen pen{dc, pass};
  const Box box{x1, y1, x2, y2};
  int first = CodeNumber(code1);
  int second = CodeNumber(code2);
  if (first >= kAlternationBase || first <= 0) second = 0;  // an alternation holds both names
  if (IsFill(second) && !IsFill(first) && first > 0) std::swap(first, second);
  if (first <= 0) {
    pen.Composed(second, box);
  } else if (second <= 0 || second == first) {
    pen.Composed(first, box);
  } else if (IsFill(first)) {
    const double mid = (x1 + x2) / 2.0;
    pen.Fill(first, box, kFillModeHalf);
    ClipToRect(dc, mid, y1, x2, y2);
    pen.Composed(second, box);
    RestoreClip(dc);
  } else {
    pen.Halves(first, second, box);
  }
}

}  // namespace tesmor
