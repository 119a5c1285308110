// The state of a running game: the eight module-level variables that the
// flow, the movement handler, the cave generator and the board drawing share.
// No procedure takes the state as an argument; handlers change the flow only
// by writing these. Everything starts at zero and lives for the whole run.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace zupi {

// A 16-bit signed number, as every counter and cell of the game is.
using Integer = std::int16_t;

inline constexpr int kCaveColumns = 21;  // 0..19 are the board, 20 stays rock
inline constexpr int kCaveRows = 11;     // 0..9 are the board, 10 stays rock
inline constexpr int kBoardColumns = 20;
inline constexpr int kBoardRows = 10;
// Every stage starts on this cell; a passage cell of the last column is the goal.
inline constexpr int kStartX = 0;
inline constexpr int kStartY = 5;
inline constexpr int kGoalColumn = kBoardColumns - 1;
// Every stage starts with three green lamps; each bump costs one.
inline constexpr int kLamps = 3;

// The cave: 21 by 11 cells indexed (x, y), x varying fastest in storage.
// A nonzero cell is passage, 0 is rock.
class CaveGrid {
 public:
  Integer& operator()(int x, int y) {
    assert(x >= 0 && x < kCaveColumns && y >= 0 && y < kCaveRows);
    return cells_[x + kCaveColumns * y];
  }
  Integer operator()(int x, int y) const {
    assert(x >= 0 && x < kCaveColumns && y >= 0 && y < kCaveRows);
    return cells_[x + kCaveColumns * y];
  }
  const std::array<Integer, kCaveColumns * kCaveRows>& cells() const { return cells_; }

 private:
  std::array<Integer, kCaveColumns * kCaveRows> cells_{};
};

// True while the dark "-B" stage is played.
extern bool IsDark;
// True while a wait is in progress and the player may act; handlers clear it.
extern bool IsRunning;
extern CaveGrid CaveMap;
// The level being played; after a game, the level on which it ended.
extern Integer Level;
// The player's cell: column 0..19, row 0..9.
extern Integer PosX;
extern Integer PosY;
// Bumps into rock in the current stage, 0..3.
extern Integer HitCount;
// How the stage ended: 0 not ended or Escape, 1 goal, 2 third bump.
extern Integer StageResult;

inline constexpr Integer kStageEscaped = 0;
inline constexpr Integer kStageGoal = 1;
inline constexpr Integer kStageCrashed = 2;

}  // namespace zupi
