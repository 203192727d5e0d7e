// Helpers of the Qt tests: the application object (created once per test process,
// with the Japanese font substitutes installed) and pixel measurements.
#pragma once

#include <QApplication>
#include <QImage>
#include <QRect>
#include <QStringList>

#include "app/Workspace.h"

namespace tesmor::test {

// The one QApplication of an app test process (offscreen platform unless the
// environment chose another), created on first use with the Japanese font
// substitutes installed.
QApplication& TestApp();
void EnsureGuiApplication();

// Replaces the program's message boxes by a recorder: each message's text is
// appended to messages and the box answers OK when answer is true.
void RecordMessages(QStringList& messages, bool answer = true);

// Whether a pixel is ink (darker than light grey).
bool IsInk(const QImage& image, int x, int y);

// The longest horizontal run of ink in any row of band (or vertical run in any
// column when vertical is true).
int LongestInkRun(const QImage& image, const QRect& band, bool vertical);

// The folder that an environment variable names (created), to keep a test's pages
// for a look, or else a fresh temporary folder.
QString KeepFolder(const char* variable);

// The application object, the default settings with the default fonts and the
// built-in pattern colours: what a sheet is drawn with on a fresh install.
void UseDefaultSheetSettings(Workspace& workspace);

// An SVG file rendered by an SVG renderer of its own (rsvg-convert, Debian
// librsvg2-bin) on white, size pixels large; a null image with *error set when the
// renderer is missing or fails.
QImage RasteriseSvg(const QString& svgPath, const QSize& size, QString* error);

// Ink pixels of `shown` with no mark of `reference` (any pixel short of paper white:
// a smoothed one-pixel line of a light colour is no ink) within `radius` pixels,
// both images of one size: what one output draws that the other does not. Those pixels
// are painted in `mark` on `marks` when given (an image of the same size).
struct InkBeyond {
  int pixels = 0;
  QRect bounds;  // of those pixels
};
InkBeyond InkNotIn(const QImage& shown, const QImage& reference, int radius, QImage* marks = nullptr, QRgb mark = 0);

}  // namespace tesmor::test
