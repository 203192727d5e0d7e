// Drawing stack timings: the calibration page replayed into an image at 96 dpi and
// into a PDF (primitives per second), and lines and circles drawn through the
// whole stack (world call → page transform → Surface → QPainter) against the same
// QPainter calls made directly.
#ifdef TESMOR_BENCH_WITH_APP

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include "BenchApp.h"
#include "app/PageOutput.h"
#include "app/QtSurface.h"
#include "draw/CalibrationPage.h"
#include "draw/Canvas.h"
#include "draw/DrawOps.h"
#include "draw/RecordingSurface.h"

namespace tesmor {
namespace {

void EnsureApp() { EnsureBenchApp(); }

void DrawPage(Surface& surface) {
  PageTransform transform;
  SharedTextFont font;
  Canvas dc{surface, transform, font};
  DrawCalibrationPage(dc);
}

// Primitives (lines, shapes, texts, boxes) of one calibration page.
double PrimitivesPerPage() {
  RecordingSurface recording;
  DrawPage(recording);
  return static_cast<double>(recording.ops.size());
}

void SetRate(benchmark::State& state, double perIteration) {
  state.counters["primitives/s"] =
      benchmark::Counter(perIteration, benchmark::Counter::kIsIterationInvariantRate);
}

QImage A3At96Dpi() {
  PageOutputOptions options;
  options.dpi = 96;
  QImage image(PagePixels(options), QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void BM_CalibrationPageImage96(benchmark::State& state) {
  EnsureApp();
  QImage image = A3At96Dpi();
  QPainter painter(&image);
  for (auto _ : state) {
    QtSurface surface(painter, 96, 96);
    DrawPage(surface);
  }
  SetRate(state, PrimitivesPerPage());
}
BENCHMARK(BM_CalibrationPageImage96)->Iterations(1000)->Unit(benchmark::kMicrosecond);

void BM_CalibrationPagePdf(benchmark::State& state) {
  EnsureApp();
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setResolution(300);
  pdf.setPageSize(QPageSize(QPageSize::A3));
  QPainter painter(&pdf);
  bool first = true;
  for (auto _ : state) {
    if (!first) pdf.newPage();
    first = false;
    QtSurface surface(painter, 300, 300);
    DrawPage(surface);
  }
  painter.end();
  state.counters["pdf bytes/page"] =
      static_cast<double>(buffer.size()) / static_cast<double>(state.iterations());
  SetRate(state, PrimitivesPerPage());
}
BENCHMARK(BM_CalibrationPagePdf)->Iterations(1000)->Unit(benchmark::kMicrosecond);

// A pattern-like load: rows of short strokes and small circles over a 60 × 40 mm box.
constexpr int kRows = 40;
constexpr int kColumns = 30;

void BM_LinesCirclesThroughStack(benchmark::State& state) {
  EnsureApp();
  QImage image = A3At96Dpi();
  QPainter painter(&image);
  QtSurface surface(painter, 96, 96);
  PageTransform transform;
  SetDeviceResolution(transform, 96, 96, 5.0, 5.0);
  transform.yFactor = 10.0 * transform.pxPerMmY;  // centimetres
  SharedTextFont font;
  Canvas dc{surface, transform, font};
  for (auto _ : state) {
    for (int r = 0; r < kRows; ++r) {
      const double y = 2.0 + r * 0.1;
      for (int c = 0; c < kColumns; ++c) {
        const double x = 20.0 + c * 2.0;
        DrawLine(dc, x, y, x + 1.2, y, PS_SOLID, 1, 0);
        DrawCircle(dc, x + 0.6, y + 0.05, 0.08, PS_SOLID, 1, 0);
      }
    }
  }
  SetRate(state, 2.0 * kRows * kColumns);
}
BENCHMARK(BM_LinesCirclesThroughStack)->Unit(benchmark::kMicrosecond);

void BM_LinesCirclesDirectQPainter(benchmark::State& state) {
  EnsureApp();
  QImage image = A3At96Dpi();
  QPainter painter(&image);
  const double pxPerMm = 96 / 25.4;
  const double left = 5.0 * pxPerMm;
  const double top = 5.0 * pxPerMm + 11.5 * 10.0;
  const double yFactor = 10.0 * pxPerMm;
  for (auto _ : state) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    for (int r = 0; r < kRows; ++r) {
      const double y = 2.0 + r * 0.1;
      for (int c = 0; c < kColumns; ++c) {
        const double x = 20.0 + c * 2.0;
        const int py = static_cast<int>((11.5 + y) * yFactor + top);
        painter.drawLine(static_cast<int>(left + x * pxPerMm), py,
                         static_cast<int>(left + (x + 1.2) * pxPerMm), py);
        const int cx = static_cast<int>(left + (x + 0.6) * pxPerMm);
        const int cy = static_cast<int>((11.5 + y + 0.05) * yFactor + top);
        const int radius = static_cast<int>(yFactor * 0.08);
        painter.drawEllipse(QRect(cx - radius, cy - radius, 2 * radius, 2 * radius));
      }
    }
  }
  SetRate(state, 2.0 * kRows * kColumns);
}
BENCHMARK(BM_LinesCirclesDirectQPainter)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tesmor

#endif  // TESMOR_BENCH_WITH_APP
