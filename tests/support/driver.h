// Drives the real windows from inside the game's own waits: a timer that
// runs a step every millisecond, and key presses into the board.
#pragma once

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QTest>
#include <QTimer>
#include <functional>

#include "player/move_by_key.h"
#include "screens/form1.h"

namespace zupi::test {

// Runs `step` every millisecond while the code under test waits.
class Driver : public QObject {
 public:
  explicit Driver(std::function<void()> step) : step_(std::move(step)) {
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, [this] { step_(); });
    timer_.start();
  }

 private:
  std::function<void()> step_;
  QTimer timer_;
};

// Presses the key with this code on the game window's board.
inline void Press(Integer code) {
  static const QHash<Integer, Qt::Key> keys = {{kKeyEscape, Qt::Key_Escape}, {kKeyLeft, Qt::Key_Left},
                                               {kKeyUp, Qt::Key_Up},         {kKeyRight, Qt::Key_Right},
                                               {kKeyDown, Qt::Key_Down}};
  QTest::keyClick(LoadedForm1()->Picture1, keys.value(code, Qt::Key_Space));
}

// A close request from the user or the window manager (spontaneous), as
// opposed to the program's own close().
inline void CloseByUser(QWidget* window) {
  QCloseEvent event;
  QSpontaneKeyEvent::setSpontaneous(&event);
  QApplication::instance()->notify(window, &event);  // sendEvent would clear the flag
}

}  // namespace zupi::test
