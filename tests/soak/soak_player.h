// The soak's automatic player. Called from a 1 ms timer while the program
// cycle waits, it acts as a person would on whatever window is up: starts a
// game from the title, finds the way through a lit cave on CaveMap and walks
// it with a bump or two, walks the remembered way again in the dark, now and
// then presses Escape or a key that means nothing, ends each game on the
// level it planned (by Escape or by three bumps), confirms the certificate,
// and after the last game closes the title as a user would.
#pragma once

#include <Qt>
#include <cstdint>
#include <random>
#include <vector>

#include "game/zupi.h"
#include "tests/soak/game_checks.h"

class Form1;
class Form2;
class Form3;

namespace zupi::soak {

struct Tally {
  int games = 0;
  std::uint64_t stages = 0;
  std::uint64_t keys = 0;
  std::uint64_t bumps = 0;
  int certificates = 0;
};

// Memory at one moment: the process's resident set in kB, and how much of
// it Qt's pixmap cache holds, in whole MB (the widget style keeps the
// buttons it has drawn there).
struct MemoryReading {
  long residentKb = 0;
  long anonymousKb = 0;  // the process's own pages: heap, stacks
  long fileKb = 0;       // pages of mapped files: library code touched so far
  long heapInUseKb = 0;  // what the allocator has handed out and not got back
  int pixmapCacheMb = 0;
};
MemoryReading ReadMemory();

class SoakPlayer {
 public:
  SoakPlayer(int games, int keysPerTick, std::uint32_t seed, GameChecks& checks);

  // One timer tick.
  void Step();

  const Tally& tally() const { return tally_; }
  const MemoryReading& memoryAfterWarmUp() const { return memoryWarm_; }
  const MemoryReading& memoryAtEnd() const { return memoryEnd_; }

  // Games played before the first memory reading.
  static constexpr int kWarmUpGames = 10;

 private:
  // How a game is to end: on which level and stage, and how.
  struct Plan {
    Integer endLevel = 1;
    bool endInDark = false;
    bool byBumps = false;
  };
  // The stage in play and what is left to do in it.
  struct Stage {
    int game = -1;
    Integer level = 0;
    bool dark = false;
    std::size_t next = 0;               // index into the way
    std::vector<std::size_t> bumpsAt;   // way indexes before which to bump
    std::size_t endAt = 0;              // in the last stage: where to give up
    bool last = false;
    long keys = 0;
  };

  void OnTitle(Form3& title);
  void OnCertificate(Form2& certificate);
  void OnStage(Form1& form);
  void OnPause(Form1& form);
  void BeginStage(Form1& form);
  Plan PlanGame();
  Qt::Key NextKey(bool& escape);
  void Press(Form1& form, Qt::Key key);
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  const int games_;
  const int keysPerTick_;
  std::mt19937 rng_;
  GameChecks& checks_;
  Tally tally_;
  Plan plan_;
  Stage stage_;
  std::vector<Qt::Key> way_;  // the lit stage's way, walked again in the dark
  bool certificateSeen_ = false;
  bool closed_ = false;
  MemoryReading memoryWarm_;
  MemoryReading memoryEnd_;
};

}  // namespace zupi::soak
