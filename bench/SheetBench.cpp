// One page of the columnar-section frame (title, title block, heading band, ruler
// and grids) of both forms: into an A3 image at 96 dpi through the Qt surface, and
// into a recording surface for the cost of the sheet code alone.
#ifdef TESMOR_BENCH_WITH_APP

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "BenchApp.h"
#include "app/PageOutput.h"
#include "app/QtSurface.h"
#include "draw/Canvas.h"
#include "draw/RecordingSurface.h"
#include "forms/Sheet.h"
#include "forms/SheetLayout.h"
#include "settings/Settings.h"

namespace tesmor {
namespace {

void EnsureSheetBenchApp() { EnsureBenchApp(); }

// A boring with a filled title block and the default settings and fonts.
struct SheetInputs {
  SheetInputs(int form, int nValueGrid) : formSelector(form) {
    ApplyDefaultSettings(settings);
    settings.nValueGrid = nValueGrid;
    for (std::size_t i = 0; i < settings.fonts.size(); ++i) {
      settings.fonts[i] = FontSetting{kFontDefaults[i].size, std::string(kDefaultFontFace), 0, 0};
    }
    const std::pair<int, const char*> heading[] = {
        {1, "平成30年度　第80-2号　菅浦地区補助急傾斜地崩壊対策地質調査業務委託"},
        {2, "道路災害復旧工事　地質調査業務委託"}, {3, "滋賀県長浜市西浅井町菅浦"},
        {4, "滋賀県長浜土木事務所"}, {5, "Br7"}, {6, "2018"}, {7, "11"}, {8, "16"},
        {9, "2018"}, {10, "11"}, {11, "17"}, {13, "96.54"}, {16, "前田　宏"},
        {17, "渡辺真司"}, {20, "YBM-05DA2"}, {22, "NFAD-8"}, {24, "30"}, {25, "135"},
        {26, "46.00"}, {27, "53361151"}, {37, "4.00"}, {39, "正和設計株式会社"},
        {41, "主任技師"}, {42, "現　場代理人"}, {43, "コ　ア鑑定者"}, {44, "ボーリング責任者"},
        {51, "35"}, {52, "27"}, {53, "32.98"}, {54, "136"}, {55, "08"}, {56, "24.6"},
    };
    for (const auto& [slotNumber, text] : heading) record.setHeading(slotNumber, text);
  }

  void Draw(Surface& surface) {
    PageTransform transform;
    SharedTextFont font;
    Canvas dc{surface, transform, font};
    SheetContext sheet{record, formSelector, settings, colours, page};
    DrawPage(dc, sheet);
  }

  int formSelector;
  BoringRecord record;
  Settings settings;
  PatternColourTable colours;
  PageModel page;
};

double PrimitivesPerPage(SheetInputs& inputs) {
  RecordingSurface recording;
  inputs.Draw(recording);
  return static_cast<double>(recording.ops.size());
}

void BM_SheetFrameImage96(benchmark::State& state) {
  EnsureSheetBenchApp();
  SheetInputs inputs(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  PageOutputOptions options;
  options.dpi = 96;
  QImage image(PagePixels(options), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  for (auto _ : state) {
    QtSurface surface(painter, 96, 96);
    inputs.Draw(surface);
  }
  state.counters["primitives"] = PrimitivesPerPage(inputs);
}
// Arguments: form (0 soil, 1 rock), nValueGrid (1 the default 10 mm grid, 0 with 1 mm lines).
BENCHMARK(BM_SheetFrameImage96)
    ->Args({kSoilForm, 1})->Args({kRockForm, 1})->Args({kSoilForm, 0})->Args({kRockForm, 0})
    ->Unit(benchmark::kMillisecond);

void BM_SheetFrameRecording(benchmark::State& state) {
  SheetInputs inputs(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    RecordingSurface recording;
    inputs.Draw(recording);
    benchmark::DoNotOptimize(recording.ops.data());
  }
  state.counters["primitives"] = PrimitivesPerPage(inputs);
}
BENCHMARK(BM_SheetFrameRecording)
    ->Args({kSoilForm, 1})->Args({kRockForm, 1})->Args({kSoilForm, 0})->Args({kRockForm, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesmor

#endif  // TESMOR_BENCH_WITH_APP
