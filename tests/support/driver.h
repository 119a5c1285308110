// Drives the real windows from inside the game's own waits.
#pragma once

#include <QApplication>
#include <QHash>
#include <QTest>

#include "player/move_by_key.h"
#include "tests/support/qt_run.h"

namespace zupi::test {

// The Qt key of an arrow or Escape code; Key_unknown for any other.
inline Qt::Key QtKey(Integer code) {
  static const QHash<Integer, Qt::Key> keys = {{kKeyEscape, Qt::Key_Escape},
                                               {kKeyLeft, Qt::Key_Left},
                                               {kKeyUp, Qt::Key_Up},
                                               {kKeyRight, Qt::Key_Right},
                                               {kKeyDown, Qt::Key_Down}};
  return keys.value(code, Qt::Key_unknown);
}

// Presses a code's key on the game window's board; one without, as Space.
inline void Press(const QtRun& run, Integer code) {
  const Qt::Key key = QtKey(code);
  QTest::keyClick(Control<QWidget>(run.forms.form1(), "Picture1"), key == Qt::Key_unknown ? Qt::Key_Space : key);
}

// Clicks a window's Command1.
inline void ClickCommand1(QWidget* form) { QTest::mouseClick(Control<QWidget>(form, "Command1"), Qt::LeftButton); }

// Any close but the program's own unload: a plain close(), which is what
// Qt's Wayland plugin makes of a compositor's close.
inline void CloseByUser(QWidget* window) { window->close(); }

}  // namespace zupi::test
