// The cave generator: MakeCave digs a new passage into CaveMap for one of
// four difficulties. It is the only writer of CaveMap, writes only 0 (rock)
// and -1 (passage), touches only the 20 x 10 board, and takes its random
// draws in a fixed order, so a given sequence always gives the same cave.
#pragma once

#include "game/random.h"
#include "game/zupi.h"

namespace zupi {

inline constexpr Integer kBeginner = 1;
inline constexpr Integer kIntermediate = 2;
inline constexpr Integer kAdvanced = 3;
inline constexpr Integer kPro = 4;

// Clears the board and digs a cave of `difficulty` 1 to 4 with draws from
// `random`. Any other value leaves the board all rock.
void MakeCave(RandomSequence& random, Integer difficulty);

// The difficulty of the lit stage of `level`: 1 for levels 1-3, 2 for 4-6,
// 3 for 7-9, 4 from 10 on.
Integer DifficultyForLevel(Integer level);

}  // namespace zupi
