// The close request of a window. Every window's close event goes through
// QueryUnload, which tells the window's query-unload handler why the window
// is going away: unloaded by the program's own code, or closed by anyone
// else (the user, the window manager, the compositor). The three windows
// hand it the game's close rule, which ends the program on the latter.
#pragma once

#include <functional>

class QCloseEvent;

namespace zupi {

using QueryUnloadHandler = std::function<void(int unloadMode)>;

// The unload mode of a close: by code only while the program itself
// unloads the window. Whether the toolkit calls the event spontaneous
// tells nothing: Qt's Wayland plugin hands a compositor's close over as a
// plain close(), the same call the program's own unload would make.
int UnloadModeOf(bool unloadingByCode);

// Passes the unload mode to `handler` and accepts the close.
void QueryUnload(QCloseEvent* event, bool unloadingByCode, const QueryUnloadHandler& handler);

}  // namespace zupi
