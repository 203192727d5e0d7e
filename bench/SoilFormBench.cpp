// A full page of the soil form drawn from the largest real soil boring of the
// fixtures (29 m, 14 layers, 27 standard penetration tests, 12 notes): into an A3
// image at 96 dpi, into an A3 PDF page at 300 dpi and into a recording surface (see
// BoringPageBench.h).
#ifdef TESMOR_BENCH_WITH_APP

#include "BoringPageBench.h"

namespace tesmor {
namespace {

constexpr const char* kSoilFixture = "BOREHOLE_FUKUI_BED10418000011128.sjis.xml";

void BM_SoilPageImage96(benchmark::State& state) {
  BoringPageInputs inputs(kSoilFixture, 1);
  RunPageImage96(state, inputs);
}
BENCHMARK(BM_SoilPageImage96)->Unit(benchmark::kMillisecond);

void BM_SoilPagePdf300(benchmark::State& state) {
  BoringPageInputs inputs(kSoilFixture, 1);
  RunPagePdf300(state, inputs);
}
BENCHMARK(BM_SoilPagePdf300)->Unit(benchmark::kMillisecond);

void BM_SoilPageRecording(benchmark::State& state) {
  BoringPageInputs inputs(kSoilFixture, 1);
  RunPageRecording(state, inputs);
}
BENCHMARK(BM_SoilPageRecording)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesmor

#endif  // TESMOR_BENCH_WITH_APP
