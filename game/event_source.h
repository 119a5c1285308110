// Where the game's waits get their events from. Every wait of the flow
// handles window events through the source it is given: the real program
// gives Qt's event loop (app/qt_event_loop.h); a test gives a scripted
// source that counts passes instead of sleeping and delivers the key
// presses and button clicks it plans at the passes it plans them.
#pragma once

namespace zupi {

class EventSource {
 public:
  virtual ~EventSource() = default;

  // Runs the handler of every pending event, then returns.
  virtual void DoEvents() = 0;
  // The pause in the middle of one pass of Wait, about 100 ms. Events that
  // come meanwhile may be handled at once or at the next DoEvents.
  virtual void HandleEventsForAPass() = 0;
  // Blocks until at least one event has been handled.
  virtual void WaitForEvents() = 0;
  // Ends the program at once: every window goes away and no further code of
  // the game runs. The real program never comes back from it.
  virtual void EndProgram() = 0;
};

}  // namespace zupi
