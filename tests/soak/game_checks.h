// What the soak checks around every key it presses on the real windows:
// a stage starts fresh on its own message, the player stands on passage,
// the lamps agree with HitCount, the stage stops only for the goal, the
// third bump or Escape, a key in a stage is answered by exactly one sound
// with the icon on the player, and a key while no stage runs changes
// nothing. The logic's finer rules are the unit tests' business. Failures
// are counted; the first few are printed with the state and the cave.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/qo_wav.h"
#include "game/zupi.h"

class Form1;

namespace zupi::soak {

// Counts the sounds instead of keeping them, so a long run does not grow.
class CountingSpeaker : public WaveOutput {
 public:
  CountingSpeaker() { SetWaveOutput(this); }
  ~CountingSpeaker() override { SetWaveOutput(nullptr); }
  CountingSpeaker(const CountingSpeaker&) = delete;
  CountingSpeaker& operator=(const CountingSpeaker&) = delete;

  void Play(std::string_view name) override {
    ++plays;
    last.assign(name);
  }
  void StopAll() override {}

  std::uint64_t plays = 0;
  std::string last;
};

// The state just before a key, to judge what the key did.
struct BeforeKey {
  Integer x, y, hits, result;
  bool running;
  std::uint64_t plays;
};

class GameChecks {
 public:
  explicit GameChecks(const CountingSpeaker& speaker) : speaker_(speaker) {}

  BeforeKey Snapshot() const { return {PosX, PosY, HitCount, StageResult, IsRunning, speaker_.plays}; }

  // After a key pressed on the board of `form`; `escape` when it was Escape.
  void AfterKey(const Form1& form, const BeforeKey& before, bool escape);

  // At the first look at a stage: a fresh start on the right message.
  void AtStageStart(const Form1& form);

  // Records a failure; `what` names the broken rule.
  void Fail(const std::string& what);
  void Expect(bool ok, const char* what) {
    if (!ok) Fail(what);
  }

  std::uint64_t failures() const { return failures_; }

 private:
  void CheckState(const Form1& form);

  const CountingSpeaker& speaker_;
  bool escaped_ = false;  // Escape ended the current stage
  std::uint64_t failures_ = 0;
};

}  // namespace zupi::soak
