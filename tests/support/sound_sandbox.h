// For tests of the real sound player: a silent run in an empty directory,
// or a sound server of the test's own (PulseAudio, or PipeWire when
// GROTZEL_TEST_SOUND_SERVER is "pipewire") whose null sink a recorder
// listens to, so a test hears what a player would. As on a desktop, the
// servers' sound threads (and the recorder, where allowed) run real-time,
// so that a test under load (CpuLoad) checks the game, not the sandbox.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <fcntl.h>
#include <pthread.h>
#include <sched.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace zupi::test {

// Call from the test's initMain(), before the application object exists.
inline void KeepAwayFromSoundServers() {
  qputenv("PULSE_SERVER", "unix:/nonexistent/grotzel-test-pulse");
  qputenv("SDL_AUDIODRIVER", "pulseaudio");  // not PipeWire's or ALSA's own
}

// Makes an empty directory current for as long as it lives.
class ScratchDirectory {
 public:
  ScratchDirectory() { QDir::setCurrent(dir_.path()); }
  ~ScratchDirectory() { QDir::setCurrent(QCoreApplication::applicationDirPath()); }

 private:
  QTemporaryDir dir_;
};

inline double SteadyNow() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// PipeWire's three services on a D-Bus session of their own; a killed
// server's sockets go first, so that the wait is for the new ones. The null
// sink is in the server's configuration, so that a restart keeps it.
constexpr char kPipeWire[] =
    "cd $XDG_RUNTIME_DIR; rm -f pipewire-0 bus; k='setpriv --pdeathsig KILL';"
    "export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus;"
    "$k dbus-daemon --session --nofork --address=$DBUS_SESSION_BUS_ADDRESS & $k pipewire &"
    "until [ -S pipewire-0 ] && [ -S bus ]; do sleep 0.05; done; $k wireplumber & $k pipewire-pulse & wait";
constexpr char kPipeWireNullSink[] =
    "context.objects = [ { factory = adapter args = { factory.name = support.null-audio-sink"
    " node.name = grotzel_null node.description = \"Grotzel null sink\""
    " media.class = Audio/Sink audio.position = [ FL FR ] } } ]\n";

// A sound server in a scratch folder with a null sink as its default, in a
// process group of its own. PULSE_SERVER (and PIPEWIRE_RUNTIME_DIR, for
// SDL's PipeWire driver) point at it while it lives, so this process and
// its children use it; SDL is kept to its Pulse driver unless a test says.
class PrivatePulse {
 public:
  PrivatePulse() { qputenv("SDL_AUDIODRIVER", "pulseaudio"), Start(); }
  ~PrivatePulse() { Kill(), KeepAwayFromSoundServers(); }

