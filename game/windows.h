// What the program cycle and the stage loop ask of the three windows, in
// the game's own terms: load and unload them, show and centre them, set the
// stage message, tell when a stage begins and when the game is over, blink
// "GAME OVER", and reveal the title and the certificate piece by piece. The
// windows in screens/ fill this in and the
// program's start hands them to Main (game/host.h); tests hand stand-ins
// that record what was asked. The two button handlers the windows call are
// here too.
#pragma once

#include <string>

#include "game/game_screen.h"
#include "game/qo_wav.h"

namespace zupi {

// What the flow does to any of its windows.
class Window {
 public:
  virtual ~Window() = default;
  // Shows the window, not modal, in front and active.
  virtual void Show() = 0;
  // Moves the window to the middle of the screen, left edge first.
  virtual void CenterForm() = 0;
};

// Form1, the game window: the board drawing of GameScreen, and the rest.
class GameWindow : public GameScreen, public Window {
 public:
  // Label2, the stage message: UTF-8, CR LF between lines.
  virtual void SetLabel2(const std::string& caption) = 0;
  // lblGameOver, "GAME OVER" across the board.
  virtual bool GameOverVisible() const = 0;
  virtual void SetGameOverVisible(bool visible) = 0;

  // For players who follow the game by ear; nothing is drawn. A stage is
  // set up and about to be played, `stage` its short name ("洞窟 1-A");
  // Label2 already shows its message.
  virtual void StageBegins(const std::string& stage) = 0;
  // The game is over; "GAME OVER" is about to blink.
  virtual void GameOver() = 0;
};

// The controls of Form3 that the title reveals.
enum class TitlePart { Image2, Label1, Command1 };

// Form3, the title window.
class TitleWindow : public Window {
 public:
  // Image1 takes the picture of imgZupiSRC(0) of the game window, which
  // was loaded before the title.
  virtual void ShowImage1() = 0;
  virtual void Reveal(TitlePart part) = 0;
};

// The controls of Form2 that the certificate reveals.
enum class CertificatePart { Label1, Label2, Label3, Command1 };

// Form2, the certificate window.
class CertificateWindow : public Window {
 public:
  // Label3, the certificate text: UTF-8, CR LF between lines.
  virtual void SetLabel3(const std::string& caption) = 0;
  virtual void Reveal(CertificatePart part) = 0;
};

// Loading and unloading. A load creates the window hidden from its layout,
// unless it is loaded already; an unload destroys it at once, without a
// close request.
class Windows {
 public:
  virtual ~Windows() = default;
  virtual GameWindow& LoadForm1() = 0;
  virtual void UnloadForm1() = 0;
  virtual CertificateWindow& LoadForm2() = 0;
  virtual void UnloadForm2() = 0;
  virtual TitleWindow& LoadForm3() = 0;
  virtual void UnloadForm3() = 0;
};

// Click handler of Command1 on Form3, the start button: ends the title's
// wait and plays the start sound.
void Form3Command1Click(WaveOutput& sound);
// Click handler of Command1 on Form2, the certificate's OK button.
void Form2Command1Click();

}  // namespace zupi
