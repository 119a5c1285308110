// The waits, over whatever event source is installed.
#include "game/pacing.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "game/event_source.h"

namespace zupi {
namespace {

// With no source installed nothing can ever end a wait that needs an event.
class NoEvents : public EventSource {
 public:
  void DoEvents() override {}
  void Sleep() override {}
  void WaitForEvents() override { Abort(); }
  void EndProgram() override { Abort(); }

 private:
  [[noreturn]] static void Abort() {
    std::fputs("grotzel: waiting without an event source\n", stderr);
    std::abort();
  }
};

NoEvents noEvents;
EventSource* source = &noEvents;

// Rounds half to even, as the default floating-point mode does.
int RoundHalfEven(float value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

void SetEventSource(EventSource* s) { source = s != nullptr ? s : &noEvents; }

EventSource& CurrentEventSource() { return *source; }

Integer WaitPasses(float seconds) {
  const float product = seconds * 10.0f;  // single precision, as the pacing is defined
  return static_cast<Integer>(RoundHalfEven(product));
}

void Wait(float seconds) {
  const Integer passes = WaitPasses(seconds);
  for (Integer i = 0; i < passes; ++i) {
    source->DoEvents();
    source->Sleep();
    source->DoEvents();
  }
}

void WaitWhileRunning() {
  while (IsRunning) source->WaitForEvents();
}

int CenteredOffset(int screenTwips, int windowTwips) {
  const int difference = RoundHalfEven(static_cast<float>(screenTwips - windowTwips));
  return difference / 2;  // integer division truncates toward zero
}

}  // namespace zupi
