// Keyboard movement: every key-down on the board becomes one step through the
// cave, a bump into rock (which costs a lamp) or the goal. MoveByKey also ends
// the stage, through StageResult and IsRunning, on the goal, the third bump or
// Escape.
#pragma once

#include "game/game_screen.h"
#include "game/qo_wav.h"
#include "game/zupi.h"

namespace zupi {

// The key codes the board passes on (the platform's virtual-key codes).
inline constexpr Integer kKeyEscape = 27;
inline constexpr Integer kKeyLeft = 37;
inline constexpr Integer kKeyUp = 38;
inline constexpr Integer kKeyRight = 39;
inline constexpr Integer kKeyDown = 40;
// Any other key: none of the five, answered where the player stands.
inline constexpr Integer kKeyOther = 0;

// Handles one key-down on the game window `screen`, with the sounds on
// `sound`. Does nothing at all while IsRunning is false.
void MoveByKey(GameScreen& screen, WaveOutput& sound, Integer keyCode);

// Puts the player's icon on cell (x, y): left edge first, then top edge.
void PlaceIcon(GameScreen& screen, Integer x, Integer y);

}  // namespace zupi
