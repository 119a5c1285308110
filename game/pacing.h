// Pacing and window helpers shared by every sequence of the game: Wait paces
// the game while the windows stay alive, the flag wait blocks until a handler
// clears IsRunning, and CenterForm puts a window in the middle of the screen.
// All of them return at once once the program has been told to end.
#pragma once

#include <chrono>

#include "game/zupi.h"

class QWidget;

namespace zupi {

// Handles every pending window event, then returns.
void DoEvents();

// Waits about `seconds` in passes of 100 ms, handling events throughout.
// The number of passes is seconds * 10 in single precision, rounded half to
// even: 0.04 gives none (and no events are handled), 0.25 gives 2.
void Wait(float seconds);
Integer WaitPasses(float seconds);

// Blocks, handling events as they come, until IsRunning is false. Uses no CPU
// while nothing happens.
void WaitWhileRunning();

// Tests shorten a pass to keep suites fast; the number of passes is unchanged.
void SetWaitPassLength(std::chrono::milliseconds length);

// Moves `window` so that its outer frame stands in the middle of the
// primary screen.
void CenterForm(QWidget& window);

// One axis of CenterForm in twips: the difference rounded (half to even) in
// single precision, then halved with the remainder dropped, so a window 151
// twips wider than the screen gets -75.
int CenteredOffset(int screenTwips, int windowTwips);

}  // namespace zupi
