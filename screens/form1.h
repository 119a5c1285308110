// Form1, the game window: the cave board with the player's icon and the
// "GAME OVER" label on it, the stage message, the three bump lamps, the
// candle and the portrait. It holds no game logic: it does what the game
// asks through GameWindow, passes the board's keys to MoveByKey and runs
// the candle timer. Like the forms of the old toolkit it is loaded and
// unloaded by the game flow (see forms.h), and every load starts from the
// layout again. Each control carries its layout name as its object name.
// For a screen reader it names its controls, moves the accessibility focus
// to Zupi's cell after each key and announces stages, bumps, the goal and
// the end.
#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>

#include "game/windows.h"
#include "screens/board_box.h"
#include "screens/controls.h"
#include "screens/form_window.h"

class Form1 : public zupi::FormWindow, public zupi::GameWindow {
  Q_OBJECT

 public:
  // Builds every control from the layout and starts the candle timer.
  // Hidden until shown.
  explicit Form1(const zupi::FormHost& host);

  // The picture of imgZupiSRC(index), for the title window's Image1.
  const QPixmap& ZupiSource(int index) const;

  // zupi::Window: shown with the keyboard focus on the board.
  void Show() override;
  void CenterForm() override;

  // zupi::GameWindow
  void SetLabel2(const std::string& caption) override;
  bool GameOverVisible() const override;
  void SetGameOverVisible(bool visible) override;
  void StageBegins(const std::string& stage) override;
  void GameOver() override;

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
  void KeyAnswered(zupi::KeyAnswer answer, int x, int y, int lampsLeft) override;

 private:
  void createBoard();
  void createMessageAndLamps();
  void createPictures();
  void createTimer();

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
  // What the portrait and the candle show, for their accessible names.
  int zupiFace_ = -1;
  int candleLit_ = -1;
};
