// The program cycle: the title screen, one game, the certificate after a game
// that reached level 10, and the title again, for as long as the program runs.
#pragma once

#include "game/host.h"

namespace zupi {

// Seeds the host's random sequence once and runs the cycle on the host.
// Never returns: the program ends when a window is closed (see
// program_end.h).
[[noreturn]] void Main(const Host& host);

// Shows the title until the start button is pressed, then unloads it.
void ShowTitle(const Host& host);

// Shows the certificate for the level in Level until its button is pressed.
void ShowCertificate(const Host& host);

}  // namespace zupi
