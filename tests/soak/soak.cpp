// grotzel_soak: plays many games in a row through the real program cycle
// (title, game, certificate) on the real windows, with real key events and
// timers, checking the game state after every key. Waits are cut to 1 ms
// passes and the sound goes to a counter. At the end it closes the title
// as a user would, so Main returns, and prints what it played, how long it
// took and how much resident memory grew after the first games; it fails
// on any broken check or on growth of a megabyte or more.
//
//   grotzel_soak [--games N] [--seed S (1 unless given)] [--keys-per-tick K] [--no-memory-check]
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmapCache>
#include <QSet>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "game/program_cycle.h"
#include "screens/fonts.h"
#include "tests/soak/game_checks.h"
#include "tests/soak/soak_player.h"
#include "tests/support/driver.h"

namespace {

constexpr long kGrowthLimitKb = 1024;

struct Options {
  int games = 1000;
  std::uint32_t seed = 0;
  // Keys pressed back to back in one tick: a fast player, and a run of a
  // thousand games that takes minutes rather than a quarter of an hour.
  int keysPerTick = 4;
  bool memoryCheck = true;
};

[[noreturn]] void Usage() {
  std::fprintf(stderr,
               "usage: grotzel_soak [--games N] [--seed S] [--keys-per-tick K] [--no-memory-check]\n");
  std::exit(2);
}

Options ParseOptions(int argc, char* argv[]) {
  Options options;
  options.seed = 1;  // the same games every run unless asked otherwise
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--no-memory-check") == 0) {
      options.memoryCheck = false;
      continue;
    }
    if (i + 1 >= argc) Usage();
    const char* value = argv[++i];
    const long number = std::strtol(value, nullptr, 10);
    if (std::strcmp(argv[i - 1], "--games") == 0 && number > 0)
      options.games = static_cast<int>(number);
    else if (std::strcmp(argv[i - 1], "--seed") == 0)
      options.seed = static_cast<std::uint32_t>(std::strtoul(value, nullptr, 10));
    else if (std::strcmp(argv[i - 1], "--keys-per-tick") == 0 && number > 0)
      options.keysPerTick = static_cast<int>(number);
    else
      Usage();
  }
  return options;
}

// The toolkit's warnings are counted; each text is shown once, so a
// warning on every window load does not bury the report.
int qtWarnings = 0;
void CountMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  static QSet<QString> seen;
  if (type == QtDebugMsg || type == QtInfoMsg) return;
  ++qtWarnings;
  if (seen.size() < 50 && !seen.contains(message)) {
    seen.insert(message);
    std::fprintf(stderr, "soak: Qt says (shown once): %s\n", qPrintable(message));
  }
}

// The program's own start-up, less the real sound; the windows and the
// event loop come with the QtRun.
void SetUpLikeTheGame() {
  QApplication::setQuitOnLastWindowClosed(false);
  zupi::InstallFontSubstitutes();
}

void Report(const zupi::soak::SoakPlayer& player, const zupi::soak::GameChecks& checks,
            double seconds, std::uint32_t seed) {
  const zupi::soak::Tally& t = player.tally();
  const zupi::soak::MemoryReading& warm = player.memoryAfterWarmUp();
  const zupi::soak::MemoryReading& end = player.memoryAtEnd();
  std::printf("soak: seed %u\n", seed);
  std::printf("soak: games %d, stages %llu, keys %llu, bumps %llu, certificates %d\n", t.games,
              static_cast<unsigned long long>(t.stages), static_cast<unsigned long long>(t.keys),
              static_cast<unsigned long long>(t.bumps), t.certificates);
  std::printf("soak: invariant failures %llu, Qt warnings %d\n",
              static_cast<unsigned long long>(checks.failures()), qtWarnings);
  std::printf("soak: wall time %.1f s\n", seconds);
  std::printf("soak: resident memory after game %d: %ld kB, after game %d: %ld kB, growth %ld kB "
              "(limit %ld kB)\n",
              std::min(zupi::soak::SoakPlayer::kWarmUpGames, t.games), warm.residentKb, t.games,
              end.residentKb, end.residentKb - warm.residentKb, kGrowthLimitKb);
  std::printf("soak: of that, the process's own pages %ld kB -> %ld kB (growth %ld kB), "
              "mapped library pages %ld kB -> %ld kB\n",
              warm.anonymousKb, end.anonymousKb, end.anonymousKb - warm.anonymousKb, warm.fileKb,
              end.fileKb);
  std::printf("soak: heap in use %ld kB -> %ld kB (growth %ld kB)\n", warm.heapInUseKb,
              end.heapInUseKb, end.heapInUseKb - warm.heapInUseKb);
  std::printf("soak: Qt's pixmap cache then held about %d MB and %d MB (its limit %d MB)\n",
              warm.pixmapCacheMb, end.pixmapCacheMb, QPixmapCache::cacheLimit() / 1024);
  // Now, not at exit: a leak checker that fails the run at exit leaves
  // without flushing, and the report would be lost with it.
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const Options options = ParseOptions(argc, argv);
  qInstallMessageHandler(CountMessages);
  QApplication app(argc, argv);
  SetUpLikeTheGame();

  zupi::soak::CountingSpeaker speaker;
  zupi::soak::GameChecks checks(speaker);
  zupi::soak::SoakPlayer player(options.games, options.keysPerTick, options.seed, checks);
  QElapsedTimer clock;
  clock.start();
  {
    zupi::test::QtRun run;
    zupi::test::Driver driver([&] { player.Step(); });
    run.Go(zupi::Main);
  }
  const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;

  Report(player, checks, seconds, options.seed);
  bool ok = checks.failures() == 0;
  if (player.tally().games != options.games) {
    std::printf("soak: FAILED: played %d of %d games\n", player.tally().games, options.games);
    ok = false;
  }
  const long growth = player.memoryAtEnd().residentKb - player.memoryAfterWarmUp().residentKb;
  if (options.memoryCheck && growth >= kGrowthLimitKb) {
    std::printf("soak: FAILED: resident memory grew by a megabyte or more\n");
    ok = false;
  }
  std::fflush(stdout);
  return ok ? 0 : 1;
}
