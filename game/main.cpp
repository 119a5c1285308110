// The program's entry point.
#include <cstdio>

#include "game/random.h"

int main() {
  zupi::Randomize();
  std::puts("Grotzel: the game windows are not built yet; run `make test` for now.");
  return 0;
}
