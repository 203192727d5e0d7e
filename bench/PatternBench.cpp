// Lithology pattern timings: a full-page geology column (8.2 mm × 250 mm, 25 m at
// 1/100) filled with each main pattern, into a 96-dpi image (time per pattern) and
// into a 300-dpi PDF page (bytes per pattern, counter "pdf bytes"); and the whole
// pattern legend as a PDF (counter "pdf bytes").
#ifdef TESMOR_BENCH_WITH_APP

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <functional>
#include <string>
#include <vector>

#include "BenchApp.h"
#include "app/QtSurface.h"
#include "draw/Canvas.h"
#include "draw/LithologyPatterns.h"
#include "draw/PatternCatalogue.h"
#include "draw/PatternLegend.h"

namespace tesmor {
namespace {

// The column: x 5 to 13.2 mm, y 1 to 26 cm of paper.
constexpr double kLeft = 5.0;
constexpr double kRight = 13.2;
constexpr double kTop = 1.0;
constexpr double kBottom = 26.0;

// The main patterns (the first section of the built-in catalogue) that have a drawing.
std::vector<int> MainPatternTypes() {
  std::vector<int> types;
  int section = 0;
  for (const PatternCatalogueRow& row : DefaultPatternCatalogueRows()) {
    if (IsCatalogueSectionRow(row.pattern)) {
      ++section;
    } else if (section == 1 && HasLithologyPattern(std::stoi(row.pattern))) {
      types.push_back(std::stoi(row.pattern));
    }
  }
  return types;
}

void DrawColumn(Surface& surface, int type) {
  PageTransform transform;
  SetDeviceResolution(transform, surface.DpiX(), surface.DpiY(), 0.0, 0.0);
  transform.yFactor = 10.0 * transform.pxPerMmY;
  transform.yOrigin = 0.0;
  transform.headerUnit = 0.0;
  SharedTextFont font;
  Canvas dc{surface, transform, font};
  DrawLithologyPattern(dc, type, kLeft, kTop, kRight, kBottom, 1.0, 1, 0, 0);
}

// Bytes of an A4 PDF at 300 dpi of `pages` pages, each drawn by draw.
qint64 PdfBytes(int pages, const std::function<void(Surface&, int)>& draw) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setResolution(300);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  {
    QPainter painter(&pdf);
    for (int page = 1; page <= pages; ++page) {
      if (page > 1) pdf.newPage();
      QtSurface surface(painter, 300, 300);
      draw(surface, page);
    }
  }
  return buffer.size();
}

// Bytes the column of a pattern adds to a one-page PDF.
double ColumnPdfBytes(int type) {
  const qint64 empty = PdfBytes(1, [](Surface&, int) {});
  return static_cast<double>(PdfBytes(1, [type](Surface& s, int) { DrawColumn(s, type); }) - empty);
}

void BM_PatternColumnImage96(benchmark::State& state, int type) {
  EnsureBenchApp();
  QImage image(64, 1024, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  for (auto _ : state) {
    QtSurface surface(painter, 96, 96);
    DrawColumn(surface, type);
  }
  state.counters["pdf bytes"] = ColumnPdfBytes(type);
}

void BM_PatternLegendPdf(benchmark::State& state) {
  EnsureBenchApp();
  PatternColourTable colours;
  LoadBuiltInPatternColours(colours);
  const std::vector<PatternLegendEntry> entries =
      PatternLegendEntries(DefaultPatternCatalogueRows(), colours);
  const auto drawPage = [&entries](Surface& surface, int page) {
    PageTransform transform;
    SharedTextFont font;
    Canvas dc{surface, transform, font};
    DrawPatternLegendPage(dc, entries, page);
  };
  qint64 bytes = 0;
  for (auto _ : state) bytes = PdfBytes(PatternLegendPageCount(entries), drawPage);
  state.counters["pdf bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PatternLegendPdf)->Iterations(3)->Unit(benchmark::kMillisecond);

bool RegisterPatternBenchmarks() {
  for (int type : MainPatternTypes()) {
    benchmark::RegisterBenchmark(("BM_PatternColumnImage96/" + std::to_string(type)).c_str(),
                                 BM_PatternColumnImage96, type)
        ->Unit(benchmark::kMicrosecond);
  }
  return true;
}
[[maybe_unused]] const bool kPatternBenchmarksRegistered = RegisterPatternBenchmarks();

}  // namespace
}  // namespace tesmor

#endif  // TESMOR_BENCH_WITH_APP
