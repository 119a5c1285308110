// The soak's checks of the game state around each key, and the failure log.
#include "tests/soak/game_checks.h"

#include <cstdio>

#include "game/game_screen.h"
#include "game/messages.h"
#include "screens/controls.h"
#include "screens/form1.h"
#include "screens/twips.h"
#include "tests/support/cave_text.h"

namespace zupi::soak {
namespace {

constexpr std::uint64_t kFailuresShown = 10;

bool OnBoard(int x, int y) { return x >= 0 && x < kBoardColumns && y >= 0 && y < kBoardRows; }

// Column 20 and row 10 are the rock that a step off the board meets.
bool RimIsRock() {
  for (int y = 0; y < kCaveRows; ++y)
    if (CaveMap(kCaveColumns - 1, y) != 0) return false;
  for (int x = 0; x < kCaveColumns; ++x)
    if (CaveMap(x, kCaveRows - 1) != 0) return false;
  return true;
}

}  // namespace

int RedLamps(const Form1& form) {
  int red = 0;
  for (const ShapeControl* lamp : form.SafeLight) red += lamp->fillColor() == QColorOf(kRed);
  return red;
}

BeforeKey GameChecks::Snapshot() const {
  return {PosX, PosY, HitCount, StageResult, IsRunning, speaker_.plays};
}

void GameChecks::AfterKey(const Form1& form, const BeforeKey& before, bool escape) {
  if (before.running) {
    CheckRunningKey(before, escape);
    // The icon follows the player only while a key is answered.
    const QPoint icon(TwipsToPixels(200 * PosX), TwipsToPixels(200 * PosY));
    Expect(form.imgZupiIcon->pos() == icon, "the icon stands on the player's cell");
  } else {
    CheckIdleKey(before);
  }
  CheckBounds(form);
}

void GameChecks::AtStageStart(const Form1& form) {
  escaped_ = false;
  Expect(PosX == 0 && PosY == 5, "a stage starts on (0, 5)");
  Expect(HitCount == 0 && StageResult == kStageEscaped, "a stage starts with no bumps and no result");
  Expect(RedLamps(form) == 0, "a stage starts with three green lamps");
  Expect(form.Label2->caption() == QString::fromStdString(StageMessage(Level, IsDark)),
         "the message names the stage");
  CheckBounds(form);
}

void GameChecks::CheckBounds(const Form1& form) {
  Expect(OnBoard(PosX, PosY), "PosX in 0..19 and PosY in 0..9");
  if (OnBoard(PosX, PosY)) Expect(CaveMap(PosX, PosY) != 0, "the player stands on passage");
  Expect(HitCount >= 0 && HitCount <= 3, "HitCount in 0..3");
  Expect(RedLamps(form) == HitCount, "one red lamp per bump");
  Expect(StageResult >= kStageEscaped && StageResult <= kStageCrashed, "StageResult in 0..2");
  Expect(!IsRunning || StageResult == kStageEscaped, "a stage that has ended does not run");
  Expect(IsRunning || StageResult != kStageEscaped || escaped_,
         "a stage stops only at the goal, the third bump or Escape");
  Expect((StageResult == kStageGoal) == (PosX == 19), "the goal result goes with column 19");
  Expect((StageResult == kStageCrashed) == (HitCount == 3), "the third bump ends the stage");
  Expect(RimIsRock(), "column 20 and row 10 stay rock");
}

// A key in a running stage: one sound, one cell at most, one bump at most.
void GameChecks::CheckRunningKey(const BeforeKey& before, bool escape) {
  if (escape && !IsRunning && StageResult == kStageEscaped) escaped_ = true;
  Expect(speaker_.plays == before.plays + 1, "a key in a stage is answered by one sound");
  const int step = std::abs(PosX - before.x) + std::abs(PosY - before.y);
  Expect(step <= 1, "a key moves the player one cell at most");
  Expect(HitCount == before.hits || HitCount == before.hits + 1, "a key bumps once at most");
  if (HitCount != before.hits) Expect(step == 0, "a bump leaves the player where they were");
  if (escape) Expect(!IsRunning && step == 0, "Escape ends the stage in place");
}

// A key while no stage runs is ignored outright.
void GameChecks::CheckIdleKey(const BeforeKey& before) {
  Expect(PosX == before.x && PosY == before.y && HitCount == before.hits &&
             StageResult == before.result && !IsRunning,
         "a key between stages changes nothing");
  Expect(speaker_.plays == before.plays, "a key between stages makes no sound");
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
