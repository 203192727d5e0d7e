// Helpers of the Qt tests: the application object (created once per test process,
// with the Japanese font substitutes installed) and pixel measurements.
#pragma once

#include <QApplication>
#include <QImage>
#include <QRect>
#include <QStringList>

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

}  // namespace tesmor::test
