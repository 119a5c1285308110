// What the game logic asks of the game window, Form1, while a game runs:
// drawing on the board, moving the icon, swapping the portrait and candle
// pictures and colouring the lamps, and telling how each key was answered.
// The Qt window fills this in and hands itself to the handlers it calls; the stage loop hands on the window it
// loaded; tests hand a recorder instead, so the logic never needs a display.
#pragma once

#include <cstdint>

#include "game/zupi.h"

namespace zupi {

// A colour in the 0x00BBGGRR form that the game stores.
using Colour = std::int32_t;

constexpr Colour RGB(int red, int green, int blue) { return static_cast<Colour>(red | (green << 8) | (blue << 16)); }
constexpr int RedOf(Colour c) { return c & 0xFF; }
constexpr int GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return (c >> 16) & 0xFF; }

inline constexpr Colour kGreen = 65280;  // a lamp with life left
inline constexpr Colour kRed = 255;      // a lamp lost to a bump

// The board is measured in twips, 200 to a cell's side.
inline constexpr int kCellTwips = 200;

// Indexes of the portrait pictures (imgZupiSRC).
inline constexpr int kZupiNormal = 0;
inline constexpr int kZupiStartled = 1;
inline constexpr int kZupiHurt = 2;
inline constexpr int kZupiWink = 3;
// Indexes of the candle pictures (ImgRouSRC).
inline constexpr int kCandleUnlit = 0;

// How a key on the board was answered: a step (also a key that moved
// nothing), a bump into rock, or the goal.
enum class KeyAnswer { Step, Bump, Goal };

class GameScreen {
 public:
  virtual ~GameScreen() = default;

  // Picture1, the board; coordinates in twips from its top-left corner.
  // Setting the background colour wipes everything drawn before.
  virtual void SetBoardBackColor(Colour colour) = 0;
  virtual void SetBoardForeColor(Colour colour) = 0;
  // Fills the box between two corners, outline and inside in the current
  // foreground colour.
  virtual void FillBoardBox(int x1, int y1, int x2, int y2) = 0;
  // The same in the given colour; the foreground colour is not changed.
  virtual void FillBoardBoxIn(int x1, int y1, int x2, int y2, Colour colour) = 0;

  // imgZupiIcon, the player's icon on the board (twips).
  virtual void SetIconLeft(int twips) = 0;
  virtual void SetIconTop(int twips) = 0;

  // imgZupi takes the picture of imgZupiSRC(index), 0 to 3.
  virtual void ShowZupi(int index) = 0;
  // ImgRousoku takes the picture of ImgRouSRC(index), 0 to 2.
  virtual void ShowRousoku(int index) = 0;
  // SafeLight(index), 0 to 2, gets the fill colour.
  virtual void SetSafeLight(int index, Colour colour) = 0;

  // After every key that a running stage takes, once the icon is placed:
  // how it was answered, the cell Zupi now stands on, and the lamps still
  // green. For players who follow the game by ear; nothing is drawn.
  virtual void KeyAnswered(KeyAnswer answer, int x, int y, int lampsLeft) = 0;
};

}  // namespace zupi
