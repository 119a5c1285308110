// The stage loop. Set-up, goal sequence and game over never handle events
// between their steps, so a key or a candle tick always meets a finished
// stage; keys act only inside WaitWhileRunning and Wait.
#include "game/play_game.h"

#include "cave/draw_cave.h"
#include "cave/make_cave.h"
#include "game/messages.h"
#include "game/pacing.h"
#include "game/qo_wav.h"
#include "game/sounds.h"
#include "game/windows.h"
#include "player/move_by_key.h"

namespace zupi {
namespace {

constexpr int kLamps = 3;
constexpr int kGameOverToggles = 6;  // shown and hidden three times

// Sets up the stage that IsDark and Level describe: a new cave for a lit
// stage, the old one for a dark stage.
void SetUpStage(GameWindow& form) {
  const std::string message = StageMessage(Level, IsDark);
  if (!IsDark) MakeCave(DifficultyForLevel(Level));
  form.SetLabel2(message);
  DrawCave();
  form.ShowZupi(kZupiNormal);
  PosX = kStartX;
  PosY = kStartY;
  PlaceIcon(PosX, PosY);
  HitCount = 0;
  StageResult = 0;
  for (int lamp = 0; lamp < kLamps; ++lamp) form.SetSafeLight(lamp, kGreen);
}

// After a goal: a moment of triumph, the startled face as Zupi is whisked
// back to the start, and on to the next stage.
void PlayGoalSequence(GameWindow& form) {
  Wait(1.0f);
  form.ShowZupi(kZupiStartled);
  PlayWave(kNiroropWav);
  PlaceIcon(kStartX, kStartY);
  Wait(1.0f);
  IsRunning = true;
  IsDark = !IsDark;
  if (!IsDark) ++Level;
}

}  // namespace

void PlayGame() {
  Windows& windows = CurrentWindows();
  GameWindow& form = windows.LoadForm1();
  form.Show();
  form.CenterForm();
  IsDark = false;
  Level = 1;
  IsRunning = true;

  while (IsRunning) {
    SetUpStage(form);
    if (IsDark) Wait(0.5f);  // keys already count during this pause
    WaitWhileRunning();
    if (StageResult != kStageGoal) break;
    PlayGoalSequence(form);
  }

  // Three blinks of half a second, starting from hidden.
  for (int i = 0; i < kGameOverToggles; ++i) {
    form.SetGameOverVisible(!form.GameOverVisible());
    Wait(0.5f);
  }
  form.SetGameOverVisible(false);
  windows.UnloadForm1();
}

}  // namespace zupi
