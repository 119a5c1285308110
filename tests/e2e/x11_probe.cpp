// Xlib behind X11Probe; XTest presses the keys as a real keyboard would.
#include "tests/e2e/x11_probe.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace e2e {
namespace {

// A property as stored, if it has the type asked for (unless any will do)
// and T's format: 8-bit as chars, 32-bit as longs, Xlib's way.
template <typename T>
std::vector<T> Property(Display* d, Window w, const char* name, Atom type) {
  Atom actual;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::vector<T> items;
  if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 4096, False, type, &actual, &format, &count, &after,
                         &data) == Success &&
      data != nullptr) {
    if (format == (sizeof(T) == 1 ? 8 : 32) && (type == AnyPropertyType || actual == type))
      items.assign(reinterpret_cast<T*>(data), reinterpret_cast<T*>(data) + count);
    XFree(data);
  }
  return items;
}

QByteArray TextProperty(Display* d, Window w, const char* name) {
  const auto bytes = Property<char>(d, w, name, AnyPropertyType);
  return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

// A client message about `about`, sent to it or, through the root, to the
// window manager.
void Send(Display* d, Window to, Window about, const char* type, long first, long second = 0) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = about;
  event.xclient.message_type = XInternAtom(d, type, False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = first;
  event.xclient.data.l[1] = second;
  const long mask = to == DefaultRootWindow(d) ? SubstructureRedirectMask | SubstructureNotifyMask : NoEventMask;
  XSendEvent(d, to, False, mask, &event);
  XFlush(d);
}

QString WindowTitle(Display* d, Window w) { return QString::fromUtf8(TextProperty(d, w, "_NET_WM_NAME")); }

QRect RootGeometry(Display* d, Window w) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(d, w, &a)) return QRect();
  int x = 0, y = 0;
  Window child;
  XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &x, &y, &child);
  return QRect(x, y, a.width, a.height);
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
      out.push_back({children[i], title, RootGeometry(d, children[i])});
    } else if (depth < 2) {
      Collect(d, children[i], depth + 1, out);
    }
  }
  if (children) XFree(children);
}

// Windows come and go while the probe looks at them: a request about one
// that is gone just fails, instead of ending the test on the spot.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

X11Probe::X11Probe() : display_(XOpenDisplay(nullptr)) { XSetErrorHandler(IgnoreErrors); }

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
  return QColor(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF));
}

void X11Probe::requestClose(unsigned long window) const {
  Send(display_, window, window, "WM_PROTOCOLS", long(XInternAtom(display_, "WM_DELETE_WINDOW", False)), CurrentTime);
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

std::vector<TopWindow> X11Probe::managedWindows() const {
  std::vector<TopWindow> out;
  XSync(display_, False);
  for (unsigned long id : Property<unsigned long>(display_, DefaultRootWindow(display_), "_NET_CLIENT_LIST", XA_WINDOW))
    out.push_back({id, WindowTitle(display_, id), RootGeometry(display_, id)});
  return out;
}

std::optional<TopWindow> X11Probe::windowOfSize(QSize size, bool managed) const {
  for (const TopWindow& w : managed ? managedWindows() : mappedWindows())
    if (w.geometry.size() == size) return w;
  return std::nullopt;
}

QByteArray X11Probe::textProperty(unsigned long window, const char* name) const {
  return TextProperty(display_, window, name);
}

QString X11Probe::captionText(unsigned long window, const char* name) const {
  XTextProperty property{};
  if (!XGetTextProperty(display_, window, &property, XInternAtom(display_, name, False))) return QString();
  char** list = nullptr;
  int count = 0;
  QString text;
  if (Xutf8TextPropertyToTextList(display_, &property, &list, &count) == Success && count == 1)
    text = QString::fromUtf8(list[0]);
  if (list) XFreeStringList(list);
  XFree(property.value);
  return text;
}

QMargins X11Probe::frameExtents(unsigned long window) const {
  const auto e = Property<unsigned long>(display_, window, "_NET_FRAME_EXTENTS", XA_CARDINAL);
  if (e.size() != 4) return QMargins();
  return QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3]));  // stored left, right, top, bottom
}

void X11Probe::closeThroughManager(unsigned long window) const {
  // Asked by a pager or task bar (source 2), i.e. by the user.
  Send(display_, DefaultRootWindow(display_), window, "_NET_CLOSE_WINDOW", CurrentTime, 2);
}

}  // namespace e2e
