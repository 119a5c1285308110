// A player for tests: the way along the passage to the goal column, and an
// arrow that bumps into rock.
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <queue>
#include <vector>

#include "game/zupi.h"
#include "player/move_by_key.h"

namespace zupi::test {

// The arrows of a shortest path to column 19 over the cells `passage` takes
// (CaveMap's unless given), from the player's cell unless given; empty if none.
inline std::vector<Integer> WayToGoal(const std::function<bool(int, int)>& passage = {}, int fromX = PosX,
                                      int fromY = PosY) {
  constexpr int dx[] = {1, 0, 0, -1}, dy[] = {0, -1, 1, 0};
  constexpr Integer keys[] = {kKeyRight, kKeyUp, kKeyDown, kKeyLeft};
  std::array<int, kBoardColumns * kBoardRows> from;  // the direction that led here
  from.fill(-1);
  std::queue<std::pair<int, int>> todo;
  todo.push({fromX, fromY});
  from[fromX + kBoardColumns * fromY] = 4;  // the start itself
  while (!todo.empty()) {
    auto [x, y] = todo.front();
    todo.pop();
    if (x == 19) {
      std::vector<Integer> way;
      for (int d; (d = from[x + kBoardColumns * y]) != 4; x -= dx[d], y -= dy[d]) way.push_back(keys[d]);
      std::reverse(way.begin(), way.end());
      return way;
    }
    for (int d = 0; d < 4; ++d) {
      const int nx = x + dx[d], ny = y + dy[d];
      if (nx < 0 || ny < 0 || nx >= kBoardColumns || ny >= kBoardRows) continue;
      if (from[nx + kBoardColumns * ny] != -1 || !(passage ? passage(nx, ny) : CaveMap(nx, ny) != 0)) continue;
      from[nx + kBoardColumns * ny] = d;
      todo.push({nx, ny});
    }
  }
  return {};
}

// The next arrow towards the goal, or 0 when there is no way.
inline Integer KeyTowardsGoal() {
  const std::vector<Integer> way = WayToGoal();
  return way.empty() ? 0 : way.front();
}

// An arrow that runs into rock from where the player stands, or 0.
inline Integer KeyIntoRock() {
  if (PosY > 0 && CaveMap(PosX, PosY - 1) == 0) return kKeyUp;
  if (PosY < 9 && CaveMap(PosX, PosY + 1) == 0) return kKeyDown;
  if (CaveMap(PosX + 1, PosY) == 0) return kKeyRight;
  if (PosX > 0 && CaveMap(PosX - 1, PosY) == 0) return kKeyLeft;
  return 0;
}

}  // namespace zupi::test
