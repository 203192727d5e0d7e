// A full page of the soil form drawn from the largest real soil boring of the
// fixtures (29 m, 14 layers, 27 standard penetration tests, 12 notes): into an A3
// image at 96 dpi, into an A3 PDF page at 300 dpi (counter "pdf bytes" per page),
// and into a recording surface for the cost of the sheet code alone.
#ifdef TESMOR_BENCH_WITH_APP

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include "BenchApp.h"
#include "app/PageOutput.h"
#include "app/QtSurface.h"
#include "draw/Canvas.h"
#include "draw/RecordingSurface.h"
#include "forms/Sheet.h"
#include "readers/DataLoader.h"
#include "readers/ShellState.h"
#include "settings/Settings.h"

namespace tesmor {
namespace {

constexpr const char* kFixture = TESMOR_FIXTURES_DIR "/real/BOREHOLE_FUKUI_BED10418000011128.sjis.xml";

struct SoilInputs {
  SoilInputs() {
    ApplyDefaultSettings(settings);
    for (std::size_t i = 0; i < settings.fonts.size(); ++i) {
      settings.fonts[i] = FontSetting{kFontDefaults[i].size, std::string(kDefaultFontFace), 0, 0};
    }
    LoadBuiltInPatternColours(colours);
    ShellState shell;
    loaded = LoadBoringFile(kFixture, OpenPath::FileMenu, record, shell).loaded();
  }

  void Draw(Surface& surface) {
    PageTransform transform;
    SharedTextFont font;
    Canvas dc{surface, transform, font};
    SheetContext sheet{record, kSoilForm, settings, colours, page};
    DrawPage(dc, sheet);
  }

  bool loaded = false;
  BoringRecord record;
  Settings settings;
  PatternColourTable colours;
  PageModel page;
};

void BM_SoilPageImage96(benchmark::State& state) {
  EnsureBenchApp();
  SoilInputs inputs;
  if (!inputs.loaded) state.SkipWithError("fixture not loaded");
  PageOutputOptions options;
  options.dpi = 96;
  QImage image(PagePixels(options), QImage::Format_RGB32);
  QPainter painter(&image);
  for (auto _ : state) {
    image.fill(Qt::white);
    QtSurface surface(painter, 96, 96);
    inputs.Draw(surface);
  }
}
BENCHMARK(BM_SoilPageImage96)->Unit(benchmark::kMillisecond);

void BM_SoilPagePdf300(benchmark::State& state) {
  EnsureBenchApp();
  SoilInputs inputs;
  if (!inputs.loaded) state.SkipWithError("fixture not loaded");
  qint64 bytes = 0;
  for (auto _ : state) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
      QPdfWriter pdf(&buffer);
      pdf.setResolution(300);
      pdf.setPageSize(QPageSize(QPageSize::A3));
      QPainter painter(&pdf);
      QtSurface surface(painter, 300, 300);
      inputs.Draw(surface);
    }
    bytes = buffer.size();
  }
  state.counters["pdf bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SoilPagePdf300)->Unit(benchmark::kMillisecond);

void BM_SoilPageRecording(benchmark::State& state) {
  SoilInputs inputs;
  if (!inputs.loaded) state.SkipWithError("fixture not loaded");
  std::size_t ops = 0;
  for (auto _ : state) {
    RecordingSurface recording;
    inputs.Draw(recording);
    ops = recording.ops.size();
    benchmark::DoNotOptimize(recording.ops.data());
  }
  state.counters["primitives"] = static_cast<double>(ops);
}
BENCHMARK(BM_SoilPageRecording)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesmor

#endif  // TESMOR_BENCH_WITH_APP
