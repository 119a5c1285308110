// What the game runs on: the three windows, the source of the events that
// every wait handles, the speaker and the random sequence. The program's
// start builds one from Qt's windows and event loop and the mixer; a test
// builds one from stand-ins. Main hands it on to every sequence, and none of
// it is installed anywhere: the eight variables of zupi.h are the only state
// the game keeps at module level.
#pragma once

#include "game/event_source.h"
#include "game/qo_wav.h"
#include "game/random.h"
#include "game/windows.h"

namespace zupi {

struct Host {
  Windows& windows;
  EventSource& events;
  WaveOutput& sound;
  RandomSequence& random;
};

}  // namespace zupi
