// PlayWave swallows whatever the speaker throws: a missing sound must never
// stop the game.
#include "game/qo_wav.h"

namespace zupi {

void PlayWave(WaveOutput& sound, std::string_view fileName) noexcept {
  try {
    sound.Play(fileName);
  } catch (...) {
    // Sound errors are never the player's problem.
  }
}

}  // namespace zupi
