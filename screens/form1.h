// Form1, the game window: the cave board with the player's icon and the
// "GAME OVER" label on it, the stage message, the three bump lamps, the
// candle and the portrait. It holds no game logic: it draws what the game
// asks for through GameScreen, passes the board's keys to MoveByKey and runs
// the candle timer. Like the forms of the old toolkit it is loaded and
// unloaded by the game flow, and every load starts from the layout again.
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>

#include "game/game_screen.h"
#include "screens/board_box.h"
#include "screens/controls.h"
#include "screens/form_window.h"

class Form1 : public zupi::FormWindow, public zupi::GameScreen {
  Q_OBJECT

 public:
  // Builds every control from the layout, starts the candle timer and
  // installs the window as the game's screen. Hidden until shown.
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // Shows the window in front, active, with the keyboard focus on the board,
  // also where no window manager activates new windows.
  void ShowWindow();

  // zupi::GameScreen
  void SetBoardBackColor(zupi::Colour colour) override;
  void SetBoardForeColor(zupi::Colour colour) override;
  void FillBoardBox(int x1, int y1, int x2, int y2) override;
  void FillBoardBoxIn(int x1, int y1, int x2, int y2, zupi::Colour colour) override;
  void SetIconLeft(int twips) override;
  void SetIconTop(int twips) override;
  void ShowZupi(int index) override;
  void ShowRousoku(int index) override;
  void SetSafeLight(int index, zupi::Colour colour) override;

  // The controls, under the names the game flow knows them by.
  BoardBox* Picture1;
  LabelControl* lblGameOver;
  ImageControl* imgZupiIcon;
  LabelControl* Label2;
  LabelControl* Label1;
  std::array<ShapeControl*, 3> SafeLight;
  ShapeControl* Shape1;
  ImageControl* imgZupi;
  std::array<ImageControl*, 4> imgZupiSRC;
  std::array<ImageControl*, 3> ImgRouSRC;
  ImageControl* ImgRousoku;
  QTimer* rousokuTimer;

 protected:

 private:
  void createBoard();
  void createMessageAndLamps();
  void createPictures();
  void createTimer();
};

// Loads the game window, hidden, unless it is loaded already; returns it.
Form1* LoadForm1();
// The loaded game window, or nullptr.
Form1* LoadedForm1();
// Destroys the loaded game window at once: its timer stops and everything a
// game changed on it is gone. No close event is raised.
void UnloadForm1();
