// The mixer's thread and its device. SDL's audio device gives us a pull
// callback on SDL's own thread; the callback copies the one voice and fills
// the rest with silence. Sounds are converted once to the device format
// and kept for the session.
//
// A step is heard one period and the server's buffer after its key: 256
// samples (5.3 ms) a period, and 12 ms in the server where the threads
// below can run real-time, 60 ms where not (see PrepareSoundEnvironment).
// So short a period holds only with a callback that runs as soon as it is
// due, so its thread is made real-time, as a sound server's own threads
// are (see RaiseSoundThreads); where that is not granted, the server's
// buffer covers a late one.
#include "sound/mixer.h"

#include <SDL2/SDL.h>
#include <alsa/asoundlib.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace zupi {

using Pcm = std::vector<Uint8>;

// A sound once loaded is started by the callback itself, from an order the
// window thread leaves: a key's step then waits for no other thread to
// wake, which on a busy machine can take longer than the sound's period.
struct Mixer::Shared {
  static constexpr int kMaxSounds = 64;
  std::mutex mutex;
  std::condition_variable wake;  // a request, or the end
  std::condition_variable ended;
  bool asked = false;                  // Play or Stop since the thread looked
  std::optional<std::string> load;     // a sound to load and then start
  std::uint64_t serial = 0;            // orders given so far
  std::uint64_t loadSerial = 0;        // the order that asked for `load`
  std::map<std::string, int> numbers;  // the sounds loaded, from 1
  bool quit = false;
  bool done = false;
  bool debug = false;  // SDL's and ALSA's messages go to stderr
  Loader loader;
  // Outside the mutex, for the callback: the newest order, its serial times
  // 2^16 plus the sound's number (0: silence), and each number's sound,
  // stored before its number is first ordered.
  std::atomic<std::uint64_t> order{0};
  std::array<std::atomic<const Pcm*>, kMaxSounds + 1> sounds{};

  // Call with `mutex` held: a new order, or the one numbered `given`.
  void Order(int number) { Order(++serial, number); }
  void Order(std::uint64_t given, int number) { order.store(given << 16 | static_cast<std::uint64_t>(number)); }
};

namespace {

using Clock = std::chrono::steady_clock;

// PipeWire's rate, and most sound cards': a stream at any other goes
// through the server's resampler, which holds every step back a little
// more (2 ms through pipewire-pulse, 2 to 3 ms through SDL's PipeWire
// driver, and steadier). The sounds are converted to it once, on loading.
constexpr int kRate = 48000;
constexpr auto kFirstRetry = std::chrono::milliseconds(500);
constexpr auto kLastRetry = std::chrono::seconds(4);
constexpr auto kStartUpGrace = std::chrono::milliseconds(400);
// An open device plays silence on SDL's thread, waking it every few
// milliseconds; after this long with no sound asked for, the device is closed
// until the next sound. Longer than the longest sound, short enough that a
// player idling on the title costs nothing.
constexpr auto kIdleClose = std::chrono::seconds(3);
constexpr int kPeriod = 256;  // samples
// Below PulseAudio's own threads (5) and PipeWire's, above every ordinary
// program's.
constexpr int kRealtimePriority = 4;
// How SDL shows a server that went away under an open device differs by
// version and driver, so each sign counts. SDL 2's PulseAudio and ALSA
// drivers stop the device and post SDL_AUDIODEVICEREMOVED. SDL 3 (and SDL 2
// as sdl2-compat over it) posts the event, for the physical device only,
// and keeps a device left without a server calling back at the normal pace
// for ever, playing into nothing. The PipeWire driver of either says
// nothing: its callback just stops. A playing device calls back every
// period, so one this long without a callback is taken for lost.
constexpr auto kSilentCallback = std::chrono::milliseconds(800);
// PulseAudio's protocol first, which PipeWire serves too and which carries
// the stream's name and icon; PipeWire's own where only it runs; ALSA last.
// A player's SDL_AUDIODRIVER wins.
constexpr const char* kDrivers = "pulseaudio,pipewire,alsa";

bool PlayerSetsPriorities() {
  return std::getenv("SDL_THREAD_PRIORITY_POLICY") != nullptr ||
         std::getenv(SDL_HINT_THREAD_FORCE_REALTIME_TIME_CRITICAL) != nullptr;
}

// SDL's audio subsystem is one per process: a mixer left stuck in a server
// keeps it until the server wakes, and a newer mixer waits for that here.
// Never destroyed: a thread stuck in the server may still hold it when the
// process ends, and destroying a locked mutex is undefined behaviour.
std::mutex& SdlOwner() {
  static auto* const owner = new std::mutex;
  return *owner;
}

// ALSA reports every failed open on stderr; without a sound card or server
// that is a line for each retry, and a game has no console to show it on.
// SDL's own log has the same use.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}
void QuietSdl(void*, int, SDL_LogPriority, const char*) {}

// Converts a sound to the device's 16-bit stereo; empty if SDL cannot.
Pcm ToDeviceFormat(const Wave& wave) {
  SDL_AudioCVT cvt;
  const SDL_AudioFormat from = wave.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
  if (SDL_BuildAudioCVT(&cvt, from, static_cast<Uint8>(wave.channels), wave.sampleRate, AUDIO_S16SYS, 2, kRate) < 0)
    return {};
  Pcm pcm(wave.samples.size() * static_cast<std::size_t>(cvt.len_mult));
  std::memcpy(pcm.data(), wave.samples.data(), wave.samples.size());
  cvt.buf = pcm.data();
  cvt.len = static_cast<int>(wave.samples.size());
  if (cvt.needed && SDL_ConvertAudio(&cvt) < 0) return {};
  pcm.resize(static_cast<std::size_t>(cvt.needed ? cvt.len_cvt : cvt.len));
  return pcm;
}

// The device and its one voice. Only the mixer's thread calls it.
class Device {
 public:
  explicit Device(Mixer::Shared& shared) : shared_(shared), debug_(shared.debug) {}
  ~Device() { Close(); }

