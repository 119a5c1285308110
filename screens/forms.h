// The three windows as the game flow loads and unloads them, like the forms
// of the old toolkit: at most one of each at a time, created hidden from its
// layout on load, closed by code (which the close rule lets pass) and
// destroyed on unload. The program's start hands one Forms to Main as the
// game's Windows.
#pragma once

#include <memory>

#include "game/windows.h"
#include "screens/form_window.h"

class Form1;
class Form2;
class Form3;

namespace zupi {

class Forms : public Windows {
 public:
  // The windows' handlers play on `sound` and draw from `random`; a close
  // by the user silences `sound` and ends the program through `events`.
  Forms(EventSource& events, WaveOutput& sound, RandomSequence& random);
  // Unloads whatever is still loaded.
  ~Forms() override;
  Forms(const Forms&) = delete;
  Forms& operator=(const Forms&) = delete;

  GameWindow& LoadForm1() override;
  void UnloadForm1() override;
  CertificateWindow& LoadForm2() override;
  void UnloadForm2() override;
  // The title takes its character from the game window loaded before it.
  TitleWindow& LoadForm3() override;
  void UnloadForm3() override;

 private:
  FormHost host_;
  std::unique_ptr<Form1> form1_;
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<Form3> form3_;
};

}  // namespace zupi
