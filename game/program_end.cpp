// Ending the program from inside any handler: the one thing that must not
// outlive us, the sound, is stopped first.
#include "game/program_end.h"

#include "game/event_source.h"
#include "game/qo_wav.h"

namespace zupi {

void CloseRule(int unloadMode) {
  if (unloadMode != kUnloadByCode) EndProgram();
}

void EndProgram() {
  if (WaveOutput* output = CurrentWaveOutput()) output->StopAll();
  CurrentEventSource().EndProgram();
}

}  // namespace zupi
