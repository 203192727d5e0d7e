// A full page of the rock form drawn from the largest real rock boring of the
// fixtures (55 m, 68 rows of rock properties, 55 core rows, ten Lugeon tests with
// their P-Q pairs, 52 notes): pages 1 and 2 into an A3 image at 96 dpi, into an A3
// PDF page at 300 dpi and into a recording surface (see BoringPageBench.h).
#ifdef TESMOR_BENCH_WITH_APP

#include "BoringPageBench.h"

namespace tesmor {
namespace {

constexpr const char* kRockFixture = "BOREHOLE_FUKUI_18000234650901407-BED0001.sjis.xml";

void BM_RockPageImage96(benchmark::State& state) {
  BoringPageInputs inputs(kRockFixture, static_cast<int>(state.range(0)));
  RunPageImage96(state, inputs);
}
// Argument: the page (1: the first 25 m, 2: 25 to 50 m).
BENCHMARK(BM_RockPageImage96)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_RockPagePdf300(benchmark::State& state) {
  BoringPageInputs inputs(kRockFixture, static_cast<int>(state.range(0)));
  RunPagePdf300(state, inputs);
}
BENCHMARK(BM_RockPagePdf300)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_RockPageRecording(benchmark::State& state) {
  BoringPageInputs inputs(kRockFixture, static_cast<int>(state.range(0)));
  RunPageRecording(state, inputs);
}
BENCHMARK(BM_RockPageRecording)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesmor

#endif  // TESMOR_BENCH_WITH_APP
