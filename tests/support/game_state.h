// The game state as at program start, and the exception by which a test's
// event source ends Main, which in the real program never returns.
#pragma once

#include "game/zupi.h"

namespace zupi::test {

struct ProgramEnd {};

inline void ResetGameState() {
  IsDark = IsRunning = false;
  CaveMap = CaveGrid{};
  Level = PosX = PosY = HitCount = StageResult = 0;
}

}  // namespace zupi::test
