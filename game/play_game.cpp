// The stage loop. Set-up, goal sequence and game over never handle events
// between their steps, so a key or a candle tick always meets a finished
// stage; keys act only inside WaitWhileRunning and Wait.
#include "game/play_game.h"

#include <QString>

#include "cave/draw_cave.h"
#include "cave/make_cave.h"
#include "game/messages.h"
#include "game/pacing.h"
#include "game/program_end.h"
#include "game/qo_wav.h"
#include "player/move_by_key.h"
#include "screens/form1.h"

namespace zupi {
namespace {

// Sets up the stage that IsDark and Level describe: a new cave for a lit
// stage, the old one for a dark stage.
void SetUpStage(Form1& form) {
  const std::string message = StageMessage(Level, IsDark);
  if (!IsDark) MakeCave(DifficultyForLevel(Level));
  form.Label2->setCaption(QString::fromStdString(message));
  DrawCave();
  form.ShowZupi(kZupiNormal);
  PosX = 0;
  PosY = 5;
  PlaceIcon(PosX, PosY);
  HitCount = 0;
  StageResult = 0;
  for (int lamp = 0; lamp < 3; ++lamp) form.SetSafeLight(lamp, kGreen);
}

// After a goal: a moment of triumph, the startled face as Zupi is whisked
// back to the start, and on to the next stage.
bool PlayGoalSequence(Form1& form) {
  Wait(1.0f);
  if (ProgramEnded()) return false;
  form.ShowZupi(kZupiStartled);
  PlayWave("nirorop.wav");
  PlaceIcon(0, 5);
  Wait(1.0f);
  if (ProgramEnded()) return false;
  IsRunning = true;
  IsDark = !IsDark;
  if (!IsDark) ++Level;
  return true;
}

}  // namespace

void PlayGame() {
  Form1* form = LoadForm1();
  form->ShowWindow();
  CenterForm(*form);
  IsDark = false;
  Level = 1;
  IsRunning = true;

  while (IsRunning) {
    SetUpStage(*form);
    if (IsDark) Wait(0.5f);  // keys already count during this pause
    WaitWhileRunning();
    if (ProgramEnded()) return;
    if (StageResult != kStageGoal) break;
    if (!PlayGoalSequence(*form)) return;
  }

  // Three blinks of half a second, starting from hidden.
  for (int i = 0; i < 6; ++i) {
    form->lblGameOver->setHidden(!form->lblGameOver->isHidden());
    Wait(0.5f);
    if (ProgramEnded()) return;
  }
  form->lblGameOver->hide();
  UnloadForm1();
}

}  // namespace zupi
