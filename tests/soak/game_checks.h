// What the soak checks after every key it presses: the game state stays
// inside its bounds (player on passage, counters in range, the rock rim of
// CaveMap untouched), the lamps agree with HitCount, IsRunning agrees with
// how the stage ended, and a key is answered by exactly one sound while a
// stage runs and changes nothing at all while none does. Failures are
// counted; the first few are printed with the state and the cave.
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
  void StopAll() override { ++stops; }

  std::uint64_t plays = 0;
  std::string last;  // the game's names all fit the short-string buffer
  int stops = 0;
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

  BeforeKey Snapshot() const;

  // After a key pressed on the board of `form`; `escape` when it was Escape.
  void AfterKey(const Form1& form, const BeforeKey& before, bool escape);

  // At the first look at a stage: a fresh start on the right message.
  void AtStageStart(const Form1& form);

  // Records a failure; `what` names the broken rule.
  void Fail(const std::string& what);

  std::uint64_t failures() const { return failures_; }

 private:
  void CheckBounds(const Form1& form);
  void CheckRunningKey(const BeforeKey& before, bool escape);
  void CheckIdleKey(const BeforeKey& before);
  void Expect(bool ok, const char* what) {
    if (!ok) Fail(what);
  }

  const CountingSpeaker& speaker_;
  bool escaped_ = false;  // Escape ended the current stage
  std::uint64_t failures_ = 0;
};

// How many of the form's lamps are red.
int RedLamps(const Form1& form);

}  // namespace zupi::soak
