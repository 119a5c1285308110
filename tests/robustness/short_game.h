// A short whole game on the real game window for the broken-sounds test:
// stage 1-A to the goal with one bump on the way, 1-B to the goal, then
// three bumps in 2-A. It steps, bumps and reaches the goal, so every one
// of the game's four sounds is asked for.
#pragma once

#include "game/play_game.h"
#include "game/zupi.h"
#include "tests/support/auto_player.h"
#include "tests/support/driver.h"

// The loaded game window, or nullptr once the game has unloaded it.
inline Form1* LoadedForm1() { return zupi::test::Loaded<Form1>(); }

namespace zupi::test {

// Plays the game through PlayGame on Qt's event loop with 1 ms wait
// passes; afterwards Level and StageResult tell how it ended. A game that
// takes far more keys than it needs is closed, so it cannot hang.
inline void PlayShortGame() {
  QtRun run;
  ResetGameState();
  bool bumpedIn1A = false;
  int keys = 0;
  Driver driver([&] {
    if (LoadedForm1() == nullptr || !IsRunning || run.ended()) return;
    if (++keys > 2000) return CloseByUser(LoadedForm1());
    if (Level >= 2) return Press(KeyIntoRock() != 0 ? KeyIntoRock() : KeyTowardsGoal());
    if (!IsDark && !bumpedIn1A && KeyIntoRock() != 0) {
      bumpedIn1A = true;
      return Press(KeyIntoRock());
    }
    Press(KeyTowardsGoal() != 0 ? KeyTowardsGoal() : kKeyEscape);
  });
  run.Go(PlayGame);
}

}  // namespace zupi::test
