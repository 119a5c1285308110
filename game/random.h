// The program's one random sequence: uniform single-precision values r with
// 0 <= r < 1, seeded once from the clock at start-up and drawn from by the
// cave generator and the candle light, in the order their rules state.
// Tests put a scripted sequence in its place and count the draws taken.
#pragma once

#include <cstdint>

namespace zupi {

// A replacement for the built-in sequence (see SetRandomSequence).
class RandomSequence {
 public:
  virtual ~RandomSequence() = default;
  // Must return a value in [0, 1).
  virtual float Next() = 0;
};

// The next value of the sequence, 0 <= r < 1 (never 1.0).
inline float Rnd();

// Seeds the built-in sequence from a nanosecond clock mixed with
// std::random_device, so two runs started in the same second differ.
void Randomize();

// Seeds the built-in sequence with a fixed value, for reproducible runs.
void SeedRandom(std::uint64_t seed);

// Draws from `sequence` instead of the built-in one until called again with
// nullptr. The caller keeps ownership.
void SetRandomSequence(RandomSequence* sequence);

// How many values Rnd() has handed out since the program started.
std::uint64_t RandomDrawCount();

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

extern Pcg32 builtin;
extern RandomSequence* scripted;
extern std::uint64_t draws;

}  // namespace detail

// Inline because the pro cave digger draws thousands of times per cave.
// The top 24 bits become k * 2^-24: exactly a float, and strictly below 1.0
// (the library's float distributions can round up to 1.0).
inline float Rnd() {
  ++detail::draws;
  if (detail::scripted != nullptr) [[unlikely]]
    return detail::scripted->Next();
  return static_cast<float>(detail::builtin.Next() >> 8) * (1.0f / 16777216.0f);
}

// Draws for a hot loop: the same values in the same order as calling Rnd()
// each time, but the built-in generator's state stays in a local copy (and
// so in registers) until the batch ends. Nothing else may draw meanwhile.
class RandomBatch {
 public:
  RandomBatch() : generator_(detail::builtin), scripted_(detail::scripted) {}
  ~RandomBatch() {
    if (scripted_ == nullptr) detail::builtin = generator_;
    detail::draws += taken_;
  }
  RandomBatch(const RandomBatch&) = delete;
  RandomBatch& operator=(const RandomBatch&) = delete;

  float Next() {
    ++taken_;
    if (scripted_ != nullptr) [[unlikely]]
      return scripted_->Next();
    return static_cast<float>(generator_.Next() >> 8) * (1.0f / 16777216.0f);
  }

 private:
  detail::Pcg32 generator_;
  RandomSequence* scripted_;
  std::uint64_t taken_ = 0;
};

}  // namespace zupi
