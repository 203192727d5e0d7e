// Lithology patterns (柱状図模様): the line drawing that fills a layer's box in the
// geology column, chosen by the integer part of its pattern number (パターンNo):
//
//   - main patterns, multiples of 100 from 100 to 8700 (gravels, sands, silts,
//     clays, organic soils, volcanic deposits, rocks);
//   - admixture overlays 1 to 8 (the names ending in 混り);
//   - qualifier overlays 10, 20, 30, 40, 50 (the names ending in 質);
//   - fill symbols 10000 to 10004 and rock-mass grades 10091 to 10093.
//
// A pattern is drawn in the covered part of its box only (see PatternBox.h); every
// size in it is a fraction of the box width, so a pattern keeps its look at every
// depth scale. The form decides how a layer's code is split into a main pattern,
// a qualifier and an admixture and draws each with these functions.
#pragma once

#include "draw/Canvas.h"
#include "draw/PatternCatalogue.h"

namespace tesmor {

// Draws pattern `type` into the box (x1, y1)-(x2, y2): x in world x units, y in the
// centimetre system (dc.transform.yFactor = 10 × pxPerMmY). coverage (0 to 1) is
// the fraction of the box width covered, from the left edge; lineWidth the pen width
// in pixels (some strokes use lineWidth + 1); colour the pen colour; stagger (0 or 1)
// starts an admixture overlay (types 1 to 8) lower so that it falls between the
// bands of a qualifier. The symbols 10000 to 10004 ignore coverage. A box narrower
// or shorter than 0.001 draws nothing. The drawing is clipped to the box.
// Returns 1 when the type has a drawing, 0 (nothing drawn) for any other type, 9900
// 空洞 among them.
int DrawLithologyPattern(Canvas& dc, int type, double x1, double y1, double x2, double y2,
                         double coverage, int lineWidth, Colour colour, int stagger);

// Whether DrawLithologyPattern has a drawing for the type.
bool HasLithologyPattern(int type);

// The pen width of patterns for the setting patternLineWidthChoice: the choice + 1,
// at least 1.
int PatternLineWidth(int patternLineWidthChoice);

// The colour of a pattern type: black when patternsInBlack is 1, else the catalogue
// colour of the type (FindPatternColour; black when the catalogue has none).
Colour PatternColour(const PatternColourTable& colours, int type, int patternsInBlack);

// The forms' entry: draws pattern `type` into a layer's box whose y1 and y2 are in
// the y system the form is drawing in (normally depth in metres). The box is
// converted to the centimetre system, yFactor is set to 10 × pxPerMmY for the call
// and restored before returning. The pen is PatternLineWidth(patternLineWidthChoice)
// wide and coloured PatternColour(colours, type, patternsInBlack); pass the settings
// of the same names. Returns DrawLithologyPattern's result.
int DrawLayerPattern(Canvas& dc, int type, double x1, double y1, double x2, double y2,
                     double coverage, int stagger, const PatternColourTable& colours,
                     int patternLineWidthChoice, int patternsInBlack);

// Draws fill symbol `symbol` 0 to 4 (pattern 10000 + symbol) over a layer's box,
// with a solid pen lineWidth pixels wide. Colour: black when useBlack is 1 (pass
// the setting patternsInBlack), else the catalogue colour of 10000 + symbol (black
// when there is none). Mode 2 draws a vertical line at the middle of the box from y1
// to y2 and the symbol in the left half only; a symbol outside 0 to 4 draws nothing
// else. y may be in any y system of the form.
void DrawFillSymbol(Canvas& dc, const PatternColourTable& colours, double x1, double y1, double x2,
                    double y2, int symbol, int mode, int lineWidth, int useBlack);

}  // namespace tesmor