  bool IsOpen() const { return id_ != 0; }

  // Opens the default device unless it failed too recently.
  void OpenIfDue() {
    if (IsOpen() || Clock::now() < nextTry_) return;
    // SDL kept while the device rested may still be tied to a server that
    // has gone since (SDL 3 is): a failure there earns a fresh SDL at once.
    const bool kept = owner_.owns_lock();
    if (!TryOpen() && !(kept && TryOpen())) {
      nextTry_ = Clock::now() + retry_;
      retry_ = std::min<Clock::duration>(retry_ * 2, kLastRetry);
      return;
    }
    retry_ = kFirstRetry;
    lastFill_ = Clock::now().time_since_epoch().count();
    filled_ = false;
    DeviceRemoved();  // the devices found while opening
    SDL_PauseAudioDevice(id_, 0);
  }

  // True when the server went away under an open device, or its callback
  // has stopped coming.
  bool Lost() {
    if (!IsOpen()) return false;
    const Clock::time_point fill{Clock::duration(lastFill_.load())};
    const char* why = DeviceRemoved()                                      ? "a device went away"
                      : SDL_GetAudioDeviceStatus(id_) == SDL_AUDIO_STOPPED ? "the device stopped"
                      : Clock::now() - fill > kSilentCallback              ? "the callback stopped"
                                                                           : nullptr;
    if (why == nullptr) return false;
    SDL_Log("Grotzel: sound device lost (%s), opening it again", why);
    return true;
  }

  // Once the callback has run on a device just opened, asks for real-time
  // scheduling for the threads a step passes through: the callback's, and
  // the thread on which newer SDL (2.28 on, and SDL 3) talks to the Pulse
  // server, which carries the server's every request for sound. Directly,
  // which needs the right (root's, or an rtprio limit), else from rtkit
  // over D-Bus, which a desktop grants to its sound programs; quietly
  // nothing when neither is there. Here on the mixer's thread, as rtkit may
  // take a while to answer. A player's own SDL settings for thread
  // priorities are left to SDL.
  void RaiseSoundThreads() {
    const pid_t callback = callbackThread_.exchange(0);
    if (callback == 0 || PlayerSetsPriorities()) return;
    Raise(callback);
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
      std::string name;
      std::getline(std::ifstream(task.path() / "comm"), name);
      if (name == "PulseMainloop") Raise(std::stoi(task.path().filename().string()));
    }
  }

  // The newest order, which a device that went may have started, starts
  // again from its beginning on the next one. Only while closed.
  void StartNewestAgain() { taken_ = 0; }

  // Closes the device but keeps SDL, so the next open is quick.
  void Rest() {
    if (id_ != 0) SDL_CloseAudioDevice(id_);
    id_ = 0;
    voice_ = nullptr;
  }

  void Close() {
    Rest();
    if (owner_.owns_lock()) {
      SDL_Quit();  // the mixer is SDL's only user; this also drops the hints
      owner_.unlock();
    }
  }

