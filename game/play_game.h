// One whole game on the game window: stages 1-A, 1-B, 2-A, ... for as long
// as every stage ends at the goal, then the blinking "GAME OVER".
#pragma once

#include "game/host.h"

namespace zupi {

// Shows the game window, plays until Escape or a third bump, and unloads the
// window. Level then holds the level on which the game ended.
void PlayGame(const Host& host);

}  // namespace zupi
