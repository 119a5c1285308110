// The sound player against a sound server of the test's own, recorded from
// its null sink: steps lost at any pace or after a burst, a sound the next
// does not cut, a stuck or restarted server, the stream's name in a mixer.
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>
#include <QtTest>

#include <memory>
#include <optional>
#include <vector>

#include "game/qo_wav.h"
#include "game/sounds.h"
#include "sound/wave_player.h"
#include "tests/support/sound_sandbox.h"

using namespace zupi;
using test::SteadyNow;

namespace {

const QString kDataDir = QStringLiteral(GROTZEL_BUILD_DATA_DIR);

// Plays the step `count` times, `gapMs` apart; returns when each began.
std::vector<double> Steps(WaveOutput& sound, int count, int gapMs) {
  std::vector<double> keys;
  for (int i = 0; i < count; ++i) {
    keys.push_back(SteadyNow());
    PlayWave(sound, kZupiwlkWav);
    QThread::msleep(static_cast<unsigned long>(gapMs));
  }
  return keys;
}

// The keys that no sound answered before the next key came.
int Unanswered(const std::vector<double>& keys, const std::vector<double>& onsets) {
  int unanswered = 0;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const double next = i + 1 < keys.size() ? keys[i + 1] : keys[i] + 1;
    unanswered += std::none_of(onsets.begin(), onsets.end(), [&](double t) { return t >= keys[i] && t < next; });
  }
  return unanswered;
}

// The longest a call took, in milliseconds.
template <typename F>
double SlowestCall(int count, F call) {
  double slowest = 0;
  for (int i = 0; i < count; ++i) {
    const double start = SteadyNow();
    call();
    slowest = std::max(slowest, (SteadyNow() - start) * 1e3);
  }
  return slowest;
}

// Steps 300 ms apart until one is heard, for up to `seconds`; when the
// first one was heard, or nothing. Sounds that arrive before `after` are
// not counted.
std::optional<double> FirstHeard(WaveOutput& sound, const test::MonitorRecorder& recorder, double seconds,
                                 double after = 0) {
  const double start = SteadyNow();
  while (SteadyNow() - start < seconds) {
    Steps(sound, 1, 300);
    if (const std::vector<double> heard = recorder.Onsets(std::max(start, after)); !heard.empty()) return heard.front();
  }
  return std::nullopt;
}

// SDL's drivers that reach a sound server, as SDL_AUDIODRIVER names them;
// its PipeWire one only where PipeWire runs.
QList<QByteArray> Drivers() {
  if (qgetenv("GROTZEL_TEST_SOUND_SERVER") == "pipewire") return {"pulseaudio", "pipewire", "alsa"};
  return {"pulseaudio", "alsa"};
}

}  // namespace

class LiveSoundTest : public QObject {
  Q_OBJECT

 public:
  // As the game does, before any thread starts: the stream's icon.
  static void initMain() { PrepareSoundEnvironment(); }

 private slots:
  void init() {
    cwd_ = std::make_unique<test::ScratchDirectory>();
    pulse_ = std::make_unique<test::PrivatePulse>();
    QVERIFY2(test::PrivatePulse::Pactl({"info"}).contains("grotzel_null"), "private PulseAudio runs");
  }
  void cleanup() { player_.reset(), pulse_.reset(), cwd_.reset(); }

  // Mixers list the stream under the game's name and icon, and a PipeWire
  // desktop hears it through its Pulse server, as the game's own choice of
  // SDL's drivers says (SDL 3 alone would take its PipeWire driver). Where
  // the system grants real-time scheduling, the threads a step passes
  // through get it, so that a busy machine cannot starve them: SDL's
  // callback, and the one on which newer SDL talks to the Pulse server.
  // First, before SDL has started in this process: SDL 3 keeps a copy of
  // the environment, in which an SDL_AUDIODRIVER removed later still counts.
  void theStreamIsCalledGrotzelAndKeepsTime() {
    qunsetenv("SDL_AUDIODRIVER");
    // Recorded, the null sink keeps to the stream's latency, as a sound
    // card does; unrecorded, it runs seconds ahead and leaves the first
    // seconds' callbacks waiting, which the mixer takes for a lost device.
    test::MonitorRecorder recorder;
    StartPlayer();
    QString inputs;
    for (int i = 0; i < 50 && !inputs.contains("application.name"); ++i) {
      PlayWave(*player_, kZupiwlkWav);
      QThread::msleep(100);
      inputs = test::PrivatePulse::Pactl({"list", "sink-inputs"});
    }
    QVERIFY2(inputs.contains("application.name = \"Grotzel\""), qPrintable(inputs));
    QVERIFY2(inputs.contains("application.icon_name = \"grotzel\""), qPrintable(inputs));
    if (qgetenv("GROTZEL_TEST_SOUND_SERVER") == "pipewire")
      QVERIFY2(inputs.contains("client.api = \"pipewire-pulse\""), qPrintable(inputs));
    rlimit rtprio{};
    if (geteuid() != 0 && (getrlimit(RLIMIT_RTPRIO, &rtprio) != 0 || rtprio.rlim_cur == 0))
      QSKIP("no real-time scheduling allowed here");
    QStringList ordinary{"no callback thread"};
    for (int i = 0; i < 50 && !ordinary.isEmpty(); ++i) {
      PlayWave(*player_, kZupiwlkWav);  // the mixer raises the threads when it next wakes
      QThread::msleep(100);
      ordinary = OrdinarySoundThreads();
    }
    QVERIFY2(ordinary.isEmpty(), qPrintable(ordinary.join(", ")));
  }

