// The game flow on the real windows and Qt's event loop, with wait passes
// cut short, and a close by the user that ends Main by throwing ProgramEnd
// once the toolkit has returned from the handler, not by ending the process.
#pragma once

#include <QTimer>
#include <chrono>
#include <functional>
#include <string>

#include "app/qt_event_loop.h"
#include "game/host.h"
#include "screens/form1.h"
#include "screens/form2.h"
#include "screens/form3.h"
#include "screens/forms.h"
#include "tests/support/game_state.h"
#include "tests/support/scripted_random.h"

namespace zupi::test {

// Counts the sounds started, remembering the last, and the stops: no more.
struct RecordingSpeaker : WaveOutput {
  void Play(std::string_view name) override { ++plays, last = name; }
  void StopAll() override { ++stops; }
  long plays = 0;
  std::string last;
  int stops = 0;
};

// The game's windows, with the loaded ones at hand as themselves for checks.
class TestForms : public Forms {
 public:
  using Forms::Forms;
  GameWindow& LoadForm1() override { return *(form1_ = &static_cast<Form1&>(Forms::LoadForm1())); }
  void UnloadForm1() override { Forms::UnloadForm1(), form1_ = nullptr; }
  CertificateWindow& LoadForm2() override { return *(form2_ = &static_cast<Form2&>(Forms::LoadForm2())); }
  void UnloadForm2() override { Forms::UnloadForm2(), form2_ = nullptr; }
  TitleWindow& LoadForm3() override { return *(form3_ = &static_cast<Form3&>(Forms::LoadForm3())); }
  void UnloadForm3() override { Forms::UnloadForm3(), form3_ = nullptr; }

  // nullptr while not loaded.
  Form1* form1() const { return form1_; }
  Form2* form2() const { return form2_; }
  Form3* form3() const { return form3_; }

 private:
  Form1* form1_ = nullptr;
  Form2* form2_ = nullptr;
  Form3* form3_ = nullptr;
};

class QtRun : public QtEventLoop {
 public:
  explicit QtRun(std::chrono::milliseconds pass = std::chrono::milliseconds(1), WaveOutput* sound = nullptr)
      : QtEventLoop(pass), sound_(sound != nullptr ? *sound : speaker), forms(*this, sound_, random) {}

  Host host() { return {forms, *this, sound_, random}; }

  // Runs `body` on the host; true when it was ended by a close.
  bool Go(const std::function<void(const Host&)>& body) {
    try {
      body(host());
    } catch (const ProgramEnd&) {}
    return ended_;
  }
  bool ended() const { return ended_; }
  // Loads window 1, 2 or 3, as the game numbers them.
  QWidget* Load(int form) {
    if (form == 1) return &(forms.LoadForm1(), *forms.form1());
    if (form == 2) return &(forms.LoadForm2(), *forms.form2());
    return &(forms.LoadForm3(), *forms.form3());
  }
  // The game window, loaded, its candle stopped so that only the test ticks it.
  Form1* StillGame() {
    Load(1)->findChild<QTimer*>(QStringLiteral("rousokuTimer"))->stop();
    return forms.form1();
  }
  // The length of the passes from now on.
  void SetPass(std::chrono::milliseconds pass) { pass_ = pass; }

  void DoEvents() override { QtEventLoop::DoEvents(), StopIfEnded(); }
  void HandleEventsForAPass() override { QtEventLoop::HandleEventsForAPass(), StopIfEnded(); }
  void WaitForEvents() override { QtEventLoop::WaitForEvents(), StopIfEnded(); }
  void EndProgram() override {
    HideEveryWindow();
    ended_ = true;
  }

  // In this order: the windows are made with the speaker and the sequence.
  RecordingSpeaker speaker;  // unless another was given

 private:
  WaveOutput& sound_;

 public:
  SeededRandom random{1};  // the same caves every run, Main or not
  TestForms forms;

 private:
  // Thrown here, never from inside the toolkit's event handling.
  void StopIfEnded() {
    if (ended_) throw ProgramEnd{};
  }

  bool ended_ = false;
};

// A control of a window by its layout name.
template <typename T>
T* Control(const QWidget* form, const char* name) {
  T* control = form->findChild<T*>(QString::fromLatin1(name));
  Q_ASSERT_X(control != nullptr, "Control", name);
  return control;
}

}  // namespace zupi::test
