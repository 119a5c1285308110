// The game flow on the real windows and Qt's event loop, for the tests and
// tools that need them: wait passes cut short (their number unchanged),
// and a close by the user that ends Main by throwing ProgramEnd once the
// toolkit has returned from the handler, instead of ending the process.
#pragma once

#include <chrono>
#include <functional>

#include "app/qt_event_loop.h"
#include "game/event_source.h"
#include "game/program_end.h"
#include "screens/form1.h"
#include "screens/form2.h"
#include "screens/form3.h"
#include "screens/forms.h"
#include "screens/query_unload.h"
#include "tests/support/game_state.h"

namespace zupi::test {

class QtRun : public QtEventLoop {
 public:
  explicit QtRun(std::chrono::milliseconds pass = std::chrono::milliseconds(1)) : QtEventLoop(pass) {
    SetEventSource(this);
    SetWindows(&forms_);
    SetQueryUnloadHandler(CloseRule);
  }
  ~QtRun() override {
    SetQueryUnloadHandler(nullptr);
    SetWindows(nullptr);
    SetEventSource(nullptr);
  }
  QtRun(const QtRun&) = delete;
  QtRun& operator=(const QtRun&) = delete;

  // Runs `body`; true when it was ended by a close.
  bool Go(const std::function<void()>& body) {
    try {
      body();
    } catch (const ProgramEnd&) {
    }
    return ended_;
  }
  bool ended() const { return ended_; }
  // The length of the passes from now on.
  void SetPass(std::chrono::milliseconds pass) { pass_ = pass; }

  void DoEvents() override { QtEventLoop::DoEvents(), StopIfEnded(); }
  void Sleep() override { QtEventLoop::Sleep(), StopIfEnded(); }
  void WaitForEvents() override { QtEventLoop::WaitForEvents(), StopIfEnded(); }
  void EndProgram() override {
    HideEveryWindow();
    ended_ = true;
  }

 private:
  // Thrown here, never from inside the toolkit's event handling.
  void StopIfEnded() {
    if (ended_) throw ProgramEnd{};
  }

  Forms forms_;
  bool ended_ = false;
};

// The loaded window of type F, or nullptr.
template <typename F>
F* Loaded() {
  return FormSlot<F>::loaded;
}

// A control of a window by its layout name.
template <typename T>
T* Control(const QWidget* form, const char* name) {
  T* control = form->findChild<T*>(QString::fromLatin1(name));
  Q_ASSERT_X(control != nullptr, "Control", name);
  return control;
}

}  // namespace zupi::test
