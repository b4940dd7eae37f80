// Showing a race: runner records from the horse lines, course tables, index pass, cells, marks,
// bets and sort restore, without a history database. One 18-runner race, and a whole day.
#include <benchmark/benchmark.h>

#include "shell/session.h"

namespace {

const std::string kSampleDir = VARNEL_SOURCE_DIR "/data/sample";

void BM_ShowRace18(benchmark::State& state) {
  varnel::Session s(kSampleDir);
  s.SetKaimeVisible(true);
  if (!s.LoadDataSet().ok() || !s.ShowRace(8).ok()) {
    state.SkipWithError("sample day missing");
    return;
  }
  for (auto _ : state) {
    auto st = s.ShowRace(8);  // race 9 of 東京: 18 runners
    benchmark::DoNotOptimize(st);
  }
}
BENCHMARK(BM_ShowRace18)->Unit(benchmark::kMicrosecond);

void BM_ShowWholeDay(benchmark::State& state) {
  varnel::Session s(kSampleDir);
  if (!s.LoadDataSet().ok()) {
    state.SkipWithError("sample day missing");
    return;
  }
  for (auto _ : state) {
    for (int r = 0; r < s.RaceCount(); ++r) benchmark::DoNotOptimize(s.ShowRace(r));
  }
}
BENCHMARK(BM_ShowWholeDay)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
