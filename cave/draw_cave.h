// The board drawing and the candle light: DrawCave paints CaveMap on the
// board, FlickerLight gives a lit passage a new candle colour on every tick,
// and RousokuTimerTick is what the game window's 250 ms timer runs.
// SightOf says what the drawing lets a player see of each cell.
#pragma once

#include "game/game_screen.h"
#include "game/random.h"

namespace zupi {

// What the board shows of cell (x, y): in a lit stage rock, passage or a
// goal cell; in a dark stage only the goal cells, every other cell is black.
// Cells off the board count as rock.
enum class Sight { Rock, Passage, Goal, Unseen };
Sight SightOf(int x, int y);

// Wipes the board black and fills every passage cell in the board's current
// foreground colour (black in a dark stage), each goal cell of column 19
// again in light yellow. Column by column, top row first.
void DrawCave(GameScreen& board);

// In a lit stage: one draw picks the passage colour (d + 10, d, d) with
// d = 100..130, then the board is repainted. In a dark stage: nothing.
void FlickerLight(GameScreen& board, RandomSequence& random);

// The candle timer's tick on the game window: FlickerLight, then the unlit
// candle in a dark stage, or one of the two flames chosen by a second draw
// in a lit stage.
void RousokuTimerTick(GameScreen& screen, RandomSequence& random);

}  // namespace zupi
