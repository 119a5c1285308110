// The sound figures, on a private PulseAudio server with a null sink: what
// PlayWave costs the window thread with the server answering and with it
// stopped (SIGSTOP), and how long a step takes from PlayWave to its first
// loud sample at the sink's monitor, beside paplay's own time from launch
// to sound measured the same way in the same run.
#include <QProcess>
#include <QThread>

#include "bench/measures.h"
#include "game/qo_wav.h"
#include "game/sounds.h"
#include "sound/wave_player.h"
#include "tests/support/sound_sandbox.h"

namespace bench {
namespace {

const QString kDataDir = QStringLiteral(GROTZEL_BUILD_DATA_DIR);

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

// Milliseconds from each start to the first sound heard after it.
template <typename Start>
std::vector<double> Latencies(const zupi::test::MonitorRecorder& recorder, int count, Start start) {
  std::vector<double> ms;
  for (int i = 0; i < count; ++i) {
    const double at = Now();
    start();
    QThread::msleep(200);
    const std::vector<double> heard = recorder.Onsets(at);
    if (!heard.empty()) ms.push_back((heard.front() - at) * 1e3);
  }
  return ms;
}

void AddCostRows(std::vector<Row>& rows, const std::string& server, const std::vector<double>& us) {
  rows.push_back({"PlayWave cost, " + server + " server (median)", Median(us), "µs", "", kNone, kNone});
  rows.push_back({"PlayWave cost, " + server + " server (p99)", Percentile(us, 99), "µs", "", kNone, 200});
}

}  // namespace

std::vector<Row> MeasureSound(Notes& notes) {
  std::vector<Row> rows;
  zupi::test::PrivatePulse pulse;
  zupi::test::MonitorRecorder recorder;
  if (recorder.Length() == 0) {
    notes.push_back("sound: FAILED, no private PulseAudio server or parec");
    return rows;
  }
  zupi::WavePlayer player({kDataDir});
  QThread::msleep(300);

  const std::vector<double> ms = Latencies(recorder, 200, [&] { zupi::PlayWave(player, zupi::kZupiwlkWav); });
  const QString wave = kDataDir + '/' + QString::fromUtf8(zupi::kZupiwlkWav);
  const std::vector<double> paplay = Latencies(recorder, 20, [&] { QProcess::startDetached("paplay", {wave}); });
  const std::string reference = Format(Median(paplay)) + " / " + Format(Percentile(paplay, 99)) + " ms paplay";
  rows.push_back(
      {"step sound, PlayWave to sink (median)", Median(ms), "ms", reference, Median(ms) / Median(paplay), kNone});
  rows.push_back({"step sound, PlayWave to sink (p99)", Percentile(ms, 99), "ms", reference,
                  Percentile(ms, 99) / Percentile(paplay, 99), kNone});
  notes.push_back("sound: " + std::to_string(ms.size()) +
                  " of 200 steps heard at the null sink's monitor (parec, 1 ms blocks); paplay " +
                  std::to_string(paplay.size()) + " of 20, timed from its launch.");

  // A step after a pause long enough for the mixer to close its device:
  // the device opens again before the step is heard.
  std::vector<double> rested;
  for (int i = 0; i < 3; ++i) {
    QThread::msleep(3500);
    const std::vector<double> one = Latencies(recorder, 1, [&] { zupi::PlayWave(player, zupi::kZupiwlkWav); });
    rested.insert(rested.end(), one.begin(), one.end());
  }
  rows.push_back({"step sound after 3.5 s of silence (median)", Median(rested), "ms", reference,
                  Median(rested) / Median(paplay), kNone});

  AddCostRows(rows, "live", PlayCosts(player, 1000));
  pulse.Pause();
  AddCostRows(rows, "stuck", PlayCosts(player, 1000));
  pulse.Resume();
  return rows;
}

}  // namespace bench
