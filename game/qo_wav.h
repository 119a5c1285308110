// The sound module: PlayWave starts a sound effect by its bare file name and
// returns at once. The game logic calls it; which speaker actually plays is
// installed at start-up (the Qt player in the real program, a recorder in
// tests, nothing at all by default), so the logic stays free of any toolkit.
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

// Plays through `output` from now on; nullptr makes the game silent.
// The caller keeps ownership.
void SetWaveOutput(WaveOutput* output);
WaveOutput* CurrentWaveOutput();

// Starts the named WAV file and returns at once; never fails, never throws.
void PlayWave(std::string_view fileName) noexcept;

}  // namespace zupi
