// How long MakeCave takes per difficulty. The pro digger retries its walk
// about a dozen times on average, so it is the one to watch.
#include <benchmark/benchmark.h>

#include "cave/make_cave.h"
#include "game/random.h"

namespace {

void BM_MakeCave(benchmark::State& state) {
  zupi::SeedRandom(12345);
  const auto difficulty = static_cast<zupi::Integer>(state.range(0));
  const auto drawsBefore = zupi::RandomDrawCount();
  for (auto _ : state) {
    zupi::MakeCave(difficulty);
    benchmark::DoNotOptimize(zupi::CaveMap);
  }
  state.counters["draws"] = benchmark::Counter(
      static_cast<double>(zupi::RandomDrawCount() - drawsBefore) / static_cast<double>(state.iterations()));
}

}  // namespace

BENCHMARK(BM_MakeCave)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
