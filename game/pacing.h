// Pacing helpers shared by every sequence of the game: Wait paces the game
// while the windows stay alive, the flag wait blocks until a handler clears
// IsRunning, and CenteredOffset is the arithmetic of centring a window. The
// events come from the installed EventSource.
#pragma once

#include "game/zupi.h"

namespace zupi {

// Waits about `seconds` in passes of 100 ms, handling events throughout:
// each pass handles events, sleeps, and handles events again.
void Wait(float seconds);

// The passes of a wait: seconds * 10 in single precision, rounded half to
// even. 0.04 gives none (and no events are handled), 0.25 gives 2.
Integer WaitPasses(float seconds);

// Handles events as they come until IsRunning is false.
void WaitWhileRunning();

// One axis of centring a window, in twips: the difference rounded (half to
// even) in single precision, then halved with the remainder dropped, so a
// window 151 twips wider than the screen gets -75.
int CenteredOffset(int screenTwips, int windowTwips);

}  // namespace zupi
