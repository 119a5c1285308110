// How the program ends: only when the player (or the system) closes one of
// its windows. From then on no game code may run: the sound stops, every
// window goes away and the process exits with status 0. Tests replace the
// exit with a no-op; the waits then return at once and the sequences stop
// at their next step, so nothing further happens either.
#pragma once

namespace zupi {

// The close rule of every window: unload mode 1 is the program's own
// unload and passes; any other mode ends the program.
void CloseRule(int unloadMode);

// Stops the sound, hides every window and ends the process.
void EndProgram();

// True once EndProgram has run.
bool ProgramEnded();

// For tests: what EndProgram does last instead of exiting, and a way back.
void SetEndAction(void (*action)());
void ResetProgramEnd();

}  // namespace zupi
