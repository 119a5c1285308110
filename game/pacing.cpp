// The waits, over the event source they are given.
#include "game/pacing.h"

#include <cmath>

namespace zupi {

Integer WaitPasses(float seconds) {
  const float product = seconds * 10.0f;  // single precision, as the pacing is defined
  // Rounds half to even, as the default floating-point mode does.
  return static_cast<Integer>(std::nearbyint(product));
}

void Wait(EventSource& events, float seconds) {
  const Integer passes = WaitPasses(seconds);
  for (Integer i = 0; i < passes; ++i) {
    events.DoEvents();
    events.HandleEventsForAPass();
    events.DoEvents();
  }
}

void WaitWhileRunning(EventSource& events) {
  while (IsRunning) events.WaitForEvents();
}

}  // namespace zupi
