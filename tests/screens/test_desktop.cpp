// What the desktop shows of the three windows: captions that read exactly
// the window's title, nothing appended, in the toolkit and (on X11) in both
// caption properties a window manager reads; and centring that puts the
// window manager's frame, not the client area, in the middle of the screen.
// Runs twice: on the offscreen platform and on a bare X server in the C
// locale (centring under a real window manager is the end-to-end test's).
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

// Both caption properties of the window's native window must hold exactly
// `caption`: _NET_WM_NAME in UTF-8, WM_NAME in whatever encoding it names.
void CheckCaptionProperties(QWidget* window, const QString& caption) {
  const e2e::X11Probe x;
  QVERIFY(x.connected());
  QCOMPARE(x.textProperty(window->winId(), "_NET_WM_NAME"), caption.toUtf8());
  QCOMPARE(x.captionText(window->winId(), "WM_NAME"), caption);
}

// A window manager as far as the root window's properties tell: it leaves a
// check window that names itself and says it tells frame extents on
// request; it then takes those requests (and any map request) and answers
// none, counting them.
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

  // The captions are the windows' titles alone. On X11 the window manager
  // shows _NET_WM_NAME (UTF-8), older ones WM_NAME; both must hold exactly
  // the title, with no application name appended, in any locale. With a
  // frame of known extents the frame's outer edge is centred, in twips and
  // with the remainders dropped, and the client area lies inside it by the
  // left and top extents, on an 800 x 800 screen.
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
    CheckCaptionProperties(window, caption);
#endif
  }

#ifdef GROTZEL_X11
  // Without a window manager there is no frame, and asking for one neither
  // invents one nor shows the window. A manager that says it tells frame
  // extents but never answers holds up the first game window for a moment,
  // and no later one: the game does not ask it again.
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
