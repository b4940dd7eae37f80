// Loading a whole race day from disk (four files, every header parsed), as a new day or a
// restart does it. Reports the time per load and the throughput in MB/s of file bytes.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "racedata/line_store.h"

namespace {

const std::string kSampleDir = VARNEL_SOURCE_DIR "/data/sample";

void BM_LoadDataSet(benchmark::State& state) {
  namespace fs = std::filesystem;
  int64_t bytes = 0;
  for (const char* f : {varnel::kDen1File, varnel::kDen2File, varnel::kUmaFile, varnel::kOdsFile}) {
    bytes += static_cast<int64_t>(fs::file_size(fs::path(kSampleDir) / f));
  }
  for (auto _ : state) {
    varnel::LineStore store;
    auto r = varnel::LoadDataSet(kSampleDir, store);
    if (!r || !*r) {
      state.SkipWithError("sample day missing");
      break;
    }
    benchmark::DoNotOptimize(store.Races.data());
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_LoadDataSet)->Unit(benchmark::kMillisecond);

void BM_ParseRaceHeaders(benchmark::State& state) {
  varnel::LineStore store;
  if (!varnel::LoadDataSet(kSampleDir, store).ok()) return;
  for (auto _ : state) {
    for (const auto& l : store.Den1Lines) benchmark::DoNotOptimize(varnel::ParseRaceHeader(l));
  }
}
BENCHMARK(BM_ParseRaceHeaders)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
