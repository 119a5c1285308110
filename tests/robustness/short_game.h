// A short whole game on the real game window for the broken-sounds test:
// stage 1-A to the goal with one bump on the way, 1-B to the goal, then
// three bumps in 2-A. It steps, bumps and reaches the goal, so every one
// of the game's four sounds is asked for.
#pragma once

#include "game/play_game.h"
#include "game/zupi.h"
#include "tests/support/auto_player.h"
#include "tests/support/driver.h"

namespace zupi::test {

// Plays the game through PlayGame on Qt's event loop with 1 ms wait
// passes and the sounds on `sound`; afterwards Level and StageResult tell
// how it ended. True when the game unloaded its window at the end. A game
// that takes far more keys than it needs is closed, so it cannot hang.
inline bool PlayShortGame(WaveOutput& sound) {
  QtRun run(std::chrono::milliseconds(1), &sound);
  ResetGameState();
  bool bumpedIn1A = false;
  int keys = 0;
  Driver driver([&] {
    Form1* form = run.forms.form1();
    if (form == nullptr || !IsRunning || run.ended()) return;
    if (++keys > 2000) return CloseByUser(form);
    if (Level >= 2) return Press(run, KeyIntoRock() != 0 ? KeyIntoRock() : KeyTowardsGoal());
    if (!IsDark && !bumpedIn1A && KeyIntoRock() != 0) {
      bumpedIn1A = true;
      return Press(run, KeyIntoRock());
    }
    Press(run, KeyTowardsGoal() != 0 ? KeyTowardsGoal() : kKeyEscape);
  });
  run.Go(PlayGame);
  return run.forms.form1() == nullptr;
}

}  // namespace zupi::test
