// Ending the program from inside any handler, however deep in nested event
// processing: _Exit leaves at once without unwinding through toolkit code,
// after the one thing that must not outlive us, the sound, is stopped.
#include "game/program_end.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "game/qo_wav.h"

namespace zupi {
namespace {

bool ended = false;

void ExitNow() {
  std::fflush(nullptr);
  std::_Exit(0);
}

void (*endAction)() = ExitNow;

}  // namespace

void CloseRule(int unloadMode) {
  if (unloadMode != 1) EndProgram();
}

void EndProgram() {
  if (ended) return;
  ended = true;
  if (WaveOutput* output = CurrentWaveOutput()) output->StopAll();
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  endAction();
}

bool ProgramEnded() { return ended; }

void SetEndAction(void (*action)()) { endAction = action != nullptr ? action : ExitNow; }

void ResetProgramEnd() { ended = false; }

}  // namespace zupi
