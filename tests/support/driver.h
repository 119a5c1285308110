// Drives the real windows from inside the game's own waits: a timer that
// runs a step every millisecond, and key presses into the board.
#pragma once

#include <QApplication>
#include <QHash>
#include <QTest>
#include <QTimer>
#include <functional>

#include "player/move_by_key.h"
#include "tests/support/qt_run.h"

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

// The Qt key of an arrow or Escape code; Key_unknown for any other.
inline Qt::Key QtKey(Integer code) {
  static const QHash<Integer, Qt::Key> keys = {{kKeyEscape, Qt::Key_Escape}, {kKeyLeft, Qt::Key_Left},
                                               {kKeyUp, Qt::Key_Up},         {kKeyRight, Qt::Key_Right},
                                               {kKeyDown, Qt::Key_Down}};
  return keys.value(code, Qt::Key_unknown);
}

// Presses the key with this code on the board of the run's game window; a
// code without a Qt key is pressed as Space.
inline void Press(const QtRun& run, Integer code) {
  const Qt::Key key = QtKey(code);
  QTest::keyClick(Control<QWidget>(run.forms.form1(), "Picture1"), key == Qt::Key_unknown ? Qt::Key_Space : key);
}

// Clicks a window's Command1.
inline void ClickCommand1(QWidget* form) {
  QTest::mouseClick(Control<QWidget>(form, "Command1"), Qt::LeftButton);
}

// Any close but the program's own unload: a plain close(), which is what
// Qt's Wayland plugin makes of a compositor's close.
inline void CloseByUser(QWidget* window) { window->close(); }

}  // namespace zupi::test
