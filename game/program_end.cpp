// Ending the program from a window's close request: the one thing that
// could outlive the windows, the sound, is stopped first.
#include "game/program_end.h"

namespace zupi {

void CloseRule(EventSource& events, WaveOutput& sound, int unloadMode) {
  if (unloadMode == kUnloadByCode) return;
  sound.StopAll();
  events.EndProgram();
}

}  // namespace zupi