  // Each key-down starts the step afresh, at walking pace, when running,
  // and after a burst of auto-repeat, on an idle machine and with both
  // cores busy; rows: steps, gap, burst before them, load. Idle, a step
  // that breaks up is heard as two. Busy, no step may be lost, but a break
  // is allowed: a virtual machine with both cores busy loses its whole CPU
  // for up to 100 ms now and then, which breaks any sound up.
  void everyStepIsHeard_data() {
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("gapMs");
    QTest::addColumn<int>("burst");
    QTest::addColumn<bool>("loaded");
    for (const bool loaded : {false, true}) {
      const char* load = loaded ? "both cores busy" : "idle";
      QTest::addRow("walking, 250 ms, %s", load) << 12 << 250 << 0 << loaded;
      QTest::addRow("running, 120 ms, %s", load) << 16 << 120 << 0 << loaded;
      QTest::addRow("after 30 keys 40 ms apart, 1 s, %s", load) << 5 << 1000 << 30 << loaded;
    }
  }
  void everyStepIsHeard() {
    QFETCH(int, steps);
    QFETCH(int, gapMs);
    QFETCH(int, burst);
    QFETCH(bool, loaded);
    std::optional<test::CpuLoad> load;
    if (loaded) load.emplace();
    QVERIFY2(!loaded || load->running(), "needs stress-ng (scripts/install-deps installs it)");
    test::MonitorRecorder recorder;
    QVERIFY(recorder.Length() > 0);
    StartPlayer();
    QVERIFY2(FirstHeard(*player_, recorder, 5), "the device opened");  // however long that took
    const std::vector<double> bursts = Steps(*player_, burst, 40);
    if (burst > 0) QThread::msleep(500);  // the burst's last step has been heard
    const std::vector<double> keys = Steps(*player_, steps, gapMs);
    QThread::msleep(400);
    const std::vector<double> heard = recorder.Onsets(keys.front());
    QCOMPARE(Unanswered(keys, heard), 0);
    if (!loaded) QCOMPARE(int(heard.size()), steps);
    // The burst itself, as fast as auto-repeat: a late wake-up of this
    // thread may merge two keys into one sound, but no more than that.
    if (burst > 0) QVERIFY(int(recorder.Onsets(bursts.front()).size()) - int(heard.size()) >= burst - 3);
  }

  // The goal chime rings over a second; a step after 300 ms must end it,
  // and so must StopAll. After a rest long enough for the mixer to close
  // its device, it rings its whole second again at its own pace: a device
  // left open beside the new one would race it through the sound.
  void aNewSoundCutsTheOnePlaying() {
    test::MonitorRecorder recorder;
    QVERIFY(recorder.Length() > 0);
    StartPlayer();
    PlayWave(*player_, kPororinWav);
    QThread::msleep(300);
    const double step = SteadyNow();
    PlayWave(*player_, kZupiwlkWav);
    QThread::msleep(1200);
    QVERIFY2(recorder.Peak(step - 0.25, step) > 3000, "the chime was playing");
    QVERIFY2(recorder.Peak(step + 0.3, step + 1.0) < 200, "the chime went on after the step");
    PlayWave(*player_, kPororinWav);
    QThread::msleep(300);
    player_->StopAll();
    const double stopped = SteadyNow();
    QThread::msleep(800);
    QVERIFY2(recorder.Peak(stopped - 0.2, stopped) > 3000, "the chime was playing again");
    QVERIFY2(recorder.Peak(stopped + 0.2, stopped + 0.7) < 200, "StopAll silenced the chime");
    QThread::msleep(3000);
    PlayWave(*player_, kPororinWav);
    QThread::msleep(1900);
    const std::vector<double> rang = recorder.Onsets(stopped + 1);
    QVERIFY2(rang.size() == 1, "the chime rang once after a rest");
    QVERIFY2(recorder.Peak(rang[0] + 0.85, rang[0] + 0.95) > 1000, "the chime rang its whole second");
    QVERIFY2(recorder.Peak(rang[0] + 1.45, rang[0] + 1.7) < 200, "the chime ended on time");
  }

