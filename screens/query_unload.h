// The close request of a window. Every window's close event goes through
// QueryUnload, which tells the installed handler why the window is going
// away: closed by the user (or the window manager), or unloaded by code.
// The program cycle installs the handler; it ends the program when the user
// closes a window.
#pragma once

#include "game/program_end.h"

class QCloseEvent;

namespace zupi {

using QueryUnloadHandler = void (*)(int unloadMode);

// Installs the handler; nullptr removes it.
void SetQueryUnloadHandler(QueryUnloadHandler handler);

// The unload mode of a close event: a spontaneous one comes from outside
// the program.
int UnloadModeOf(const QCloseEvent& event);

// Passes the unload mode to the handler, if one is installed, and accepts
// the close.
void QueryUnload(QCloseEvent* event);

}  // namespace zupi