 private:
  static void Raise(pid_t thread) {
    // A thread that runs real-time already (SDL's PipeWire driver calls
    // back on PipeWire's own) keeps its higher priority.
    if ((sched_getscheduler(thread) & ~SCHED_RESET_ON_FORK) != SCHED_OTHER) return;
    sched_param param{};
    param.sched_priority = kRealtimePriority;
    if (sched_setscheduler(thread, SCHED_RR | SCHED_RESET_ON_FORK, &param) == 0) return;
    if (SDL_LinuxSetThreadPriorityAndPolicy(thread, SDL_THREAD_PRIORITY_TIME_CRITICAL, SCHED_RR) == 0) return;
    SDL_Log("Grotzel: no real-time scheduling for sound thread %d: %s", static_cast<int>(thread), SDL_GetError());
  }

  // Opens the device, starting SDL if need be; on failure shuts SDL.
  bool TryOpen() {
    if (!owner_.owns_lock()) owner_ = std::unique_lock(SdlOwner());
    if (!debug_) {
      snd_lib_error_set_handler(&QuietAlsa);
      SDL_LogSetOutputFunction(&QuietSdl, nullptr);
    }
    // A server that restarted may have moved: ALSA reads its setup afresh.
    snd_config_update_free_global();
    // Hints below the environment's, which wins.
    SDL_SetHint(SDL_HINT_AUDIODRIVER, kDrivers);
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // Ctrl+C stays the game's
    // The name the desktop's mixer shows: SDL 2 reads the first hint, SDL 3
    // only the second. The icon SDL 2 leaves to PulseAudio's variable (see
    // PrepareSoundEnvironment); SDL 3 sets its own unless given this hint.
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Grotzel");
    SDL_SetHint(SDL_HINT_APP_NAME, "Grotzel");
    const char* icon = std::getenv("PULSE_PROP_application.icon_name");
    SDL_SetHint("SDL_AUDIO_DEVICE_APP_ICON_NAME", icon != nullptr ? icon : "grotzel");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Sound effects");
    SDL_AudioSpec want{};
    want.freq = kRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.callback = &Device::Fill;
    want.userdata = this;
    // Events only for the word that a device went away (see Lost).
    if (SDL_InitSubSystem(SDL_INIT_AUDIO | SDL_INIT_EVENTS) == 0) {
      want.samples = kPeriod;
      id_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    }
    if (id_ == 0) Close();
    return id_ != 0;
  }

  // Whether SDL told of a playback device that went away since last asked.
  // SDL 3 posts its audio events only when they are pumped; SDL's video,
  // whose events must be pumped on the main thread, never runs here.
  static bool DeviceRemoved() {
    SDL_PumpEvents();
    SDL_Event event;
    bool removed = false;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_AUDIODEVICEADDED, SDL_AUDIODEVICEREMOVED) > 0)
      removed = removed || (event.type == SDL_AUDIODEVICEREMOVED && event.adevice.iscapture == 0);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);  // nothing else here reads them
    return removed;
  }

  static void Fill(void* self, Uint8* out, int length) {
    auto& device = *static_cast<Device*>(self);
    device.lastFill_ = Clock::now().time_since_epoch().count();
    if (!device.filled_) device.callbackThread_ = static_cast<pid_t>(syscall(SYS_gettid));
    device.filled_ = true;
    if (const std::uint64_t order = device.shared_.order.load(); order != device.taken_) {
      device.taken_ = order;
      device.voice_ = device.shared_.sounds[order & 0xffff].load();
      device.position_ = 0;
    }
    std::size_t copied = 0;
    if (device.voice_ != nullptr) {
      copied = std::min(static_cast<std::size_t>(length), device.voice_->size() - device.position_);
      std::memcpy(out, device.voice_->data() + device.position_, copied);
      device.position_ += copied;
      if (device.position_ == device.voice_->size()) device.voice_ = nullptr;
    }
    std::memset(out + copied, 0, static_cast<std::size_t>(length) - copied);
  }

  Mixer::Shared& shared_;
  const bool debug_;
  SDL_AudioDeviceID id_ = 0;
  std::atomic<Clock::rep> lastFill_{0};   // when the callback last ran
  bool filled_ = false;                   // the callback ran since the open
  std::atomic<pid_t> callbackThread_{0};  // to raise, once it ran
  std::unique_lock<std::mutex> owner_;
  Clock::time_point nextTry_{};
  Clock::duration retry_ = kFirstRetry;
  // The callback's own; the mixer's thread touches them only while the
  // device is closed.
  std::uint64_t taken_ = 0;  // the last order started
  const Pcm* voice_ = nullptr;
  std::size_t position_ = 0;
};

// The thread's side: waits for requests and carries them out.
class Worker {
 public:
  explicit Worker(std::shared_ptr<Mixer::Shared> shared) : shared_(std::move(shared)), device_(*shared_) {}

