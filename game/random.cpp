// Seeding and swapping of the program's random sequence; the draw itself is
// inline in random.h.
#include "game/random.h"

#include <chrono>
#include <random>

namespace zupi {
namespace detail {

Pcg32 builtin;
RandomSequence* scripted = nullptr;
std::uint64_t draws = 0;

}  // namespace detail

namespace {

void Seed(std::uint64_t seed, std::uint64_t stream) {
  detail::Pcg32& g = detail::builtin;
  g.state = 0;
  g.inc = (stream << 1u) | 1u;
  g.Next();
  g.state += seed;
  g.Next();
}

}  // namespace

void Randomize() {
  const auto now = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  std::random_device device;
  const std::uint64_t entropy = (static_cast<std::uint64_t>(device()) << 32) | device();
  Seed(now ^ entropy, entropy ^ (now << 17));
}

void SeedRandom(std::uint64_t seed) { Seed(seed, 0x2545F4914F6CDD1DULL); }

void SetRandomSequence(RandomSequence* sequence) { detail::scripted = sequence; }

std::uint64_t RandomDrawCount() { return detail::draws; }

}  // namespace zupi