  // True once the server answers.
  bool Start() {
    const bool pipewire = qgetenv("GROTZEL_TEST_SOUND_SERVER") == "pipewire";
    const QString socket = dir_.filePath(pipewire ? "pulse/native" : "native");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_RUNTIME_DIR", "PIPEWIRE_RUNTIME_DIR", "XDG_CONFIG_HOME", "HOME"})
      env.insert(name, dir_.path());
    env.remove("PULSE_SERVER");
    server_.setProcessEnvironment(env);
    // Its own group, for Pause; gone with the test, even one that hangs.
    server_.setChildProcessModifier([] { ::setsid(), ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    if (pipewire) {
      QDir(dir_.path()).mkpath("pipewire/pipewire.conf.d");
      QFile conf(dir_.filePath("pipewire/pipewire.conf.d/null-sink.conf"));
      if (!conf.open(QIODevice::WriteOnly) || conf.write(kPipeWireNullSink) < 0) return false;
      conf.close();
      server_.setProgram("sh");
      server_.setArguments({"-c", kPipeWire});
    } else {
      server_.setProgram("pulseaudio");
      server_.setArguments({"-n", "--daemonize=no", "--realtime=yes", "--high-priority=yes", "--exit-idle-time=-1",
                            "--use-pid-file=false", "--disable-shm=yes", "--log-target=stderr", "--log-level=error",
                            "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket, "-L",
                            "module-null-sink sink_name=grotzel_null"});
    }
    server_.setStandardOutputFile(QProcess::nullDevice());
    server_.setStandardErrorFile(dir_.filePath("server.log"));
    server_.start();
    if (!server_.waitForStarted(5000)) return false;
    qputenv("PIPEWIRE_RUNTIME_DIR", dir_.path().toLocal8Bit());
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    for (int i = 0; i < 100 && server_.state() == QProcess::Running; ++i) {
      const QString info = Pactl({"info"});
      if (QFile::exists(socket) && info.contains("grotzel_null") && (!pipewire || info.contains("PipeWire")))
        return true;
      QThread::msleep(100);
    }
    return false;
  }
  void Pause() { Signal(SIGSTOP); }
  void Resume() { Signal(SIGCONT); }
  void Kill() {
    if (server_.state() == QProcess::NotRunning) return;
    Resume();
    Signal(SIGKILL);
    server_.waitForFinished(5000);
  }

  // What `pactl args` prints, within a few seconds.
  static QString Pactl(const QStringList& args) {
    QProcess pactl;
    pactl.start("pactl", args);
    if (!pactl.waitForFinished(3000)) pactl.kill(), pactl.waitForFinished();
    return QString::fromLocal8Bit(pactl.readAllStandardOutput());
  }

 private:
  void Signal(int signal) { ::kill(-static_cast<pid_t>(server_.processId()), signal); }

  QTemporaryDir dir_;
  QProcess server_;
};

// Records the null sink's monitor with parec and keeps the loudest sample
// of every millisecond, stamped with the time it arrived. A sound starts
// where a loud millisecond follows a quiet one: the step sound fades in
// from silence and rises to its peak within a few milliseconds, so even a
// step that cuts off the one before it stands out. On a loaded machine the
// server may stop a sound dead, play a few milliseconds of silence and go on
// with the rest (an underrun): a start right after silence that cut off a
// sound at full strength, where a sound that ended would have faded out,
// is that sound going on.
class MonitorRecorder {
 public:
  MonitorRecorder() {
    int fds[2];
    if (::pipe(fds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const char* argv[] = {"parec",        "-d",           "grotzel_null.monitor", "--format=s16le",
                          "--channels=1", "--rate=44100", "--latency-msec=2",     "--raw",
                          nullptr};
    // At real-time priority where allowed, so that its samples arrive on time.
    posix_spawnattr_t realtime;
    posix_spawnattr_init(&realtime);
    posix_spawnattr_setflags(&realtime, POSIX_SPAWN_SETSCHEDULER);
    posix_spawnattr_setschedpolicy(&realtime, SCHED_FIFO);
    const sched_param priority{kRealtimePriority};
    posix_spawnattr_setschedparam(&realtime, &priority);
    // Its own small buffer, whatever the game asks the server for.
    std::vector<char*> env;
    for (char** variable = environ; *variable != nullptr; ++variable)
      if (std::strncmp(*variable, "PULSE_LATENCY_MSEC=", 19) != 0) env.push_back(*variable);
    env.push_back(nullptr);
    const auto spawn = [&](const posix_spawnattr_t* attributes) {
      return posix_spawnp(&pid_, "parec", &actions, attributes, const_cast<char**>(argv), env.data()) == 0;
    };
    const bool started = spawn(&realtime) || spawn(nullptr);
    posix_spawnattr_destroy(&realtime);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (!started) {
      ::close(fds[0]);
      pid_ = 0;
      return;
    }
    pipe_ = ::fdopen(fds[0], "r");
    reader_ = std::thread([this] { Read(); });
    pthread_setschedparam(reader_.native_handle(), SCHED_FIFO, &priority);  // the same, for the stamps
    for (int i = 0; i < 1000 && Length() == 0; ++i) QThread::msleep(10);    // parec takes a moment to deliver
  }
  ~MonitorRecorder() {
    if (pid_ == 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    reader_.join();
    std::fclose(pipe_);
  }

  // Arrival times of the sounds heard from `from` on.
  std::vector<double> Onsets(double from = 0, int loud = 2800, int quiet = 1500) const {
    std::lock_guard lock(mutex_);
    std::vector<double> onsets;
    for (std::size_t i = 4; i < peaks_.size(); ++i) {
      if (peaks_[i].time < from || peaks_[i].peak <= loud || peaks_[i - 1].peak > loud) continue;
      int before = loud;
      for (std::size_t j = i - 4; j < i; ++j) before = std::min(before, peaks_[j].peak);
      if (before < quiet && !AfterAGap(i, quiet)) onsets.push_back(peaks_[i].time);
    }
    return onsets;
  }
  // The loudest sample that arrived between `from` and `to`.
  int Peak(double from, double to) const {
    std::lock_guard lock(mutex_);
    int peak = 0;
    for (const Block& b : peaks_)
      if (b.time >= from && b.time < to) peak = std::max(peak, b.peak);
    return peak;
  }
  // Milliseconds recorded so far: the recorder runs while this grows.
  std::size_t Length() const {
    std::lock_guard lock(mutex_);
    return peaks_.size();
  }

 private:
  static constexpr int kRealtimePriority = 3;  // below the servers' and the game's

  struct Block {
    double time;
    int peak;
  };
  // Whether the loud millisecond `i` follows a gap cut into a sound: up to
  // two milliseconds of its own partly there, then 3 to 150 silent ones,
  // before them one at least `quiet`. Call with mutex_ held.
  bool AfterAGap(std::size_t i, int quiet) const {
    constexpr int kSilent = 50;
    std::size_t j = i;
    for (int edge = 0; edge < 2 && j > 0 && peaks_[j - 1].peak >= kSilent; ++edge) --j;
    std::size_t silent = 0;
    for (; j > 0 && peaks_[j - 1].peak < kSilent && silent <= 150; --j) ++silent;
    return silent >= 3 && silent <= 150 && j >= 2 && std::max(peaks_[j - 1].peak, peaks_[j - 2].peak) >= quiet;
  }

  void Read() {
    short buffer[64];
    int peak = 0, samples = 0;
    for (;;) {
      const std::size_t got = std::fread(buffer, sizeof(short), 64, pipe_);
      if (got == 0) return;
      const double now = SteadyNow();
      for (std::size_t i = 0; i < got; ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(buffer[i])));
        if (++samples < 44) continue;
        std::lock_guard lock(mutex_);
        peaks_.push_back({now, peak});
        peak = samples = 0;
      }
    }
  }

  pid_t pid_ = 0;
  FILE* pipe_ = nullptr;
  std::thread reader_;
  mutable std::mutex mutex_;
  std::vector<Block> peaks_;
};

// Both cores busy with stress-ng for as long as it lives, as a player's
// machine might be while they play.
class CpuLoad {
 public:
  CpuLoad() {
    // Gone with this process, even one that hangs or is killed.
    stress_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    stress_.start("stress-ng", {"--cpu", "2", "--quiet", "--timeout", "600"});
    running_ = stress_.waitForStarted(3000);
    if (running_) QThread::msleep(300);  // both workers spinning
  }
  ~CpuLoad() {
    if (!running_) return;
    stress_.terminate();
    if (!stress_.waitForFinished(3000)) stress_.kill(), stress_.waitForFinished();
  }
  bool running() const { return running_; }

 private:
  QProcess stress_;
  bool running_ = false;
};

}  // namespace zupi::test
