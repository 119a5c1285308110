// Random sequences for tests: a scripted list of draws that records a run
// past its end, and the game's own sequence that Randomize leaves seeded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/random.h"

namespace zupi::test {

class ScriptedRandom : public RandomSequence {
 public:
  explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}

  float Next() override {
    if (taken_ >= draws_.size()) {
      overrun_ = true;
      return 0.0f;
    }
    return draws_[taken_++];
  }

  std::size_t left() const { return draws_.size() - taken_; }
  bool overrun() const { return overrun_; }

 private:
  std::vector<float> draws_;
  std::size_t taken_ = 0;
  bool overrun_ = false;
};

class SeededRandom : public Random {
 public:
  explicit SeededRandom(std::uint64_t seed) : Random(seed) {}
  void Randomize() override {}
};

}  // namespace zupi::test
