// Loading boring-information files from memory: decoding, every line through the
// reader and the completion, as the File menu's Open command does it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "readers/DataLoader.h"
#include "record/BoringRecord.h"
#include "record/TextCodec.h"

namespace {

using namespace tesmor;

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void LoadFromMemory(benchmark::State& state, const std::string& bytes) {
  BoringRecord record;
  ShellState shell;
  for (auto _ : state) {
    const std::string text = DecodeFileText(bytes);
    const LoadResult result = LoadBoringText(text, OpenPath::FileMenu, record, shell);
    benchmark::DoNotOptimize(result.lastLineResult);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
  state.counters["KB"] = static_cast<double>(bytes.size()) / 1024.0;
}

// A boring whose core part repeats a set of records of every group n times.
std::string SyntheticBoring(int n) {
  std::string text = "<?xml version=\"1.0\"?>\n<ボーリング情報 DTD_version=\"3.00\">\n<標題情報>\n";
  text += "<ボーリング基本情報>\n<柱状図様式>2</柱状図様式>\n</ボーリング基本情報>\n</標題情報>\n<コア情報>\n";
  // Group, its depth element, a value element.
  const char* groups[][3] = {{"岩石土区分", "下端深度", "岩石土名"}, {"色調", "下端深度", "色調名"},
                             {"標準貫入試験", "開始深度", "合計打撃回数"}, {"観察記事", "下端深度", "記事"},
                             {"硬軟区分", "下端深度", "硬軟区分"},       {"掘進速度", "下端深度", "掘進速度"},
                             {"RQD", "下端深度", "RQD"},                 {"コア採取率", "下端深度", "採取率"}};
  for (const auto& g : groups) {
    const std::string group = g[0];
    const std::string depthTag = group + "_" + g[1];
    const std::string valueTag = group + "_" + g[2];
    for (int i = 1; i <= n; ++i) {
      text += "  <" + group + ">\n    <" + depthTag + ">" + std::to_string(i) + ".00</" + depthTag + ">\n";
      text += "    <" + valueTag + ">12</" + valueTag + ">\n  </" + group + ">\n";
    }
  }
  text += "</コア情報>\n</ボーリング情報>\n";
  return text;
}

void BM_SyntheticBoring(benchmark::State& state) {
  const std::string bytes = SyntheticBoring(static_cast<int>(state.range(0)));
  LoadFromMemory(state, bytes);
  state.SetComplexityN(static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_SyntheticBoring)->RangeMultiplier(4)->Range(64, 16384)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

const bool kRegistered = [] {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(TESMOR_FIXTURES_DIR "/real")) {
    if (entry.path().extension() == ".xml") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const auto& path : files) {
    const std::string bytes = ReadBytes(path);
    benchmark::RegisterBenchmark(("BM_RealFile/" + path.filename().string()).c_str(),
                                 [bytes](benchmark::State& state) { LoadFromMemory(state, bytes); })
        ->Unit(benchmark::kMicrosecond);
  }
  return true;
}();

}  // namespace
