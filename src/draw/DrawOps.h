// Lines, shapes and clipping, in device pixels (`...Px`) and in world coordinates.
// See Canvas.h for the conventions shared by every drawing operation.
#pragma once

#include <span>

#include "draw/Canvas.h"

namespace tesmor {

// ---- Device pixels ----------------------------------------------------------

// A line from (x1, y1) to (x2, y2). Width 0 draws nothing.
void DrawLinePx(Canvas& dc, int x1, int y1, int x2, int y2, int penStyle, int width,
                Colour colour);

// Dashes of `dash` pixels with `gap` pixels between, measured along the longer
// axis, from (x1, y1) on while the next dash starts more than one dash short of
// the end (the first dash is always drawn). Width 0, a dash of 0 or less, or a
// line of no length draws nothing; a gap of 0 or less draws one solid line. At
// most 10,001 dashes.
void DrawDashedLinePx(Canvas& dc, int x1, int y1, int x2, int y2, int dash, int gap, int width,
                      Colour colour);

// Rectangle outlined with the pen and filled with fillColour.
void FillRectPx(Canvas& dc, int left, int top, int right, int bottom, int penStyle, int width,
                Colour penColour, Colour fillColour);

// Closed outline through the four corners; the interior is untouched.
void FrameRectPx(Canvas& dc, int left, int top, int right, int bottom, int penStyle, int width,
                 Colour colour);

// Circle and ellipse outlines; the interior is untouched.
void CirclePx(Canvas& dc, int cx, int cy, int r, int penStyle, int width, Colour colour);
void EllipsePx(Canvas& dc, int cx, int cy, int rx, int ry, int penStyle, int width, Colour colour);

// Arc of the circle (cx ± r, cy ± r) from the ray through the start point to the ray
// through the end point, in the surface's arc direction.
void ArcPx(Canvas& dc, int cx, int cy, int r, int startX, int startY, int endX, int endY,
           int penStyle, int width, Colour colour);

// Circle outlined with the pen and filled with fillColour.
void FilledCirclePx(Canvas& dc, int cx, int cy, int r, int penStyle, int width, Colour penColour,
                    Colour fillColour);

// ---- World coordinates ------------------------------------------------------

void DrawLine(Canvas& dc, double x1, double y1, double x2, double y2, int penStyle, int width,
              Colour colour);

// Dash and gap stay in pixels.
void DrawDashedLine(Canvas& dc, double x1, double y1, double x2, double y2, int dashPx, int gapPx,
                    int width, Colour colour);

void FrameRect(Canvas& dc, double x1, double y1, double x2, double y2, int penStyle, int width,
               Colour colour);
void FillRect(Canvas& dc, double x1, double y1, double x2, double y2, int penStyle, int width,
              Colour penColour, Colour fillColour);

// Polygon of the first (at most 10) vertices, filled with colour and outlined with
// the surface's default pen (solid, black, one pixel). The vertex count is the
// shorter of xs and ys.
void FillPolygon(Canvas& dc, std::span<const double> xs, std::span<const double> ys,
                 Colour colour);

// Radius r in world y units (yFactor × r pixels, truncated).
void DrawCircle(Canvas& dc, double cx, double cy, double r, int penStyle, int width,
                Colour colour);
void DrawFilledCircle(Canvas& dc, double cx, double cy, double r, int penStyle, int width,
                      Colour penColour, Colour fillColour);

// Radii xFactor × rx and yFactor × ry pixels.
void DrawEllipse(Canvas& dc, double cx, double cy, double rx, double ry, int penStyle, int width,
                 Colour colour);

// Radius yFactor × r pixels; start and end points mapped.
void DrawArc(Canvas& dc, double cx, double cy, double r, double startX, double startY, double endX,
             double endY, int penStyle, int width, Colour colour);

// Diamond through (cx ± halfWidth, cy) and (cx, cy ± halfHeight).
void DrawDiamond(Canvas& dc, double cx, double cy, double halfWidth, double halfHeight,
                 int penStyle, int width, Colour colour);
// The diamond with a vertical bar through its centre over 0.7 × halfHeight each way.
void DrawDiamondBar(Canvas& dc, double cx, double cy, double halfWidth, double halfHeight,
                    int penStyle, int width, Colour colour);

// ---- Clipping -----------------------------------------------------------------

// Intersects the clip region with the mapped rectangle; RestoreClip undoes it.
void ClipToRect(Canvas& dc, double x1, double y1, double x2, double y2);
void RestoreClip(Canvas& dc);

}  // namespace tesmor
