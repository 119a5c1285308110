// --help, --version and the refusal of everything else, printed with
// stdio so that they work without Qt, a display or a sound server.
#include "app/command_line.h"

#include <cstdio>
#include <string_view>

namespace zupi {
namespace {

void PrintUsage(std::FILE* to) {
  std::fputs(
      "Usage: grotzel [--help | --version]\n"
      "Guide Zupi through a dark cave: a keyboard game with a Japanese interface.\n"
      "Started without arguments, it opens its title window.\n"
      "\n"
      "  -h, --help     show this help and exit\n"
      "      --version  show the version and exit\n"
      "\n"
      "On the board: arrow keys move Zupi, Escape ends the game.\n",
      to);
}

}  // namespace

// The build passes the version of the project.
const char* GameVersion() { return GROTZEL_VERSION; }

std::optional<int> HandleCommandLine(int argc, const char* const argv[]) {
  if (argc <= 1) return std::nullopt;
  const std::string_view first = argv[1];
  const bool help = first == "--help" || first == "-h", version = first == "--version";
  if (argc == 2 && help) {
    PrintUsage(stdout);
    return 0;
  }
  if (argc == 2 && version) {
    std::printf("grotzel %s\n", GameVersion());
    return 0;
  }
  // Each option stands alone: name the first argument that does not fit.
  std::fprintf(stderr, "grotzel: unexpected argument '%s'\n", argv[help || version ? 2 : 1]);
  PrintUsage(stderr);
  return 2;
}

}  // namespace zupi
