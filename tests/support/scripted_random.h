// A random sequence that hands out a scripted list of draws, for tests that
// need an exact cave or candle. Running past the end of the script is a test
// fault, so it records that instead of inventing values.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "game/random.h"

namespace zupi::test {

class ScriptedRandom : public RandomSequence {
 public:
  explicit ScriptedRandom(std::vector<float> draws = {}) : draws_(std::move(draws)) {
    SetRandomSequence(this);
  }
  ScriptedRandom(std::initializer_list<float> draws) : ScriptedRandom(std::vector<float>(draws)) {}
  ~ScriptedRandom() override { SetRandomSequence(nullptr); }
  ScriptedRandom(const ScriptedRandom&) = delete;
  ScriptedRandom& operator=(const ScriptedRandom&) = delete;

  float Next() override {
    if (taken_ >= draws_.size()) {
      overrun_ = true;
      return 0.0f;
    }
    return draws_[taken_++];
  }

  std::size_t taken() const { return taken_; }
  std::size_t left() const { return draws_.size() - taken_; }
  bool overrun() const { return overrun_; }

 private:
  std::vector<float> draws_;
  std::size_t taken_ = 0;
  bool overrun_ = false;
};

}  // namespace zupi::test
