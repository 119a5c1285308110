// The stage loop. Set-up, goal sequence and game over never handle events
// between their steps, so a key or a candle tick always meets a finished
// stage; keys act only inside WaitWhileRunning and Wait.
#include "game/play_game.h"

#include "cave/draw_cave.h"
#include "cave/make_cave.h"
#include "game/messages.h"
#include "game/pacing.h"
#include "game/sounds.h"
#include "player/move_by_key.h"

namespace zupi {
namespace {

constexpr int kGameOverToggles = 6;  // shown and hidden three times

// Sets up the stage that IsDark and Level describe: a new cave for a lit
// stage, the old one for a dark stage.
void SetUpStage(const Host& host, GameWindow& form) {
  const std::string message = StageMessage(Level, IsDark);
  if (!IsDark) MakeCave(host.random, DifficultyForLevel(Level));
  form.SetLabel2(message);
  DrawCave(form);
  form.ShowZupi(kZupiNormal);
  PosX = kStartX;
  PosY = kStartY;
  PlaceIcon(form, PosX, PosY);
  HitCount = 0;
  StageResult = 0;
  for (int lamp = 0; lamp < kLamps; ++lamp) form.SetSafeLight(lamp, kGreen);
  form.StageBegins(StageName(Level, IsDark));
}

// After a goal: a moment of triumph, the startled face as Zupi is whisked
// back to the start, and on to the next stage.
void PlayGoalSequence(const Host& host, GameWindow& form) {
  Wait(host.events, 1.0f);
  form.ShowZupi(kZupiStartled);
  PlayWave(host.sound, kNiroropWav);
  PlaceIcon(form, kStartX, kStartY);
  Wait(host.events, 1.0f);
  IsRunning = true;
  IsDark = !IsDark;
  if (!IsDark) ++Level;
}

}  // namespace

void PlayGame(const Host& host) {
  GameWindow& form = host.windows.LoadForm1();
  form.Show();
  form.CenterForm();
  IsDark = false;
  Level = 1;
  IsRunning = true;

  while (IsRunning) {
    SetUpStage(host, form);
    if (IsDark) Wait(host.events, 0.5f);  // keys already count during this pause
    WaitWhileRunning(host.events);
    if (StageResult != kStageGoal) break;
    PlayGoalSequence(host, form);
  }

  form.GameOver();
  // Three blinks of half a second, starting from hidden.
  for (int i = 0; i < kGameOverToggles; ++i) {
    form.SetGameOverVisible(!form.GameOverVisible());
    Wait(host.events, 0.5f);
  }
  form.SetGameOverVisible(false);
  host.windows.UnloadForm1();
}

}  // namespace zupi
