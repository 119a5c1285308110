// The sound figures, on private sound servers with a null sink: how long a
// step takes from PlayWave (which the key handler calls as the key arrives,
// see the key measure) to its first loud sample at the sink's monitor, on
// PulseAudio and on PipeWire (through its Pulse server and through SDL's
// PipeWire driver), idle and with stress-ng keeping both cores busy; beside
// paplay's and pw-play's own time from launch to sound, measured the same way
// in the same run. Then what PlayWave costs the window thread with the
// server answering and with it stopped (SIGSTOP).
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <optional>

#include "bench/measures.h"
#include "game/qo_wav.h"
#include "game/sounds.h"
#include "sound/wave_player.h"
#include "tests/support/sound_sandbox.h"

namespace bench {
namespace {

const QString kDataDir = QStringLiteral(GROTZEL_BUILD_DATA_DIR);
constexpr double kGoalMs = 20;     // a step heard within this of its key, median
constexpr double kGoalP99Ms = 30;  // and at worst
constexpr int kSteps = 100;
constexpr int kLaunches = 20;

// Microseconds per PlayWave call, `count` calls 10 ms apart.
std::vector<double> PlayCosts(zupi::WaveOutput& sound, int count) {
  std::vector<double> costs;
  for (int i = 0; i < count; ++i) {
    const double start = Now();
    zupi::PlayWave(sound, zupi::kZupiwlkWav);
    costs.push_back((Now() - start) * 1e6);
    QThread::msleep(10);
  }
  return costs;
}

// Milliseconds from each start to the first sound heard after it; `missed`
// counts the starts never heard.
template <typename Start>
std::vector<double> Latencies(const zupi::test::MonitorRecorder& recorder, int count, int* missed, Start start) {
  std::vector<double> ms;
  for (int i = 0; i < count; ++i) {
    const double at = Now();
    start();
    QThread::msleep(200);
    const std::vector<double> heard = recorder.Onsets(at);
    if (!heard.empty()) ms.push_back((heard.front() - at) * 1e3);
    if (heard.empty() && missed != nullptr) ++*missed;
  }
  return ms;
}

void AddCostRows(std::vector<Row>& rows, const std::string& server, const std::vector<double>& us) {
  rows.push_back({"PlayWave cost, " + server + " server (median)", Median(us), "µs", "", kNone, kNone});
  rows.push_back({"PlayWave cost, " + server + " server (p99)", Percentile(us, 99), "µs", "", kNone, 200});
}

// The game's steps and the anchor program's, on one server and driver, idle
// and loaded: rows for the game against the goal, and for the anchor.
void MeasureOn(std::vector<Row>& rows, Notes& notes, const QByteArray& server, const QByteArray& driver) {
  qputenv("GROTZEL_TEST_SOUND_SERVER", server);
  zupi::test::PrivatePulse pulse;
  qputenv("SDL_AUDIODRIVER", driver);
  const std::string where = server == "pulseaudio" ? "PulseAudio"
                            : driver == "pipewire" ? "PipeWire, SDL's own driver"
                                                   : "PipeWire, pipewire-pulse";
  zupi::test::MonitorRecorder recorder;
  if (recorder.Length() == 0) {
    notes.push_back("sound on " + where + ": FAILED, no private server or parec");
    return;
  }
  const bool native = driver == "pipewire";
  const QString anchor = native ? "pw-play" : "paplay";
  const QString wave = kDataDir + '/' + QString::fromUtf8(zupi::kZupiwlkWav);
  for (const bool loaded : {false, true}) {
    std::optional<zupi::test::CpuLoad> load;
    if (loaded) load.emplace();
    if (loaded && !load->running()) {
      notes.push_back("sound under load: not measured, no stress-ng (scripts/install-deps installs it)");
      continue;
    }
    const std::string label = where + (loaded ? ", stress-ng --cpu 2" : ", idle");
    int missed = 0;
    std::vector<double> ms;
    {
      zupi::WavePlayer player({kDataDir});
      QThread::msleep(500);  // the device opens
      ms = Latencies(recorder, kSteps, &missed, [&] { zupi::PlayWave(player, zupi::kZupiwlkWav); });
    }
    // The anchors with their own buffer, not the one the game asks for.
    QProcess launch;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("PULSE_LATENCY_MSEC");
    launch.setProcessEnvironment(env);
    launch.setProgram(anchor);
    launch.setArguments({wave});
    const std::vector<double> other = Latencies(recorder, kLaunches, nullptr, [&] { launch.startDetached(); });
    const std::string goal = Format(kGoalMs) + " / " + Format(kGoalP99Ms) + " ms goal";
    rows.push_back({"step, " + label + " (median)", Median(ms), "ms", goal, Median(ms) / kGoalMs, kGoalMs});
    rows.push_back(
        {"step, " + label + " (p99)", Percentile(ms, 99), "ms", goal, Percentile(ms, 99) / kGoalP99Ms, kGoalP99Ms});
    rows.push_back({"  " + anchor.toStdString() + " launch, same run (median / p99)", Median(other), "ms",
                    Format(Percentile(other, 99)) + " ms p99", kNone, kNone});
    notes.push_back("sound, " + label + ": " + std::to_string(ms.size()) + " of " + std::to_string(kSteps) +
                    " steps heard" + (missed > 0 ? " (" + std::to_string(missed) + " MISSED)" : "") + ", " +
                    anchor.toStdString() + " " + std::to_string(other.size()) + " of " + std::to_string(kLaunches));
  }
}

}  // namespace

std::vector<Row> MeasureSound(Notes& notes) {
  std::vector<Row> rows;
  const QByteArray server = qgetenv("GROTZEL_TEST_SOUND_SERVER");
  MeasureOn(rows, notes, "pulseaudio", "pulseaudio");
  if (!QStandardPaths::findExecutable("pipewire-pulse").isEmpty()) {
    MeasureOn(rows, notes, "pipewire", "pulseaudio");
    MeasureOn(rows, notes, "pipewire", "pipewire");
  } else {
    notes.push_back("sound on PipeWire: not measured, no pipewire-pulse");
  }
  notes.push_back(
      "sound: PlayWave (which a key calls at once, see key-down) to the first loud millisecond at the null sink's "
      "monitor (parec at real-time priority, 1 ms blocks), steps 200 ms apart; paplay and pw-play timed from their "
      "launch; ratio = value / goal. SDL's own PipeWire driver only when SDL_AUDIODRIVER says so.");

  qputenv("GROTZEL_TEST_SOUND_SERVER", "pulseaudio");
  qputenv("SDL_AUDIODRIVER", "pulseaudio");
  zupi::test::PrivatePulse pulse;
  {
    zupi::WavePlayer player({kDataDir});
    QThread::msleep(300);
    // A step after a pause long enough for the mixer to close its device:
    // the device opens again before the step is heard.
    zupi::test::MonitorRecorder recorder;
    std::vector<double> rested;
    for (int i = 0; i < 3; ++i) {
      QThread::msleep(3500);
      const std::vector<double> one =
          Latencies(recorder, 1, nullptr, [&] { zupi::PlayWave(player, zupi::kZupiwlkWav); });
      rested.insert(rested.end(), one.begin(), one.end());
    }
    rows.push_back({"step after 3.5 s of silence, pulseaudio (median)", Median(rested), "ms",
                    Format(kGoalMs) + " ms goal", Median(rested) / kGoalMs, kNone});
    AddCostRows(rows, "live", PlayCosts(player, 1000));
    pulse.Pause();
    AddCostRows(rows, "stuck", PlayCosts(player, 1000));
    pulse.Resume();
  }
  if (server.isNull())
    qunsetenv("GROTZEL_TEST_SOUND_SERVER");
  else
    qputenv("GROTZEL_TEST_SOUND_SERVER", server);
  return rows;
}

}  // namespace bench