  void Run() {
    OpenAfterStartUp();
    for (;;) {
      std::optional<std::string> load;
      std::uint64_t serial = 0;
      {
        std::unique_lock lock(shared_->mutex);
        const auto asked = [&] { return shared_->quit || shared_->asked; };
        if (!asked() && !shared_->wake.wait_for(lock, kIdleClose, asked)) {
          lock.unlock();
          device_.Rest();
          lock.lock();
          shared_->wake.wait(lock, asked);
        }
        if (shared_->quit) break;
        shared_->asked = false;
        std::swap(load, shared_->load);
        serial = shared_->loadSerial;
      }
      if (device_.Lost()) device_.Close(), device_.StartNewestAgain();
      device_.RaiseSoundThreads();
      if (load || (shared_->order.load() & 0xffff) != 0) device_.OpenIfDue();
      if (load) Load(*load, serial);
    }
    device_.Close();
    std::lock_guard lock(shared_->mutex);
    shared_->done = true;
    shared_->ended.notify_all();
  }

 private:
  // The device is opened before the first sound is asked for, but not
  // while the program is still putting up its first window: finding the
  // sound system can take a core for a while when there is none.
  void OpenAfterStartUp() {
    {
      std::unique_lock lock(shared_->mutex);
      shared_->wake.wait_for(lock, kStartUpGrace, [&] { return shared_->quit || shared_->asked; });
      if (shared_->quit) return;
    }
    device_.OpenIfDue();
  }

  // Loads the sound and starts it, unless another order came meanwhile. A
  // new sound replaces the old one even when it cannot play itself; a file
  // that could not be played is looked for again next time.
  void Load(const std::string& name, std::uint64_t serial) {
    const int number = Number(name);
    std::lock_guard lock(shared_->mutex);
    if (number != 0) shared_->numbers.emplace(name, number);
    if (shared_->serial == serial) shared_->Order(serial, number);
  }

  // The number of the converted sound of that name; 0 if there is none to
  // play.
  int Number(const std::string& name) {
    {
      std::lock_guard lock(shared_->mutex);
      if (auto it = shared_->numbers.find(name); it != shared_->numbers.end()) return it->second;
    }
    if (sounds_.size() == Mixer::Shared::kMaxSounds) return 0;
    const std::optional<Wave> wave = shared_->loader(name);
    if (!wave) return 0;
    Pcm pcm = ToDeviceFormat(*wave);
    if (pcm.empty()) return 0;
    shared_->sounds[sounds_.size() + 1].store(&sounds_.emplace_back(std::move(pcm)));
    return static_cast<int>(sounds_.size());
  }

  std::shared_ptr<Mixer::Shared> shared_;
  std::deque<Pcm> sounds_;  // by number, from 1; a deque, so none moves
  Device device_;           // last: closed before the sounds it may be playing go
};

}  // namespace

bool SoundThreadsCanRunRealTime() {
  if (PlayerSetsPriorities()) return false;
  rlimit limit{};
  if (geteuid() == 0 || (getrlimit(RLIMIT_RTPRIO, &limit) == 0 && limit.rlim_cur >= kRealtimePriority)) return true;
  std::error_code error;
  return std::filesystem::exists("/usr/share/dbus-1/system-services/org.freedesktop.RealtimeKit1.service", error);
}

Mixer::Mixer(Loader loader) : shared_(std::make_shared<Shared>()) {
  shared_->loader = std::move(loader);
  shared_->debug = std::getenv("GROTZEL_DEBUG") != nullptr;
  // The thread owns its share of the state, so it may outlive the mixer.
  std::thread([shared = shared_] { Worker(shared).Run(); }).detach();
}

Mixer::~Mixer() {
  std::unique_lock lock(shared_->mutex);
  shared_->quit = true;
  shared_->wake.notify_one();
  // SDL 3 lets the server play out what it holds before a device closes,
  // 0.05 to 0.3 s here. The game ends once this returns, and sdl2-compat
  // unloads SDL 3 on the way out: a close that goes on meanwhile can crash.
  shared_->ended.wait_for(lock, std::chrono::seconds(1), [&] { return shared_->done; });
}

void Mixer::Play(std::string name) {
  {
    std::lock_guard lock(shared_->mutex);
    if (auto it = shared_->numbers.find(name); it != shared_->numbers.end()) {
      shared_->Order(it->second);
      shared_->load.reset();
    } else {
      shared_->load = std::move(name);  // started once loaded
      shared_->loadSerial = ++shared_->serial;
    }
    shared_->asked = true;
  }
  shared_->wake.notify_one();
}

void Mixer::Stop() {
  {
    std::lock_guard lock(shared_->mutex);
    shared_->Order(0);
    shared_->load.reset();
    shared_->asked = true;
  }
  shared_->wake.notify_one();
}

}  // namespace zupi
