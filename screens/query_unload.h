// The close request of a window. Every window's close event goes through
// QueryUnload, which tells the window's query-unload handler why the window
// is going away: closed by the user (or the window manager), or unloaded by
// code. The three windows hand it the game's close rule, which ends the
// program when the user closes a window.
#pragma once

#include <functional>

class QCloseEvent;

namespace zupi {

using QueryUnloadHandler = std::function<void(int unloadMode)>;

// The unload mode of a close event: a spontaneous one comes from outside
// the program.
int UnloadModeOf(const QCloseEvent& event);

// Passes the unload mode to `handler` and accepts the close.
void QueryUnload(QCloseEvent* event, const QueryUnloadHandler& handler);

}  // namespace zupi
