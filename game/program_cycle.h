// The program cycle: the title screen, one game, the certificate after a game
// that reached level 10, and the title again, for as long as the program runs.
#pragma once

namespace zupi {

// Seeds the random sequence once and runs the cycle. Never returns: the
// program ends when a window is closed (see program_end.h).
[[noreturn]] void Main();

// Shows the title until the start button is pressed, then unloads it.
void ShowTitle();

// Shows the certificate for the level in Level until its button is pressed.
void ShowCertificate();

}  // namespace zupi
