// WM_NAME from UTF-8 through Xlib: STRING where the caption fits Latin-1,
// COMPOUND_TEXT otherwise, as the conventions for that property ask; and
// _NET_WM_NAME as the bare title in UTF-8.
#include "screens/window_caption.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QWidget>

#ifdef GROTZEL_X11  // set by the build where Xlib is there
// Last: Xlib's macros (None, Bool, Status) would clash with names above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

namespace zupi {

#ifdef GROTZEL_X11
namespace {

// Characters that no compound-text set holds go as UTF8_STRING instead. A
// conversion that fails, wholly or in part, may still have made the bytes:
// they are freed on every path.
void WriteWmName(Display* display, Window id, char* caption) {
  char* list[] = {caption};
  for (const XICCEncodingStyle style : {XStdICCTextStyle, XUTF8StringStyle}) {
    XTextProperty property{};
    const int status = Xutf8TextListToTextProperty(display, list, 1, style, &property);
    if (status == Success) XSetWMName(display, id, &property);
    if (property.value != nullptr) XFree(property.value);
    if (status == Success) return;
  }
}

}  // namespace
#endif

void WriteCaptionProperty(QWidget& window) {
#ifdef GROTZEL_X11
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  Display* display = x11 ? x11->display() : nullptr;
  if (display == nullptr || !window.testAttribute(Qt::WA_WState_Created)) return;
  QByteArray caption = window.windowTitle().toUtf8();
  const auto id = static_cast<Window>(window.winId());
  WriteWmName(display, id, caption.data());
  // The toolkit appends the application's display name to _NET_WM_NAME
  // where one is set; the caption is the window's title alone.
  XChangeProperty(display, id, XInternAtom(display, "_NET_WM_NAME", False), XInternAtom(display, "UTF8_STRING", False),
                  8, PropModeReplace, reinterpret_cast<const unsigned char*>(caption.constData()),
                  static_cast<int>(caption.size()));
  XFlush(display);
#else
  (void)window;
#endif
}

}  // namespace zupi
