// Start-up time of the real program: from launching `grotzel` to its title
// window being mapped on the bench's private Xvfb (main runs the bench under
// tests/support/on-private-x for this), found by polling the server's
// window tree. The reference is a bare Qt program that maps an empty window
// of the same title and size, launched in turn with the game, so the ratio
// shows what the game adds to what any Qt Widgets program costs here. The
// game is launched with a live, a stuck and no sound server.
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <thread>

#include "bench/measures.h"
#include "tests/e2e/x11_probe.h"
#include "tests/support/sound_sandbox.h"
#include "tests/support/window_facts.h"

namespace bench {
namespace {

constexpr int kLaunches = 5;
using zupi::test::kTitleSize;

void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

bool TitleMapped(const e2e::X11Probe& x) {
  for (const e2e::TopWindow& w : x.mappedWindows())
    if (w.title == QLatin1String("Grotzel") && w.geometry.size() == kTitleSize) return true;
  return false;
}

// One launch: milliseconds to the title window, or why there are none.
struct Launch {
  double ms = kNone;
  QString failure;
};

Launch LaunchToTitle(const QString& program, const QString& cwd) {
  e2e::X11Probe x;
  if (!x.connected()) return {kNone, QStringLiteral("no connection to the X server")};
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  QProcess game;
  game.setProcessEnvironment(env);
  game.setWorkingDirectory(cwd);
  game.setStandardOutputFile(QProcess::nullDevice());
  game.setStandardErrorFile(QProcess::nullDevice());

  Launch launch;
  const double start = Now();
  game.start(program, {});
  while (Now() - start < 10) {
    if (TitleMapped(x)) {
      launch.ms = (Now() - start) * 1e3;
      break;
    }
    Sleep(1);
  }
  if (std::isnan(launch.ms)) {
    launch.failure = game.waitForFinished(0)
                         ? QStringLiteral("%1 exited with status %2").arg(program).arg(game.exitCode())
                         : program + QStringLiteral(" showed no title window in 10 s");
  }
  game.kill();
  game.waitForFinished(2000);
  // The next launch must not find this one's window.
  for (int i = 0; i < 200 && TitleMapped(x); ++i) Sleep(5);
  return launch;
}

// Launches alternated with the bare window under one sound server state.
Row MeasureUnder(const std::string& server, Notes& notes) {
  Row row{"start-up, " + server + " sound server", kNone, "ms", "", kNone, 150};
  QTemporaryDir cwd;  // no sound files of the player's own
  const QString game = QStringLiteral(GROTZEL_BINARY), bare = QStringLiteral(BARE_WINDOW_BINARY);
  LaunchToTitle(game, cwd.path());  // warm the caches
  LaunchToTitle(bare, cwd.path());
  std::vector<double> gameMs, bareMs;
  for (int i = 0; i < kLaunches; ++i) {
    for (const auto& [program, times] : {std::pair{game, &gameMs}, std::pair{bare, &bareMs}}) {
      const Launch launch = LaunchToTitle(program, cwd.path());
      if (!launch.failure.isEmpty()) {
        notes.push_back("start-up (" + server + "): FAILED on launch " + std::to_string(i + 1) + ": " +
                        launch.failure.toStdString());
        return row;
      }
      times->push_back(launch.ms);
    }
  }
  row.value = Median(gameMs);
  const double reference = Median(bareMs);
  row.reference = Format(reference) + " ms bare Qt window";
  row.ratio = row.value / reference;
  return row;
}

}  // namespace

std::vector<Row> MeasureStartUp(Notes& notes) {
  std::vector<Row> rows;
  {
    zupi::test::PrivatePulse pulse;  // points PULSE_SERVER at itself
    rows.push_back(MeasureUnder("live", notes));
    pulse.Pause();
    rows.push_back(MeasureUnder("stuck", notes));
  }  // and at nothing once gone
  rows.push_back(MeasureUnder("no", notes));
  notes.push_back("start-up: median of " + std::to_string(kLaunches) +
                  " launches after one warm-up, each alternated with the bare window; "
                  "window found by polling X every 1 ms; the sound server is a private "
                  "PulseAudio, stopped by SIGSTOP for \"stuck\".");
  return rows;
}

}  // namespace bench
