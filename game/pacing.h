// Pacing helpers shared by every sequence of the game: Wait paces the game
// while the windows stay alive, and the flag wait blocks until a handler
// clears IsRunning. Both handle their events through the source given.
#pragma once

#include "game/event_source.h"
#include "game/zupi.h"

namespace zupi {

// Waits about `seconds` in passes of 100 ms, handling events throughout:
// each pass handles events, pauses, and handles events again.
void Wait(EventSource& events, float seconds);

// The passes of a wait: seconds * 10 in single precision, rounded half to
// even. 0.04 gives none (and no events are handled), 0.25 gives 2.
Integer WaitPasses(float seconds);

// Handles events as they come until IsRunning is false.
void WaitWhileRunning(EventSource& events);

}  // namespace zupi
