// The game's command line. The game itself takes no arguments; the options
// here are the ones a user expects of any installed program, answered on
// the terminal before any window or display is touched.
#pragma once

#include <optional>

namespace zupi {

// Reads the arguments. Returns nothing when the game should start (no
// arguments), else the status the program should exit with at once:
// 0 after printing the usage (--help, -h) or the version (--version) to
// standard output, 2 after printing the usage to standard error for
// anything else.
std::optional<int> HandleCommandLine(int argc, const char* const argv[]);

// The game's version, as --version prints it ("1.0.0").
const char* GameVersion();

}  // namespace zupi
