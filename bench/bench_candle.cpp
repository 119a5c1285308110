// One lit candle tick on the shown game window with a dug cave: a new passage
// colour, the whole board repainted into its backing image, and a flame
// picture. The window's own timer is stopped so that only the ticks called
// here run; the screen paint that follows a tick is left to the key benchmark.
#include <QCoreApplication>
#include <string>

#include "bench/measures.h"
#include "cave/draw_cave.h"
#include "cave/make_cave.h"
#include "game/random.h"
#include "screens/form1.h"
#include "tests/support/qt_run.h"

namespace bench {
namespace {

constexpr int kRuns = 9;
constexpr int kTicksPerRun = 200;

// Mean µs per tick over one run, in CPU time of the thread.
double TimeTicks(Form1& form, zupi::Random& random) {
  const double start = ThreadCpuNow();
  for (int i = 0; i < kTicksPerRun; ++i) zupi::RousokuTimerTick(form, random);
  return (ThreadCpuNow() - start) / kTicksPerRun * 1e6;
}

}  // namespace

std::vector<Row> MeasureCandleTick(Notes& notes) {
  zupi::test::ResetGameState();
  zupi::test::QtRun run;
  run.random.Seed(4711);
  run.forms.LoadForm1();
  Form1* form = run.forms.form1();
  form->Show();
  QTimer* timer = zupi::test::Control<QTimer>(form, "rousokuTimer");
  timer->stop();
  zupi::IsDark = false;
  zupi::MakeCave(run.random, zupi::kBeginner);
  zupi::DrawCave(*form);
  QCoreApplication::processEvents();

  TimeTicks(*form, run.random);  // warm-up
  std::vector<double> runs;
  for (int i = 0; i < kRuns; ++i) {
    runs.push_back(TimeTicks(*form, run.random));
    QCoreApplication::processEvents();  // the paints, outside the timing
  }
  const int periodMs = timer->interval();
  run.forms.UnloadForm1();
  zupi::test::ResetGameState();

  Row row{"candle tick (lit, beginner cave)", Median(runs), "µs", "", kNone, 200};
  row.reference = std::to_string(periodMs) + " ms period";
  row.ratio = row.value / (periodMs * 1e3);
  notes.push_back("candle tick: RousokuTimerTick alone, thread CPU time, mean of " + std::to_string(kTicksPerRun) +
                  " ticks, median of " + std::to_string(kRuns) + " runs; ratio = share of the timer period.");
  return {row};
}

}  // namespace bench
