// A few lines of Xlib for the end-to-end test: find the game's top-level
// windows, read their place and pixels, and ask one to close the way a
// window manager does (WM_DELETE_WINDOW), which Debian 12's xdotool cannot.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <vector>

typedef struct _XDisplay Display;

namespace e2e {

struct TopWindow {
  unsigned long id = 0;
  QString title;
  QRect geometry;  // in root coordinates
};

class X11Probe {
 public:
  X11Probe();
  ~X11Probe();
  X11Probe(const X11Probe&) = delete;
  X11Probe& operator=(const X11Probe&) = delete;

  bool connected() const { return display_ != nullptr; }
  QRect screen() const;
  // Mapped top-level windows (including ones a level below a WM frame).
  std::vector<TopWindow> mappedWindows() const;
  // The colour of a pixel of a window, in window coordinates.
  QColor pixel(unsigned long window, int x, int y) const;
  // Sends WM_PROTOCOLS / WM_DELETE_WINDOW, as a window manager's close box does.
  void requestClose(unsigned long window) const;
  // Presses and releases a key (an X keysym name such as "Escape"), with Alt if asked.
  void key(const char* keysym, bool alt = false) const;

 private:
  Display* display_ = nullptr;
};

}  // namespace e2e
