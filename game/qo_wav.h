// The sound module: PlayWave starts a sound effect by its bare file name and
// returns at once. The game logic calls it with the speaker it is given
// (the mixer in sound/ in the real program, a recorder in tests), so the
// logic stays free of any toolkit.
#pragma once

#include <string_view>

namespace zupi {

// Something that can play the game's WAV files.
class WaveOutput {
 public:
  virtual ~WaveOutput() = default;
  // Starts `fileName` asynchronously, replacing any sound still playing.
  // Must swallow every error.
  virtual void Play(std::string_view fileName) = 0;
  // Silences whatever is playing.
  virtual void StopAll() = 0;
};

// Starts the named WAV file on `sound` and returns at once; never fails,
// never throws.
void PlayWave(WaveOutput& sound, std::string_view fileName) noexcept;

}  // namespace zupi
