// The program's one random sequence: uniform single-precision values r with
// 0 <= r < 1, seeded once from the clock by Main and drawn from by the cave
// generator and the candle light, in the order their rules state. The
// sequence is handed to them; a test hands them a scripted one instead.
#pragma once

#include <cstdint>

namespace zupi {

class RandomSequence {
 public:
  virtual ~RandomSequence() = default;
  // The next value; must lie in [0, 1).
  virtual float Next() = 0;
  // Seeds the sequence from the clock, as Main does once before the first
  // title. A sequence that a test scripts or seeds is left as it is.
  virtual void Randomize() {}
};

namespace detail {

// PCG32 (O'Neill): small, fast and good enough for a game.
struct Pcg32 {
  std::uint64_t state = 0x853c49e6748fea9bULL;
  std::uint64_t inc = 0xda3e39cb94b95bdbULL;

  std::uint32_t Next() {
    const std::uint64_t old = state;
    state = old * 6364136223846793005ULL + inc;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rot = static_cast<std::uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
  }
};

// The top 24 bits become k * 2^-24: exactly a float, and strictly below 1.0
// (the library's float distributions can round up to 1.0).
inline float ToUnit(std::uint32_t bits) { return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f); }

}  // namespace detail

// The game's own sequence, on PCG32.
class Random : public RandomSequence {
 public:
  // The generator's fixed starting state, until Randomize or Seed.
  Random() = default;
  // A fixed seed, for runs that must repeat.
  explicit Random(std::uint64_t seed) { Seed(seed); }

  float Next() final {
    ++draws_;
    return detail::ToUnit(generator_.Next());
  }
  // From a nanosecond clock mixed with std::random_device, so two runs
  // started in the same second differ.
  void Randomize() override;
  void Seed(std::uint64_t seed);

  // How many values the sequence has handed out.
  std::uint64_t draws() const { return draws_; }

 private:
  void Reset(std::uint64_t seed, std::uint64_t stream);

  detail::Pcg32 generator_;
  std::uint64_t draws_ = 0;
};

}  // namespace zupi
