// Seeding the game's random sequence; the draw itself is inline in random.h.
#include "game/random.h"

#include <chrono>
#include <random>

namespace zupi {

void Random::Reset(std::uint64_t seed, std::uint64_t stream) {
  generator_.state = 0;
  generator_.inc = (stream << 1u) | 1u;
  generator_.Next();
  generator_.state += seed;
  generator_.Next();
}

void Random::Randomize() {
  const auto now = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
  std::random_device device;
  const std::uint64_t entropy = (static_cast<std::uint64_t>(device()) << 32) | device();
  Reset(now ^ entropy, entropy ^ (now << 17));
}

void Random::Seed(std::uint64_t seed) { Reset(seed, 0x2545F4914F6CDD1DULL); }

}  // namespace zupi
