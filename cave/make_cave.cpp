// The four diggers. Each comment states the rule a digger keeps; the order of
// the random draws is part of the rule, since a scripted sequence must give
// the same cave every time.
#include "cave/make_cave.h"

#include <array>

namespace zupi {
namespace {

constexpr Integer kPassage = -1;
// A pro walk that needs more draws than this is abandoned and dug again.
constexpr Integer kProDrawLimit = 500;

void Dig(int x, int y) { CaveMap(x, y) = kPassage; }

// Floor of r * n. The product is exact in double (r has 24 bits), and r is
// never negative, so truncation is the floor, without a call into libm.
Integer FloorTimes(float r, int n) {
  return static_cast<Integer>(static_cast<double>(r) * n);
}

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

// A self-avoiding walk in four directions from (0, 5). Up needs y > 1, so row
// 0 is never dug. An attempt whose walker has not entered the goal column
// within 500 draws is thrown away, even when draw 501 carries it there.
//
// This loop runs about 5,700 times per cave, so it is built for speed: the
// walk is dug into a local grid (copied to CaveMap when it succeeds, which
// leaves CaveMap as digging it directly would), the draws come from a
// RandomBatch, and the step has no branches, since a random direction would
// mispredict on almost every draw. A step that leaves its limits is aimed at
// the walker's own cell, which is passage, so the rock test refuses it too.
// The walker's column and row are ints here; they stay within 0..19 and 0..9.
void DigPro(RandomSequence& sequence) {
  // Directions 0 right, 1 left, 2 up, 3 down, with the limit each one keeps:
  // x > minX, y > minY, y < maxY (right needs none: x + 1 is at most 19).
  static constexpr int kDx[4] = {1, -1, 0, 0};
  static constexpr int kDy[4] = {0, 0, -1, 1};
  static constexpr int kMinX[4] = {-1, 0, -1, -1};
  static constexpr int kMinY[4] = {-1, -1, 1, -1};
  static constexpr int kMaxY[4] = {10, 10, 10, 9};

  std::array<Integer, kCaveColumns * kCaveRows> grid;
  auto cell = [&grid](int x, int y) -> Integer& { return grid[x + kCaveColumns * y]; };
  RandomBatch random(sequence);
  Integer n = 1000;  // above the limit, so at least one attempt runs
  while (n > kProDrawLimit) {
    n = 0;
    grid.fill(0);
    int x = 0;
    int y = kStartY;
    cell(x, y) = kPassage;
    while (x < kGoalColumn) {
      const int d = FloorTimes(random.Next(), 4);
      // 0 or 1, multiplied in rather than branched on.
      const int inLimits = (x > kMinX[d]) & (y > kMinY[d]) & (y < kMaxY[d]);
      const int tx = x + kDx[d] * inLimits;
      const int ty = y + kDy[d] * inLimits;
      const int rock = cell(tx, ty) == 0;
      x += (tx - x) * rock;
      y += (ty - y) * rock;
      cell(x, y) = kPassage;  // re-digging the walker's own cell changes nothing
      ++n;
      if (n > kProDrawLimit) break;
    }
  }
  for (int x = 0; x < kBoardColumns; ++x)
    for (int y = 0; y < kBoardRows; ++y) CaveMap(x, y) = cell(x, y);
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
