// The rules of a step. Every key that gets past the IsRunning test, even one
// that moves nothing, is answered on the cell it leaves the player on:
// a step, the goal, or a bump that puts the player back.
#include "player/move_by_key.h"

#include "game/sounds.h"

namespace zupi {

void PlaceIcon(GameScreen& screen, Integer x, Integer y) {
  screen.SetIconLeft(static_cast<Integer>(kCellTwips * x));
  screen.SetIconTop(static_cast<Integer>(kCellTwips * y));
}

void MoveByKey(GameScreen& screen, WaveOutput& sound, Integer keyCode) {
  const Integer oldX = PosX;
  const Integer oldY = PosY;
  if (!IsRunning) return;

  switch (keyCode) {
    case kKeyEscape: IsRunning = false; break;
    case kKeyLeft:
      if (PosX > 0) --PosX;
      break;
    case kKeyUp:
      if (PosY > 0) --PosY;
      break;
    case kKeyRight: ++PosX; break;  // column 19 is either the goal or rock
    case kKeyDown:
      if (PosY < kBoardRows - 1) ++PosY;
      break;
    default: break;
  }

  KeyAnswer answer = KeyAnswer::Step;
  if (CaveMap(PosX, PosY) != 0) {
    if (PosX == kGoalColumn) {
      answer = KeyAnswer::Goal;
      screen.ShowZupi(kZupiWink);
      PlayWave(sound, kPororinWav);
      StageResult = kStageGoal;
      IsRunning = false;
    } else {
      screen.ShowZupi(kZupiNormal);
      PlayWave(sound, kZupiwlkWav);
    }
  } else {
    answer = KeyAnswer::Bump;
    screen.ShowZupi(kZupiHurt);
    PlayWave(sound, kDongWav);
    ++HitCount;
    screen.SetSafeLight(HitCount - 1, kRed);
    if (HitCount > 2) {
      StageResult = kStageCrashed;
      IsRunning = false;
    }
    PosX = oldX;
    PosY = oldY;
  }
  PlaceIcon(screen, PosX, PosY);
  screen.KeyAnswered(answer, PosX, PosY, kLamps - HitCount);
}

}  // namespace zupi
