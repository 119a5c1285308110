// grotzel_soak: many games in a row through the real program cycle on the
// real windows, with real key events and timers (waits cut to 1 ms). A
// player walks each stage to its goal with a bump or a meaningless key now
// and then, ends each game on a level it planned (by Escape or three bumps)
// and confirms certificates; after every key it checks what a player would
// see. A broken check ends the run, as do a stage of thousands of keys and
// 20 s with nothing to do (a button that never shows, a wait without end).
//
//   grotzel_soak [--games N] [--seed S (1 unless given)]
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <thread>

#include "game/program_cycle.h"
#include "screens/fonts.h"
#include "tests/support/auto_player.h"
#include "tests/support/driver.h"

using namespace zupi;
using namespace zupi::test;

namespace {

constexpr int kKeysPerTick = 4;  // a fast player, and a thousand games in minutes
constexpr int kIdleLimitSeconds = 20;

std::atomic<long> actions{0};  // keys and clicks so far, for the watchdog

// Ends the run when no key or click has come for kIdleLimitSeconds, even
// if the event loop itself is stuck.
void StartWatchdog() {
  std::thread([] {
    for (long seen = -1, idle = 0; idle < kIdleLimitSeconds; ++idle) {
      std::this_thread::sleep_for(std::chrono::seconds(1));
      if (actions != seen) seen = actions, idle = -1;
    }
    std::fprintf(stderr, "soak: FAILED: no key or click for %d s: the game waits for something that never comes\n",
                 kIdleLimitSeconds);
    std::_Exit(1);
  }).detach();
}

class SoakPlayer {
 public:
  SoakPlayer(int games, std::uint32_t seed, QtRun& run) : games_(games), rng_(seed), run_(run) {}

  void Step() {
    if (closed_) return;  // the program ends now, or the watchdog ends the run
    if (failures > 0) return Close();
    if (Form2* certificate = run_.forms.form2()) return OnButton(certificate, true);
    if (Form3* title = run_.forms.form3()) return OnButton(title, false);
    Form1* form = run_.forms.form1();
    if (form == nullptr || form->isHidden()) return;
    for (int i = 0; i < (IsRunning ? kKeysPerTick : Chance(0.05)); ++i) PressAndCheck(form);
  }

  int games = 0, certificates = 0;
  long keys = 0, bumps = 0, failures = 0;

 private:
  // Closes whatever window is up, as a user would; Main then ends.
  void Close() {
    closed_ = true;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->isVisible()) return CloseByUser(window);
  }

  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }

  void Expect(bool ok, const char* what) {
    if (ok) return;
    if (++failures <= 10)
      std::fprintf(stderr, "soak: FAILED: %s (level %d%s, cell %d,%d, game %d planned to end on %d)\n", what, Level,
                   IsDark ? "-B" : "-A", PosX, PosY, games, endLevel_);
  }

  // The title's and the certificate's button, once it shows.
  void OnButton(QWidget* window, bool certificate) {
    if (Control<QWidget>(window, "Command1")->isHidden()) return;
    if (certificate) {
      ++certificates;
      Expect(Level >= 10 && Level == endLevel_, "a certificate exactly from level 10");
      ++actions;
      return ClickCommand1(window);
    }
    if (games > 0) Expect(Level == endLevel_, "the game ends on the planned level");
    if (games == games_) {
      closed_ = true;
      return CloseByUser(window);
    }
    // Mostly short games, some to the middle levels, a few to the
    // certificate; the second always, so every window shows in a short run.
    const double kind = std::uniform_real_distribution<double>(0, 1)(rng_);
    endLevel_ = static_cast<Integer>(games == 1 || kind < 0.03 ? 10 : kind < 0.3 ? 4 + games % 6 : 1 + games % 3);
    endInDark_ = Chance(0.5);
    byBumps_ = Chance(0.5);
    ++games;
    ++actions;
    ClickCommand1(window);
  }

  Integer NextKey() {
    if (Level != stageLevel_ || IsDark != stageDark_) stageLevel_ = Level, stageDark_ = IsDark, stageKeys_ = 0;
    Expect(++stageKeys_ < 5000, "a stage is played to its end");
    Expect(Level <= endLevel_, "the game stays within its planned levels");
    const Integer rock = KeyIntoRock();
    if (Level == endLevel_ && IsDark == endInDark_) return byBumps_ && rock != 0 ? rock : kKeyEscape;
    if (Chance(0.03)) return 32;  // Space: answered in place
    if (rock != 0 && HitCount < 2 && Chance(0.02)) return rock;
    const Integer way = KeyTowardsGoal();
    return way != 0 ? way : kKeyEscape;
  }

  void PressAndCheck(Form1* form) {
    const bool running = IsRunning;
    const Integer x = PosX, y = PosY, hits = HitCount;
    const long plays = run_.speaker.plays;
    const Integer key = running ? NextKey() : kKeyLeft;
    ++keys;
    ++actions;
    Press(run_, key);
    bumps += HitCount > hits;
    Expect(run_.speaker.plays == plays + (running ? 1 : 0), "one sound per key in a stage, none between");
    Expect(running || (PosX == x && PosY == y && HitCount == hits), "a key between stages does nothing");
    Expect(CaveMap(PosX, PosY) != 0, "the player stands on passage");
    int red = 0;
    for (const char* lamp : {"SafeLight(0)", "SafeLight(1)", "SafeLight(2)"})
      red += Control<ShapeControl>(form, lamp)->fillColor() == QColor(255, 0, 0);
    Expect(red == HitCount, "one red lamp per bump");
  }

  const int games_;
  std::mt19937 rng_;
  QtRun& run_;
  Integer endLevel_ = 1, stageLevel_ = 0;
  bool endInDark_ = false, byBumps_ = false, closed_ = false, stageDark_ = false;
  long stageKeys_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int games = 1000;
  std::uint32_t seed = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--games") == 0 && i + 1 < argc)
      games = std::max(1, std::atoi(argv[++i]));
    else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc)
      seed = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    else
      return std::fprintf(stderr, "usage: grotzel_soak [--games N] [--seed S]\n"), 2;
  }
  // The headless platform says on every show that it cannot raise a window.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type >= QtCriticalMsg) std::fprintf(stderr, "soak: Qt says: %s\n", qPrintable(text));
  });
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  InstallFontSubstitutes();
  QtRun run;
  run.random.Seed(seed);  // the same caves for the same seed
  SoakPlayer player(games, seed, run);
  QElapsedTimer clock;
  clock.start();
  StartWatchdog();
  {
    QTimer driver;  // a step every millisecond, from inside the game's waits
    QObject::connect(&driver, &QTimer::timeout, [&] { player.Step(); });
    driver.start(1);
    run.Go(Main);
  }
  std::printf("soak: seed %u\nsoak: games %d, keys %ld, bumps %ld, certificates %d\n", seed, player.games, player.keys,
              player.bumps, player.certificates);
  std::printf("soak: failures %ld, wall time %.1f s\n", player.failures, clock.elapsed() / 1000.0);
  std::fflush(stdout);  // now: a leak checker that fails the run at exit would lose it
  const bool ok = player.failures == 0 && player.games == games;
  if (!ok) std::printf("soak: FAILED\n");
  return ok ? 0 : 1;
}
