// Start-up time of the real program: from launching `grotzel` to its title
// window being mapped on a private Xvfb server, found by polling the server's
// window tree. The reference is a bare Qt program that maps an empty window
// of the same title and size, launched in turn with the game, so the ratio
// shows what the game adds to what any Qt Widgets program costs here. The
// game is launched with a live, a stuck and no sound server.
#include <QDeadlineTimer>
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

// An Xvfb server of its own, stopped with it. It picks a free display
// number itself (-displayfd) and writes it out once it takes connections,
// so two runs side by side never race for one number.
class Xvfb {
 public:
  Xvfb() {
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1024x768x24",
                                           "-nolisten", "tcp", "-noreset"});
    if (!server_.waitForStarted(2000)) return;  // no Xvfb at all
    QByteArray number;
    const QDeadlineTimer deadline(5000);
    while (!number.contains('\n') && server_.waitForReadyRead(int(deadline.remainingTime())))
      number += server_.readAllStandardOutput();
    if (!number.contains('\n')) {
      Stop();
      return;
    }
    display_ = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    qputenv("DISPLAY", display_.toLocal8Bit());
  }
  ~Xvfb() { Stop(); }
  QString display() const { return display_; }

 private:
  void Stop() {
    if (server_.state() == QProcess::NotRunning) return;
    server_.terminate();
    if (!server_.waitForFinished(2000)) server_.kill();
    server_.waitForFinished(1000);
  }

  QProcess server_;
  QString display_;
};

// One launch: milliseconds to the title window, or why there are none.
struct Launch {
  double ms = kNone;
  QString failure;
};

Launch LaunchToTitle(const QString& program, const QString& display, const QString& cwd) {
  e2e::X11Probe x;
  if (!x.connected()) return {kNone, QStringLiteral("no connection to ") + display};
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DISPLAY"), display);
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
Row MeasureUnder(const std::string& server, const QString& display, Notes& notes) {
  Row row{"start-up, " + server + " sound server", kNone, "ms", "", kNone, 150};
  QTemporaryDir cwd;  // no sound files of the player's own
  const QString game = QStringLiteral(GROTZEL_BINARY), bare = QStringLiteral(BARE_WINDOW_BINARY);
  LaunchToTitle(game, display, cwd.path());  // warm the caches
  LaunchToTitle(bare, display, cwd.path());
  std::vector<double> gameMs, bareMs;
  for (int i = 0; i < kLaunches; ++i) {
    for (const auto& [program, times] : {std::pair{game, &gameMs}, std::pair{bare, &bareMs}}) {
      const Launch launch = LaunchToTitle(program, display, cwd.path());
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
  Xvfb server;
  if (server.display().isEmpty()) {
    notes.push_back("start-up: FAILED, could not start Xvfb");
    return {Row{"start-up to title window (Xvfb)", kNone, "ms", "", kNone, 150}};
  }
  std::vector<Row> rows;
  {
    zupi::test::PrivatePulse pulse;  // points PULSE_SERVER at itself
    rows.push_back(MeasureUnder("live", server.display(), notes));
    pulse.Pause();
    rows.push_back(MeasureUnder("stuck", server.display(), notes));
  }  // and at nothing once gone
  rows.push_back(MeasureUnder("no", server.display(), notes));
  notes.push_back("start-up: median of " + std::to_string(kLaunches) +
                  " launches after one warm-up, each alternated with the bare window; "
                  "window found by polling X every 1 ms; the sound server is a private "
                  "PulseAudio, stopped by SIGSTOP for \"stuck\".");
  return rows;
}

}  // namespace bench
