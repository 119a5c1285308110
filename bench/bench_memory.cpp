// Memory, with the real sound player and waits in 1 ms passes (their number,
// and so everything that is shown, unchanged), each figure from a child
// process (this program started again), as the other benchmarks must not
// raise a high-water mark nor leave memory behind:
// - the peak over one program cycle (--peak-memory): the title, then a game
//   played by an automatic player through level 3 and ended with Escape on
//   level 4;
// - the growth of resident memory over many games through Main
//   (--memory-growth): a leak of a window, a picture or a sound per game
//   shows here, where the toolkit's caches, full after the first games, do
//   not. Every twentieth game reaches the certificate, the first among them,
//   so every window has shown before memory is first read.
#include <malloc.h>
#include <QCoreApplication>
#include <QFile>
#include <QPixmapCache>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "app/data_dirs.h"
#include "bench/measures.h"
#include "game/pacing.h"
#include "game/play_game.h"
#include "game/program_cycle.h"
#include "game/qo_wav.h"
#include "game/random.h"
#include "player/move_by_key.h"
#include "screens/form1.h"
#include "screens/form3.h"
#include "sound/wave_player.h"
#include "tests/support/auto_player.h"
#include "tests/support/driver.h"

namespace bench {
namespace {

constexpr zupi::Integer kLastLevel = 3;
constexpr int kWarmUpGames = 10, kGrowthGames = 100;
constexpr double kGrowthLimitKiB = 512;  // 5 kB a game

// A figure of /proc/self/status in KiB ("VmHWM:", "VmRSS:"), or -1.
long StatusKiB(const char* field) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(field)) return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').value(0).toLong();
  return -1;
}

// Resident memory once the style's pixmap cache, which drops what it has not
// used for a while every 30 s, is empty, and the allocator has handed its
// free pages back.
long ResidentKiB() {
  QPixmapCache::clear();
  malloc_trim(0);
  return StatusKiB("VmRSS:");
}

// The button of the title or the certificate, once it shows.
QPushButton* ShownButton(QWidget* window) {
  auto* button = zupi::test::Control<QPushButton>(window, "Command1");
  return button->isVisible() ? button : nullptr;
}

// One step of the automatic player: start the game from the title, walk
// each stage to its goal, press Escape once level `lastLevel` is done, and
// confirm a certificate.
void PlayerStep(const zupi::test::QtRun& run, zupi::Integer lastLevel) {
  if (!zupi::IsRunning) return;
  for (QWidget* window : {static_cast<QWidget*>(run.forms.form3()), static_cast<QWidget*>(run.forms.form2())})
    if (window != nullptr) {
      if (QPushButton* button = ShownButton(window)) button->click();
      return;
    }
  Form1* form = run.forms.form1();
  if (form == nullptr || !form->isVisible()) return;
  const zupi::Integer key = zupi::Level > lastLevel ? 0 : zupi::test::KeyTowardsGoal();
  zupi::test::Press(run, key == 0 ? zupi::kKeyEscape : key);
}

}  // namespace

int RunMemoryChild(bool growth) {
  const long baseline = StatusKiB("VmHWM:");
  zupi::WavePlayer player(zupi::GameDataDirs());
  zupi::test::QtRun run(std::chrono::milliseconds(1), &player);
  run.random.Seed(2024);
  int games = 0;
  long warmKiB = -1, endKiB = -1;
  zupi::Integer lastLevel = kLastLevel;
  QTimer driver;
  driver.setInterval(1);
  QObject::connect(&driver, &QTimer::timeout, [&] {
    Form3* title = run.forms.form3();
    if (growth && zupi::IsRunning && title != nullptr && ShownButton(title) != nullptr) {
      if (games == kWarmUpGames) warmKiB = ResidentKiB();
      if (games == kWarmUpGames + kGrowthGames) {
        endKiB = ResidentKiB();
        return zupi::test::CloseByUser(title);
      }
      lastLevel = games++ % 20 == 0 ? 9 : 1 + games % 4;
    }
    PlayerStep(run, lastLevel);
  });
  driver.start();
  const zupi::Host host = run.host();
  if (growth) {
    run.Go(zupi::Main);
    std::printf("%ld %ld %d\n", warmKiB, endKiB, games);
  } else {
    zupi::ShowTitle(host);
    zupi::PlayGame(host);
    std::printf("%ld %ld %d\n", StatusKiB("VmHWM:"), baseline, static_cast<int>(zupi::Level));
  }
  std::fflush(stdout);
  return 0;
}

namespace {

// The three numbers a memory child prints, or none when it failed, which a
// note then says.
std::vector<double> ChildFigures(const char* flag, int last, const std::string& measure, Notes& notes) {
  QProcess child;
  child.setProcessChannelMode(QProcess::SeparateChannels);
  child.setStandardErrorFile(QProcess::nullDevice());  // no sound server: Qt says so
  child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(flag)});
  const bool finished = child.waitForFinished(300000);
  const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
  if (finished && fields.size() == 3 && fields[2].toInt() == last) return {fields[0].toDouble(), fields[1].toDouble()};
  if (!finished) child.kill();
  notes.push_back(measure + ": FAILED, the child printed \"" + fields.join(' ').toStdString() + "\"");
  return {};
}

}  // namespace

std::vector<Row> MeasureMemory(Notes& notes) {
  Row peak{"peak memory, title + game to level " + std::to_string(kLastLevel + 1), kNone, "MB", "", kNone, 60};
  if (const auto kib = ChildFigures("--peak-memory", kLastLevel + 1, "peak memory", notes); !kib.empty()) {
    peak.value = kib[0] / 1024;
    peak.reference = Format(kib[1] / 1024) + " MB bare QApplication";
    peak.ratio = kib[0] / kib[1];
  }
  const int last = kWarmUpGames + kGrowthGames;
  Row growth{"memory growth, games " + std::to_string(kWarmUpGames + 1) + " to " + std::to_string(last),
             kNone,
             "kB",
             "",
             kNone,
             kGrowthLimitKiB};
  if (const auto kib = ChildFigures("--memory-growth", last, "memory growth", notes); !kib.empty()) {
    growth.value = kib[1] - kib[0];
    growth.reference = Format(kib[0] / 1024) + " MB after game " + std::to_string(kWarmUpGames);
    growth.ratio = growth.value / kib[0];
  }
  notes.push_back(
      "peak memory: VmHWM of a child process (offscreen, real sound player, 1 ms wait "
      "passes); reference = its VmHWM right after creating QApplication.");
  notes.push_back("memory growth: VmRSS of another such child, pixmap cache emptied and malloc_trim, from game " +
                  std::to_string(kWarmUpGames) + " to game " + std::to_string(last) +
                  " of Main (every 20th to the certificate, the rest to levels 2 to 5); reference = the first "
                  "reading.");
  return {peak, growth};
}

}  // namespace bench
