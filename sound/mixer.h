// The game's mixer: one voice on the sound device, driven from a thread of
// its own. The window thread only leaves a request and wakes that thread;
// opening the device and reading files happen there, and a sound already
// read is started by the device's callback, so a slow, missing or stuck
// sound server can hold up the mixer but never a key, a timer, a repaint
// or a close. A lost device is opened again at the next sound, so sound
// comes back when the server does.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "sound/wave_file.h"

namespace zupi {

// Whether the mixer may make the threads a sound passes through real-time
// here: with the right to do so itself (root's, or an rtprio limit), or
// with rtkit on the system bus to ask, as on a desktop; not when the player
// set SDL's own thread priorities.
bool SoundThreadsCanRunRealTime();

class Mixer {
 public:
  // Finds and reads the named sound; runs on the mixer's thread, so it must
  // not touch anything the window thread changes.
  using Loader = std::function<std::optional<Wave>(const std::string& name)>;

  explicit Mixer(Loader loader);
  // Waits up to a second for the thread to close the device; a thread stuck
  // in the sound server is left behind rather than waited for.
  ~Mixer();
  Mixer(const Mixer&) = delete;
  Mixer& operator=(const Mixer&) = delete;

  // Starts `name` from its beginning, cutting off whatever plays; returns at
  // once. Requests that arrive faster than the mixer takes them are
  // replaced by the newest one.
  void Play(std::string name);
  // Silences the voice; returns at once.
  void Stop();

  struct Shared;

 private:
  std::shared_ptr<Shared> shared_;
};

}  // namespace zupi
