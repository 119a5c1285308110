// Stand-ins for the game window and the speaker that remember what the game
// logic asked of them, so the rules can be checked without a display.
// A test hands them to the logic it calls.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "game/game_screen.h"
#include "game/qo_wav.h"

namespace zupi::test {

// What a key does to the window: the icon, the portrait and the lamps; the
// board's drawing the window test sees on screen.
class RecordingScreen : public GameScreen {
 public:
  void SetBoardBackColor(Colour) override {}
  void SetBoardForeColor(Colour) override {}
  void FillBoardBox(int, int, int, int) override {}
  void FillBoardBoxIn(int, int, int, int, Colour) override {}
  void SetIconLeft(int twips) override { iconLeft = twips; }
  void SetIconTop(int twips) override { iconTop = twips; }
  void ShowZupi(int index) override { zupi = index; }
  void ShowRousoku(int) override {}
  void SetSafeLight(int index, Colour c) override { lamps.at(static_cast<std::size_t>(index)) = c; }
  struct Answered {
    KeyAnswer answer;
    int x, y, lampsLeft;
    bool operator==(const Answered&) const = default;
  };
  void KeyAnswered(KeyAnswer answer, int x, int y, int lampsLeft) override {
    answers.push_back({answer, x, y, lampsLeft});
  }

  int RedLamps() const { return int(std::count(lamps.begin(), lamps.end(), kRed)); }

  int iconLeft = 0;
  int iconTop = 0;
  int zupi = -1;
  std::array<Colour, 3> lamps{kGreen, kGreen, kGreen};
  std::vector<Answered> answers;
};

class RecordingSpeaker : public WaveOutput {
 public:
  void Play(std::string_view name) override { played.emplace_back(name); }
  void StopAll() override { ++stops; }

  std::string Last() const { return played.empty() ? std::string() : played.back(); }

  std::vector<std::string> played;
  int stops = 0;
};

}  // namespace zupi::test
