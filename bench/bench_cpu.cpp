// CPU that the game's waits use while nothing happens, as a share of one
// core: the stage wait (WaitWhileRunning in a lit stage of PlayGame), a
// Wait(5.0) with the candle ticking, and the title wait (ShowTitle). Each is
// set beside a loop that handles events without ever sleeping, run for as
// long in the same state; that loop should take a whole core.
#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <ctime>

#include "bench/measures.h"
#include "cave/draw_cave.h"
#include "cave/make_cave.h"
#include "game/pacing.h"
#include "game/play_game.h"
#include "game/program_cycle.h"
#include "game/random.h"
#include "screens/form1.h"
#include "screens/form3.h"
#include "tests/support/driver.h"

namespace bench {
namespace {

constexpr int kWindowMs = 3000;

// CPU seconds of the whole process, every thread included.
double CpuNow() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// A stretch of time: the wall and the CPU it took.
struct Window {
  double wall0 = 0, cpu0 = 0, wall = 0, cpu = 0;
  void Begin() {
    wall0 = Now();
    cpu0 = CpuNow();
  }
  void End() {
    wall = Now() - wall0;
    cpu = CpuNow() - cpu0;
  }
  double Percent() const { return wall > 0 ? cpu / wall * 100 : kNone; }
};

// The reference: handles events without sleeping for `seconds`.
Window Spin(double seconds) {
  Window window;
  window.Begin();
  while (Now() - window.wall0 < seconds) QCoreApplication::processEvents();
  window.End();
  return window;
}

Row CpuRow(const std::string& what, const Window& ours, const Window& spin) {
  Row row{what, ours.Percent(), "% core", Format(spin.Percent()) + " % spin", kNone, 2};
  row.ratio = ours.Percent() / spin.Percent();
  return row;
}

// Lit stage 1-A: measured from inside its wait, then the spin, then Escape.
Row StageWait() {
  Window ours, spin;
  zupi::test::QtRun run(std::chrono::milliseconds(100));
  zupi::test::ResetGameState();
  QTimer::singleShot(0, [&] {  // the first event PlayGame handles is in its stage wait
    ours.Begin();
    QTimer::singleShot(kWindowMs, Qt::PreciseTimer, [&] {
      ours.End();
      spin = Spin(ours.wall);
      run.SetPass(std::chrono::milliseconds(1));
      zupi::test::Press(run, zupi::kKeyEscape);
    });
  });
  run.Go(zupi::PlayGame);
  return CpuRow("CPU, stage wait (WaitWhileRunning)", ours, spin);
}

// Wait(5.0) on the shown game window in a lit stage.
Row FixedWait() {
  zupi::test::QtRun run(std::chrono::milliseconds(100));
  zupi::test::ResetGameState();
  run.forms.LoadForm1().Show();
  zupi::MakeCave(run.random, zupi::kBeginner);
  zupi::DrawCave(*run.forms.form1());
  Window ours;
  ours.Begin();
  zupi::Wait(run, 5.0f);
  ours.End();
  const Window spin = Spin(ours.wall);
  run.forms.UnloadForm1();
  return CpuRow("CPU, Wait(5.0)", ours, spin);
}

// The title: measured once its one-second pause is over, then the spin,
// then the start button.
Row TitleWait() {
  Window ours, spin;
  zupi::test::QtRun run(std::chrono::milliseconds(100));
  zupi::test::ResetGameState();
  QTimer::singleShot(1500, Qt::PreciseTimer, [&] {
    ours.Begin();
    QTimer::singleShot(kWindowMs, Qt::PreciseTimer, [&] {
      ours.End();
      spin = Spin(ours.wall);
      if (Form3* title = run.forms.form3()) zupi::test::Control<QPushButton>(title, "Command1")->click();
    });
  });
  run.Go(zupi::ShowTitle);
  run.forms.UnloadForm1();  // the title loads the game window for its picture
  return CpuRow("CPU, title wait (WaitWhileRunning)", ours, spin);
}

}  // namespace

std::vector<Row> MeasureWaitCpu(Notes& notes) {
  std::vector<Row> rows{StageWait(), FixedWait(), TitleWait()};
  zupi::test::ResetGameState();
  notes.push_back("CPU: process CPU time over wall time, one window each (stage and title " +
                  std::to_string(kWindowMs / 1000) +
                  " s, Wait 5 s), spin for as long in the same state; ratio = ours / spin.");
  return rows;
}

}  // namespace bench
