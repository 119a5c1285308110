// Xlib behind X11Probe; XTest presses the keys as a real keyboard would.
#include "tests/e2e/x11_probe.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace e2e {
namespace {

QString WindowTitle(Display* d, Window w) {
  Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
  Atom netName = XInternAtom(d, "_NET_WM_NAME", False);
  Atom type;
  int format;
  unsigned long items, after;
  unsigned char* data = nullptr;
  QString title;
  if (XGetWindowProperty(d, w, netName, 0, 1024, False, utf8, &type, &format, &items, &after, &data) ==
          Success && data != nullptr) {
    title = QString::fromUtf8(reinterpret_cast<char*>(data), static_cast<int>(items));
    XFree(data);
  }
  return title;
}

void Collect(Display* d, Window w, int depth, std::vector<TopWindow>& out) {
  Window root, parent, *children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(d, w, &root, &parent, &children, &count)) return;
  for (unsigned int i = 0; i < count; ++i) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, children[i], &a) || a.map_state != IsViewable) continue;
    const QString title = WindowTitle(d, children[i]);
    if (!title.isEmpty()) {
      int x = 0, y = 0;
      Window child;
      XTranslateCoordinates(d, children[i], root, 0, 0, &x, &y, &child);
      out.push_back({children[i], title, QRect(x, y, a.width, a.height)});
    } else if (depth < 2) {
      Collect(d, children[i], depth + 1, out);
    }
  }
  if (children) XFree(children);
}

}  // namespace

X11Probe::X11Probe() : display_(XOpenDisplay(nullptr)) {}

X11Probe::~X11Probe() {
  if (display_) XCloseDisplay(display_);
}

QRect X11Probe::screen() const {
  const int s = DefaultScreen(display_);
  return QRect(0, 0, DisplayWidth(display_, s), DisplayHeight(display_, s));
}

std::vector<TopWindow> X11Probe::mappedWindows() const {
  std::vector<TopWindow> out;
  XSync(display_, False);
  Collect(display_, DefaultRootWindow(display_), 0, out);
  return out;
}

QColor X11Probe::pixel(unsigned long window, int x, int y) const {
  XImage* image = XGetImage(display_, window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return QColor();
  const unsigned long p = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return QColor(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                static_cast<int>(p & 0xFF));
}

void X11Probe::requestClose(unsigned long window) const {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, window, False, NoEventMask, &event);
  XFlush(display_);
}

void X11Probe::key(const char* keysym, bool alt) const {
  const KeyCode altCode = XKeysymToKeycode(display_, XK_Alt_L);
  const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysym));
  if (alt) XTestFakeKeyEvent(display_, altCode, True, 0);
  XTestFakeKeyEvent(display_, code, True, 0);
  XTestFakeKeyEvent(display_, code, False, 0);
  if (alt) XTestFakeKeyEvent(display_, altCode, False, 0);
  XSync(display_, False);
}

}  // namespace e2e
