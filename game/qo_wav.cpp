// PlayWave forwards to the installed output and swallows whatever it throws:
// a missing sound must never stop the game.
#include "game/qo_wav.h"

namespace zupi {
namespace {
WaveOutput* output = nullptr;
}

void SetWaveOutput(WaveOutput* o) { output = o; }

WaveOutput* CurrentWaveOutput() { return output; }

void PlayWave(std::string_view fileName) noexcept {
  if (output == nullptr) return;
  try {
    output->Play(fileName);
  } catch (...) {
    // Sound errors are never the player's problem.
  }
}

}  // namespace zupi
