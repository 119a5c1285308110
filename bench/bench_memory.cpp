// Peak memory over one program cycle: the title, then a game played by an
// automatic player through level 3 and ended with Escape on level 4, with the
// real sound player. It runs in a child process (this program started again
// with --peak-memory), because the peak is the process's high-water mark and
// the other benchmarks must not raise it. Waits run in 1 ms passes; their
// number, and so everything that is shown, is unchanged.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

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

// VmHWM of this process in KiB, or -1.
long PeakKiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return -1;
}

// One step of the automatic player: start the game from the title, walk
// each stage to its goal, and press Escape once level kLastLevel is done.
void PlayerStep(const zupi::test::QtRun& run) {
  if (!zupi::IsRunning) return;
  if (Form3* title = run.forms.form3()) {
    auto* start = zupi::test::Control<QPushButton>(title, "Command1");
    if (start->isVisible()) start->click();
    return;
  }
  Form1* form = run.forms.form1();
  if (form == nullptr || !form->isVisible()) return;
  const zupi::Integer key = zupi::Level > kLastLevel ? 0 : zupi::test::KeyTowardsGoal();
  zupi::test::Press(run, key == 0 ? zupi::kKeyEscape : key);
}

}  // namespace

int RunPeakMemoryChild() {
  const long baseline = PeakKiB();
  zupi::WavePlayer player(zupi::GameDataDirs());
  zupi::test::QtRun run(std::chrono::milliseconds(1), &player);
  run.random.Seed(2024);
  QTimer driver;
  driver.setInterval(1);
  QObject::connect(&driver, &QTimer::timeout, [&run] { PlayerStep(run); });
  driver.start();
  const zupi::Host host = run.host();
  zupi::ShowTitle(host);
  zupi::PlayGame(host);
  std::printf("%ld %ld %d\n", PeakKiB(), baseline, static_cast<int>(zupi::Level));
  std::fflush(stdout);
  return 0;
}

std::vector<Row> MeasurePeakMemory(Notes& notes) {
  Row row{"peak memory, title + game to level " + std::to_string(kLastLevel + 1), kNone, "MB", "", kNone, 60};
  QProcess child;
  child.setProcessChannelMode(QProcess::SeparateChannels);
  child.setStandardErrorFile(QProcess::nullDevice());  // no sound server: Qt says so
  child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--peak-memory")});
  const bool finished = child.waitForFinished(120000);
  const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
  if (!finished || fields.size() != 3 || fields[2].toInt() != kLastLevel + 1) {
    if (!finished) child.kill();
    notes.push_back("peak memory: FAILED, the child printed \"" + fields.join(' ').toStdString() + "\"");
    return {row};
  }
  const double peak = fields[0].toDouble() / 1024, baseline = fields[1].toDouble() / 1024;
  row.value = peak;
  row.reference = Format(baseline) + " MB bare QApplication";
  row.ratio = peak / baseline;
  notes.push_back(
      "peak memory: VmHWM of a child process (offscreen, real sound player, 1 ms wait "
      "passes); reference = its VmHWM right after creating QApplication.");
  return {row};
}

}  // namespace bench
