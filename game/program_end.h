// How the program ends: only when the player (or the system) closes one of
// its windows. From then on no game code may run: the sound stops, and the
// event source makes every window go away and ends the process.
#pragma once

#include "game/event_source.h"
#include "game/qo_wav.h"

namespace zupi {

// Why a window is going away, as its close request tells.
inline constexpr int kUnloadByUser = 0;  // the title bar's close, the window manager
inline constexpr int kUnloadByCode = 1;  // the program's own unload

// The close rule of every window: the program's own unload passes; any
// other unload mode silences `sound` and ends the program through `events`.
void CloseRule(EventSource& events, WaveOutput& sound, int unloadMode);

}  // namespace zupi
