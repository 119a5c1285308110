// Stand-ins for the game window and the speaker that remember what the game
// logic asked of them, so the rules can be checked without a display.
// A test hands them to the logic it calls.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/game_screen.h"
#include "game/qo_wav.h"

namespace zupi::test {

class RecordingScreen : public GameScreen {
 public:
  struct Fill {
    int x1, y1, x2, y2;
    Colour colour;
    bool operator==(const Fill&) const = default;
  };

  void SetBoardBackColor(Colour c) override {
    backColour = c;
    fills.clear();  // a new background wipes the board
    ++wipes;
  }
  void SetBoardForeColor(Colour c) override { foreColour = c; }
  void FillBoardBox(int x1, int y1, int x2, int y2) override {
    fills.push_back({x1, y1, x2, y2, foreColour});
  }
  void FillBoardBoxIn(int x1, int y1, int x2, int y2, Colour c) override {
    fills.push_back({x1, y1, x2, y2, c});
  }
  void SetIconLeft(int twips) override { iconLeft = twips; }
  void SetIconTop(int twips) override { iconTop = twips; }
  void ShowZupi(int index) override { zupi = index; }
  void ShowRousoku(int index) override { rousoku = index; }
  void SetSafeLight(int index, Colour c) override { lamps.at(static_cast<std::size_t>(index)) = c; }

  int RedLamps() const {
    int n = 0;
    for (Colour c : lamps) n += c == kRed;
    return n;
  }

  Colour backColour = -1;
  Colour foreColour = 0;
  std::vector<Fill> fills;
  int wipes = 0;
  int iconLeft = 0;
  int iconTop = 0;
  int zupi = -1;
  int rousoku = -1;
  std::array<Colour, 3> lamps{kGreen, kGreen, kGreen};
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
