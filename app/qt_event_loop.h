// Qt's event loop as the game's event source. Rather than the blind 100 ms
// sleep of a pass, the thread blocks in the event loop until the pass's
// deadline, so a key pressed during a wait is handled at once and an idle
// wait costs no CPU.
#pragma once

#include <chrono>

#include "game/event_source.h"

namespace zupi {

class QtEventLoop : public EventSource {
 public:
  explicit QtEventLoop(std::chrono::milliseconds pass = std::chrono::milliseconds(100)) : pass_(pass) {}

  // Also deletes what was deleted later (deleteLater), as exec() would.
  void DoEvents() override;
  // Handles events as they come until the pass has lasted its length.
  void HandleEventsForAPass() override;
  void WaitForEvents() override;
  // Hides every window and ends the process with status 0, without
  // unwinding through the toolkit's code.
  void EndProgram() override;

 protected:
  // Every window goes away; the process is still there.
  static void HideEveryWindow();

  std::chrono::milliseconds pass_;
};

}  // namespace zupi