  // A stopped server must cost the caller nothing; once it runs again the
  // steps are heard without a new player, whichever of SDL's drivers plays.
  // Rows: the driver, and whether the player came before the server
  // stopped or while it was stopped.
  void aStuckServerNeverHoldsUpTheCaller_data() {
    QTest::addColumn<QByteArray>("driver");
    QTest::addColumn<bool>("startedWhileStuck");
    for (const QByteArray& driver : Drivers())
      QTest::addRow("%s, stuck while playing", driver.constData()) << driver << false;
    QTest::newRow("pulseaudio, started while stuck") << QByteArray("pulseaudio") << true;
  }
  void aStuckServerNeverHoldsUpTheCaller() {
    QFETCH(QByteArray, driver);
    QFETCH(bool, startedWhileStuck);
    qputenv("SDL_AUDIODRIVER", driver);
    test::MonitorRecorder recorder;
    QVERIFY(recorder.Length() > 0);
    if (!startedWhileStuck) {
      StartPlayer();
      QVERIFY(FirstHeard(*player_, recorder, 5));
    }
    pulse_->Pause();
    if (startedWhileStuck) {
      const double start = SteadyNow();
      StartPlayer();
      QVERIFY((SteadyNow() - start) * 1e3 < 500);
    }
    // Generous bounds, for a loaded machine: a blocked call would take for ever.
    QVERIFY(SlowestCall(60, [this] { PlayWave(*player_, kZupiwlkWav), QThread::msleep(20); }) < 500);
    QVERIFY(SlowestCall(5, [this] { player_->StopAll(); }) < 500);
    QThread::msleep(300);
    pulse_->Resume();
    // What the server held when it stopped plays out first, within 0.15 s:
    // only a step played since counts.
    const double resumed = SteadyNow();
    const std::optional<double> back = FirstHeard(*player_, recorder, 10, resumed + 0.15);
    QVERIFY2(back, "sound came back after SIGCONT");
    qInfo("%s driver: sound back %.2f s after SIGCONT", driver.constData(), *back - resumed);
  }

  // A server that goes away and comes back is found again, whichever of
  // SDL's drivers plays, also when it went while the mixer had closed its
  // idle device. The bound is far above the second or so this takes.
  void soundReturnsAfterTheServerRestarts_data() {
    QTest::addColumn<QByteArray>("driver");
    QTest::addColumn<bool>("resting");
    for (const QByteArray& driver : Drivers()) {
      QTest::addRow("%s, playing", driver.constData()) << driver << false;
      QTest::addRow("%s, resting", driver.constData()) << driver << true;
    }
  }
  void soundReturnsAfterTheServerRestarts() {
    QFETCH(QByteArray, driver);
    QFETCH(bool, resting);
    qputenv("SDL_AUDIODRIVER", driver);
    StartPlayer();
    {
      test::MonitorRecorder recorder;
      QVERIFY(recorder.Length() > 0);
      QVERIFY(FirstHeard(*player_, recorder, 5));
      if (resting) QThread::msleep(3500);  // the mixer closes a device idle for 3 s
      pulse_->Kill();
    }
    if (!resting) Steps(*player_, 5, 100);  // into the void
    QVERIFY(pulse_->Start());
    test::MonitorRecorder recorder;
    QVERIFY(recorder.Length() > 0);
    const double restarted = SteadyNow();  // and heard from
    const std::optional<double> back = FirstHeard(*player_, recorder, 10);
    QVERIFY2(back, "sound came back with the new server");
    qInfo("%s driver: sound back %.2f s after the restart", driver.constData(), *back - restarted);
  }

 private:
  // Sound threads of this process that run with ordinary scheduling; a
  // complaint instead when SDL's callback thread is not found at all.
  static QStringList OrdinarySoundThreads() {
    QStringList ordinary;
    bool callback = false;
    for (const QString& task : QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
      QFile comm("/proc/self/task/" + task + "/comm");
      if (!comm.open(QIODevice::ReadOnly)) continue;
      const QString name = QString::fromLatin1(comm.readAll().trimmed());
      if (!name.startsWith("SDLAudioP") && name != "PulseMainloop") continue;
      callback = callback || name.startsWith("SDLAudioP");
      if ((sched_getscheduler(task.toInt()) & ~SCHED_RESET_ON_FORK) == SCHED_OTHER) ordinary << name;
    }
    if (!callback) ordinary << "no callback thread";
    return ordinary;
  }

  void StartPlayer() { player_ = std::make_unique<WavePlayer>(QStringList{kDataDir}); }

  std::unique_ptr<test::ScratchDirectory> cwd_;
  std::unique_ptr<test::PrivatePulse> pulse_;
  std::unique_ptr<WavePlayer> player_;
};

QTEST_GUILESS_MAIN(LiveSoundTest)
#include "test_live_sound.moc"
