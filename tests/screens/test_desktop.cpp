// What the desktop shows of the three windows: bare captions, and centring
// of the window manager's frame, not the client area. Runs on the offscreen
// platform and on a bare X server in the C locale (a real window manager is
// the end-to-end test's).
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "screens/form_window.h"
#include "screens/window_frame.h"
#include "tests/support/qt_run.h"

#ifdef GROTZEL_X11  // set by the build where Xlib is there
#include "tests/e2e/x11_probe.h"
// Last: Xlib's macros (None, Bool) would clash with names above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace {

bool OnX11() { return QGuiApplication::platformName() == "xcb"; }

#ifdef GROTZEL_X11

// A window manager, as the root window's properties tell, that says it
// tells frame extents on request, then counts the requests and answers none.
class SilentManager {
 public:
  SilentManager() : d_(XOpenDisplay(nullptr)), root_(DefaultRootWindow(d_)) {
    check_ = XCreateSimpleWindow(d_, root_, 0, 0, 1, 1, 0, 0, 0);
    Set(root_, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, check_);
    Set(check_, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, check_);
    Set(root_, "_NET_SUPPORTED", XA_ATOM, request_);
    XSelectInput(d_, root_, SubstructureRedirectMask);
    XSync(d_, False);
  }
  ~SilentManager() {
    for (const char* name : {"_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED"})
      XDeleteProperty(d_, root_, XInternAtom(d_, name, False));
    XCloseDisplay(d_);
  }
  // The requests for frame extents since the last call.
  int Requests() {
    XSync(d_, False);
    int count = 0;
    for (XEvent event; XPending(d_) > 0;)
      XNextEvent(d_, &event), count += event.type == ClientMessage && event.xclient.message_type == request_;
    return count;
  }

 private:
  void Set(Window window, const char* name, Atom type, unsigned long value) {
    XChangeProperty(d_, window, XInternAtom(d_, name, False), type, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&value), 1);
  }
  Display* d_;
  Window root_, check_ = 0;
  Atom request_ = XInternAtom(d_, "_NET_REQUEST_FRAME_EXTENTS", False);
};

#endif

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // A task bar may name the application; the captions must stay bare.
    QGuiApplication::setApplicationDisplayName("Grotzel");
  }
  void cleanup() { run.forms.UnloadForm1(), run.forms.UnloadForm2(), run.forms.UnloadForm3(); }

  // The captions are the titles alone, also in both properties an X11
  // window manager reads, in any locale. With a frame of known extents the
  // frame is centred on an 800 x 800 screen, in twips with the remainders
  // dropped, and the client area lies inside it by the left and top extents.
  void captionAndCentring_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QPoint>("client");
    QTest::newRow("game, no manager") << 1 << "Grotzel" << QMargins() << QPoint(198, 278);
    QTest::newRow("game, thin frame and title bar") << 1 << "Grotzel" << QMargins(1, 20, 1, 1) << QPoint(198, 287);
    QTest::newRow("title, frame on the left only") << 3 << "Grotzel" << QMargins(10, 0, 0, 0) << QPoint(204, 302);
    QTest::newRow("certificate, bottom bar") << 2 << "おめでとう!!" << QMargins(0, 0, 0, 21) << QPoint(226, 166);
  }
  void captionAndCentring() {
    QFETCH(int, form);
    QFETCH(QString, caption);
    QFETCH(QMargins, frame);
    QFETCH(QPoint, client);
    QWidget* window = run.Load(form);
    QCOMPARE(window->windowTitle(), caption);
    const QPoint frameAt = zupi::CenteredFrameTopLeft(QRect(0, 0, 800, 800), window->size().grownBy(frame));
    QCOMPARE(frameAt + QPoint(frame.left(), frame.top()), client);
    if (!OnX11() && frame.isNull()) {
      zupi::CenterForm(*window);  // the offscreen screen is 800 x 800, with no frame
      QCOMPARE(window->pos(), client);
    }
#ifdef GROTZEL_X11
    if (!OnX11()) return;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const e2e::X11Probe x;
    QCOMPARE(x.textProperty(window->winId(), "_NET_WM_NAME"), caption.toUtf8());
    QCOMPARE(x.captionText(window->winId(), "WM_NAME"), caption);  // in whatever encoding it names
#endif
  }

#ifdef GROTZEL_X11
  // Without a window manager there is no frame, and asking neither invents
  // one nor shows the window. A manager that never answers is asked once.
  void framesWithAndWithoutAManager() {
    if (!OnX11()) QSKIP("needs a bare X server");
    QWidget* window = run.Load(3);
    QCOMPARE(zupi::FrameExtents(*window), QMargins());
    QVERIFY(!window->isVisible());
    SilentManager silent;
    QCOMPARE(zupi::FrameExtents(*run.Load(1)), QMargins());
    QVERIFY(silent.Requests() > 0);
    run.forms.UnloadForm1();
    QCOMPARE(zupi::FrameExtents(*run.Load(1)), QMargins());
    QCOMPARE(silent.Requests(), 0);
  }
#endif

 private:
  zupi::test::QtRun run;
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
