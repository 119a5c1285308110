// A few lines of Xlib for the end-to-end tests: find the game's windows,
// read their captions, place, frame and pixels, press keys, and ask a window
// to close as a window manager does (WM_DELETE_WINDOW, which Debian 12's
// xdotool cannot send) or through the manager.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QMargins>
#include <QRect>
#include <QString>
#include <optional>
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
  // The windows a window manager says it manages (_NET_CLIENT_LIST).
  std::vector<TopWindow> managedWindows() const;
  // The mapped (or managed) window with a client area of that size.
  std::optional<TopWindow> windowOfSize(QSize size, bool managed = false) const;
  // A caption property as stored, and as text decoded as its type says.
  QByteArray textProperty(unsigned long window, const char* name) const;
  QString captionText(unsigned long window, const char* name) const;
  // The frame the manager drew around a window (_NET_FRAME_EXTENTS).
  QMargins frameExtents(unsigned long window) const;
  // The colour of a pixel of a window, in window coordinates.
  QColor pixel(unsigned long window, int x, int y) const;
  // WM_DELETE_WINDOW, as a window manager's close box sends it.
  void requestClose(unsigned long window) const;
  // _NET_CLOSE_WINDOW, as a task bar or pager asks the manager.
  void closeThroughManager(unsigned long window) const;
  // Presses and releases a key by its X keysym name, with Alt if asked.
  void key(const char* keysym, bool alt = false) const;

 private:
  Display* display_ = nullptr;
};

}  // namespace e2e
