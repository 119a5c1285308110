// Caves as text, one string per board row ('#' passage, '.' rock), to read
// at a glance and to diff.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "game/zupi.h"

namespace zupi::test {

// All rock but the rows given, by their numbers.
inline std::vector<std::string> Cave(std::initializer_list<std::pair<int, const char*>> passages) {
  std::vector<std::string> rows(kBoardRows, std::string(kBoardColumns, '.'));
  for (auto [y, row] : passages) rows[static_cast<std::size_t>(y)] = row;
  return rows;
}

inline std::vector<std::string> CaveRows() {
  std::vector<std::string> rows;
  for (int y = 0; y < kBoardRows; ++y) {
    std::string row;
    for (int x = 0; x < kBoardColumns; ++x) row += CaveMap(x, y) != 0 ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

// Loads a cave drawn as text into CaveMap (the board part only).
inline void SetCave(const std::vector<std::string>& rows) {
  for (int y = 0; y < kBoardRows; ++y)
    for (int x = 0; x < kBoardColumns; ++x)
      CaveMap(x, y) = (y < static_cast<int>(rows.size()) && rows[y][x] == '#') ? -1 : 0;
}

}  // namespace zupi::test
