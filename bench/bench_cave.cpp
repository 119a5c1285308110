// How long MakeCave takes per difficulty, in CPU time of the thread. The pro
// digger retries its walk about a dozen times on average, so its time per
// cave varies a lot from one cave to the next; a run therefore times many
// caves and reports the mean, and the table shows the median of several runs.
// A cave is dug once per level, so what counts for the pro digger is that no
// cave keeps the player waiting: its 99th percentile, each cave timed alone.
#include <cstdint>
#include <string>

#include "bench/measures.h"
#include "cave/make_cave.h"
#include "game/random.h"

namespace bench {
namespace {

constexpr int kRuns = 9;
constexpr double kRunSeconds = 0.02;
constexpr int kTimedCaves = 20000;

// CPU seconds taken by `caves` calls of MakeCave.
double TimeCaves(zupi::Random& random, zupi::Integer difficulty, int caves) {
  const double start = ThreadCpuNow();
  for (int i = 0; i < caves; ++i) zupi::MakeCave(random, difficulty);
  return ThreadCpuNow() - start;
}

// Mean µs per cave over `kRuns` runs of about kRunSeconds each; the median run.
double MicrosecondsPerCave(zupi::Random& random, zupi::Integer difficulty) {
  int caves = 16;
  while (TimeCaves(random, difficulty, caves) < kRunSeconds) caves *= 2;  // also the warm-up
  std::vector<double> runs;
  for (int run = 0; run < kRuns; ++run) runs.push_back(TimeCaves(random, difficulty, caves) / caves * 1e6);
  return Median(runs);
}

// The 99th percentile of kTimedCaves caves timed one by one, ms.
double MillisecondsP99(zupi::Random& random, zupi::Integer difficulty) {
  std::vector<double> each;
  each.reserve(kTimedCaves);
  for (int i = 0; i < kTimedCaves; ++i) each.push_back(TimeCaves(random, difficulty, 1) * 1e3);
  return Percentile(each, 99);
}

// Random draws per cave, over a fixed set of caves.
double DrawsPerCave(zupi::Integer difficulty) {
  constexpr int kCaves = 1000;
  zupi::Random random(1);
  for (int i = 0; i < kCaves; ++i) zupi::MakeCave(random, difficulty);
  return static_cast<double>(random.draws()) / kCaves;
}

}  // namespace

std::vector<Row> MeasureMakeCave(Notes& notes) {
  const char* names[] = {"beginner", "intermediate", "advanced", "pro, mean"};
  std::vector<Row> rows;
  zupi::Random random(12345);  // a fixed seed: much the same caves from run to run
  for (zupi::Integer difficulty = zupi::kBeginner; difficulty <= zupi::kPro; ++difficulty) {
    Row row;
    row.measure = std::string("MakeCave ") + names[difficulty - 1];
    row.value = MicrosecondsPerCave(random, difficulty);
    row.unit = "µs";
    if (difficulty != zupi::kPro) row.limit = 2;
    rows.push_back(row);
  }
  Row p99;
  p99.measure = "MakeCave pro, p99";
  p99.value = MillisecondsP99(random, zupi::kPro);
  p99.unit = "ms";
  p99.limit = 1;
  rows.push_back(p99);
  notes.push_back("MakeCave: thread CPU time, mean per cave over runs of >= 20 ms, median of " + std::to_string(kRuns) +
                  " runs, fixed seed; pro p99 over " + std::to_string(kTimedCaves) +
                  " caves timed one by one; the pro digger takes " + Format(DrawsPerCave(zupi::kPro)) +
                  " draws per cave.");
  return rows;
}

}  // namespace bench
