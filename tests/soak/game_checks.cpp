// The soak's checks of the game state around each key, and the failure log.
#include "tests/soak/game_checks.h"

#include <cstdio>

#include "game/game_screen.h"
#include "game/messages.h"
#include "screens/controls.h"
#include "screens/form1.h"
#include "tests/support/qt_run.h"
#include "screens/twips.h"
#include "tests/support/cave_text.h"

namespace zupi::soak {
namespace {

constexpr std::uint64_t kFailuresShown = 10;

int RedLamps(const Form1& form) {
  int red = 0;
  for (const char* lamp : {"SafeLight(0)", "SafeLight(1)", "SafeLight(2)"})
    red += test::Control<ShapeControl>(&form, lamp)->fillColor() == QColorOf(kRed);
  return red;
}

}  // namespace

void GameChecks::AfterKey(const Form1& form, const BeforeKey& before, bool escape) {
  if (before.running) {
    if (escape && !IsRunning && StageResult == kStageEscaped) escaped_ = true;
    Expect(speaker_.plays == before.plays + 1, "a key in a stage is answered by one sound");
    const QPoint icon(TwipsToPixels(kCellTwips * PosX), TwipsToPixels(kCellTwips * PosY));
    Expect(test::Control<QWidget>(&form, "imgZupiIcon")->pos() == icon, "the icon stands on the player's cell");
  } else {
    Expect(PosX == before.x && PosY == before.y && HitCount == before.hits &&
               StageResult == before.result && !IsRunning && speaker_.plays == before.plays,
           "a key between stages changes nothing and makes no sound");
  }
  CheckState(form);
}

void GameChecks::AtStageStart(const Form1& form) {
  escaped_ = false;
  Expect(PosX == kStartX && PosY == kStartY && HitCount == 0 && StageResult == kStageEscaped,
         "a stage starts on (0, 5) with no bumps and no result");
  Expect(test::Control<LabelControl>(&form, "Label2")->caption() == QString::fromStdString(StageMessage(Level, IsDark)),
         "the message names the stage");
  CheckState(form);
}

void GameChecks::CheckState(const Form1& form) {
  const bool onBoard = PosX >= 0 && PosX < kBoardColumns && PosY >= 0 && PosY < kBoardRows;
  Expect(onBoard && CaveMap(PosX, PosY) != 0, "the player stands on passage on the board");
  Expect(RedLamps(form) == HitCount, "one red lamp per bump");
  const bool ended = StageResult == kStageGoal || StageResult == kStageCrashed || escaped_;
  Expect(IsRunning != ended, "a stage stops only at the goal, the third bump or Escape");
}

void GameChecks::Fail(const std::string& what) {
  ++failures_;
  if (failures_ > kFailuresShown) return;
  std::fprintf(stderr,
               "soak: FAILED: %s\n  Level %d%s PosX %d PosY %d HitCount %d StageResult %d "
               "IsRunning %d last sound %s\n%s",
               what.c_str(), Level, IsDark ? "-B" : "-A", PosX, PosY, HitCount, StageResult,
               IsRunning ? 1 : 0, speaker_.last.c_str(), test::CaveText().c_str());
}

}  // namespace zupi::soak
