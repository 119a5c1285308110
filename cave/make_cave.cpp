// The four diggers. Each comment states the rule a digger keeps; the order of
// the random draws is part of the rule, since a scripted sequence must give
// the same cave every time.
#include "cave/make_cave.h"

namespace zupi {
namespace {

constexpr Integer kPassage = -1;
// A pro walk that needs more draws than this is abandoned and dug again.
constexpr Integer kProDrawLimit = 500;

void Dig(int x, int y) { CaveMap(x, y) = kPassage; }

// Floor of r * n. The product is exact in double (r has 24 bits), and r is
// never negative, so truncation is the floor, without a call into libm.
Integer FloorTimes(float r, int n) { return static_cast<Integer>(static_cast<double>(r) * n); }

void ClearBoard() {
  for (int x = 0; x < kBoardColumns; ++x)
    for (int y = 0; y < kBoardRows; ++y) CaveMap(x, y) = 0;
}

// Row 5 to a random turn column 10..19, one row up or down there, then
// straight on to the goal column. Exactly two draws.
void DigBeginner(RandomSequence& random) {
  const Integer turn = FloorTimes(random.Next(), 10) + 10;
  Integer y = kStartY;
  for (Integer x = 0; x <= kGoalColumn; ++x) {
    if (x == turn) {
      const float r = random.Next();
      Dig(x, y);
      y = (r < 0.5f) ? 4 : 6;
    }
    Dig(x, y);
  }
}

// One cell per column that shifts a row with probability `shift`. A move up
// from row 0 lands on row 1, a move down from row 9 on row 8, so both the
// edge row and its neighbour are dug. One draw per column plus one per move.
void DigDrifting(RandomSequence& random, float shift) {
  Integer y = kStartY;
  for (Integer x = 0; x <= kGoalColumn; ++x) {
    if (random.Next() < shift) {
      const float r = random.Next();
      Dig(x, y);
      if (r < 0.5f) {
        --y;
        if (y < 0) y = 1;
      } else {
        ++y;
        if (y > 9) y = 8;
      }
    }
    Dig(x, y);
  }
}

// A self-avoiding walk from (0, 5). Each draw picks a direction, a quarter
// of [0, 1) each: right, left, up, down. The walker steps that way when the
// cell there is rock and the step keeps its limit: left needs x > 0, up
// y > 1, so row 0 is never dug, down y < 9; right needs none, since the
// walk ends on entering column 19. A refused step still takes its draw.
// An attempt whose walker has not entered the goal column within 500 draws
// is thrown away, even when draw 501 carries it there, and the walk starts
// again on a clear board. Returns whether the attempt stands.
bool WalkPro(RandomSequence& random) {
  ClearBoard();
  Integer x = 0;
  Integer y = kStartY;
  Dig(x, y);
  for (Integer draws = 1; x < kGoalColumn; ++draws) {
    Integer toX = x;
    Integer toY = y;
    switch (FloorTimes(random.Next(), 4)) {
      case 0: ++toX; break;
      case 1:
        if (x > 0) --toX;
        break;
      case 2:
        if (y > 1) --toY;
        break;
      case 3:
        if (y < 9) ++toY;
        break;
    }
    if (draws > kProDrawLimit) return false;
    if (CaveMap(toX, toY) == 0) {
      x = toX;
      y = toY;
      Dig(x, y);
    }
  }
  return true;
}

void DigPro(RandomSequence& random) {
  while (!WalkPro(random)) {}
}

}  // namespace

void MakeCave(RandomSequence& random, Integer difficulty) {
  ClearBoard();
  switch (difficulty) {
    case kBeginner: DigBeginner(random); break;
    case kIntermediate: DigDrifting(random, 0.2f); break;
    case kAdvanced: DigDrifting(random, 0.4f); break;
    case kPro: DigPro(random); break;
    default: break;  // nothing to dig: the board stays rock
  }
}

Integer DifficultyForLevel(Integer level) {
  if (level <= 3) return kBeginner;
  if (level <= 6) return kIntermediate;
  if (level <= 9) return kAdvanced;
  return kPro;
}

}  // namespace zupi
