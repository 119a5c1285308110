// Board drawing against the GameScreen interface, so the order of fills and
// of random draws can be checked without a window.
#include "cave/draw_cave.h"

#include <cmath>

#include "game/zupi.h"

namespace zupi {
namespace {

constexpr int kCell = kCellTwips;
constexpr Colour kBlack = RGB(0, 0, 0);
constexpr Colour kGoalYellow = RGB(255, 255, 128);

}  // namespace

void DrawCave(GameScreen& board) {
  board.SetBoardBackColor(kBlack);
  if (IsDark) board.SetBoardForeColor(kBlack);
  for (int x = 0; x < kBoardColumns; ++x) {
    for (int y = 0; y < kBoardRows; ++y) {
      if (CaveMap(x, y) == 0) continue;
      board.FillBoardBox(kCell * x, kCell * y, kCell * x + kCell, kCell * y + kCell);
      if (x == kGoalColumn)
        board.FillBoardBoxIn(kCell * x, kCell * y, kCell * x + kCell, kCell * y + kCell, kGoalYellow);
    }
  }
}

Sight SightOf(int x, int y) {
  if (x < 0 || x >= kBoardColumns || y < 0 || y >= kBoardRows) return Sight::Rock;
  const bool passage = CaveMap(x, y) != 0;
  if (passage && x == kGoalColumn) return Sight::Goal;
  if (IsDark) return Sight::Unseen;
  return passage ? Sight::Passage : Sight::Rock;
}

void FlickerLight(GameScreen& board, RandomSequence& random) {
  if (IsDark) return;
  const float r = random.Next();
  // nearbyint rounds halves to even in the default rounding mode.
  const int d = static_cast<int>(std::nearbyint(100.0 + 30.0 * static_cast<double>(r)));
  board.SetBoardForeColor(RGB(d + 10, d, d));
  DrawCave(board);
}

void RousokuTimerTick(GameScreen& screen, RandomSequence& random) {
  FlickerLight(screen, random);
  int candle = kCandleUnlit;
  if (!IsDark) candle = static_cast<int>(std::floor(static_cast<double>(random.Next()) * 2)) + 1;
  screen.ShowRousoku(candle);
}

}  // namespace zupi
