// A player for tests: finds the next arrow key that leads along the passage
// towards the goal column, or an arrow that bumps into rock.
#pragma once

#include <array>
#include <queue>

#include "game/zupi.h"
#include "player/move_by_key.h"

namespace zupi::test {

// The arrow that takes (PosX, PosY) one step along a shortest passage path to
// column 19, or 0 when there is none.
inline Integer KeyTowardsGoal() {
  const int dx[] = {1, 0, 0, -1}, dy[] = {0, -1, 1, 0};
  const Integer key[] = {kKeyRight, kKeyUp, kKeyDown, kKeyLeft};
  std::array<std::array<int, kBoardRows>, kBoardColumns> firstStep;
  for (auto& column : firstStep) column.fill(-1);
  std::queue<std::pair<int, int>> todo;
  firstStep[PosX][PosY] = 4;  // the start itself
  todo.push({PosX, PosY});
  while (!todo.empty()) {
    auto [x, y] = todo.front();
    todo.pop();
    if (x == 19) return key[firstStep[x][y]];
    for (int i = 0; i < 4; ++i) {
      const int nx = x + dx[i], ny = y + dy[i];
      if (nx < 0 || ny < 0 || nx >= kBoardColumns || ny >= kBoardRows) continue;
      if (firstStep[nx][ny] != -1 || CaveMap(nx, ny) == 0) continue;
      firstStep[nx][ny] = firstStep[x][y] == 4 ? i : firstStep[x][y];
      todo.push({nx, ny});
    }
  }
  return 0;
}

// An arrow that runs into rock from where the player stands.
inline Integer KeyIntoRock() {
  if (PosY > 0 && CaveMap(PosX, PosY - 1) == 0) return kKeyUp;
  if (PosY < 9 && CaveMap(PosX, PosY + 1) == 0) return kKeyDown;
  if (CaveMap(PosX + 1, PosY) == 0) return kKeyRight;
  if (PosX > 0 && CaveMap(PosX - 1, PosY) == 0) return kKeyLeft;
  return 0;
}

}  // namespace zupi::test
