// The real program under a real window manager (openbox), as a player sees
// it on a desktop: the manager's client list holds the windows, the outer
// frames of the title and game windows stand centred on the screen from the
// moment they appear, and closing the game through the manager ends the
// program with status 0.
#include <QtTest>

#include "tests/e2e/game_process.h"
#include "tests/e2e/x11_probe.h"

using e2e::TopWindow;
using e2e::WaitFor;
using e2e::X11Probe;

namespace {

const QSize kTitleSize(402, 196);
const QSize kGameSize(403, 244);

std::optional<TopWindow> ManagedOfSize(const X11Probe& x, QSize size) {
  for (const TopWindow& w : x.managedWindows())
    if (w.geometry.size() == size) return w;
  return std::nullopt;
}

// The outer frame: the client area with the frame the manager drew.
QRect FrameOf(const X11Probe& x, const TopWindow& w) {
  return w.geometry.marginsAdded(x.frameExtents(w.id));
}

// Twice the distance of the frame's centre from the screen's, per axis, so
// that half pixels stay whole numbers.
QPoint TwiceOffCentre(const QRect& frame, const QRect& screen) {
  return QPoint(2 * frame.x() + frame.width() - screen.width(),
                2 * frame.y() + frame.height() - screen.height());
}

bool WithinTwoPixels(QPoint twiceOff) { return std::abs(twiceOff.x()) <= 4 && std::abs(twiceOff.y()) <= 4; }

}  // namespace

class WindowManagerTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void captionsFramesAndCloseThroughTheManager();

 private:
  void checkWindow(const X11Probe& x, const TopWindow& w, const char* what);
  QProcess manager_;
};

void WindowManagerTest::initTestCase() {
  X11Probe x;
  QVERIFY2(x.connected(), "needs an X server (run under tests/support/on-private-x)");
  QVERIFY2(!x.managerRunning(), "needs a server of its own, with no manager yet");
  manager_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  manager_.setStandardOutputFile(QProcess::nullDevice());
  manager_.start("openbox", {"--sm-disable"});
  QVERIFY2(manager_.waitForStarted(), "needs openbox (scripts/install-deps installs it)");
  QVERIFY2(WaitFor([&] { return x.managerRunning(); }), "openbox takes the screen");
  // A manager announces itself before it has loaded its theme; a desktop's
  // manager has long finished starting when the game runs.
  QVERIFY2(x.managerAnswers(20000), "openbox handles requests");
}

void WindowManagerTest::cleanupTestCase() {
  manager_.terminate();
  if (!manager_.waitForFinished(3000)) manager_.kill();
}

// A real frame, and the frame's centre within 2 px of the screen's (the
// halving drops at most half a pixel, the rest is slack).
void WindowManagerTest::checkWindow(const X11Probe& x, const TopWindow& w, const char* what) {
  const QMargins frame = x.frameExtents(w.id);
  QVERIFY2(frame.top() > frame.bottom(), "openbox draws a title bar");
  const QPoint off = TwiceOffCentre(FrameOf(x, w), x.screen());
  QVERIFY2(WithinTwoPixels(off),
           qPrintable(QStringLiteral("%1 frame off centre by (%2, %3)/2 px")
                          .arg(what).arg(off.x()).arg(off.y())));
}

void WindowManagerTest::captionsFramesAndCloseThroughTheManager() {
  X11Probe x;
  QTemporaryDir cwd;
  QProcess game;
  e2e::StartGame(game, cwd.path());
  QVERIFY(game.waitForStarted());

  // The first sight of the title is already its place: no jump later.
  auto title = WaitFor([&] { return ManagedOfSize(x, kTitleSize); });
  QVERIFY2(title, "the title window is managed");
  const QRect firstFrame = FrameOf(x, *title);
  checkWindow(x, *title, "title");
  const QPoint button(4080 / 15 + 10, 2400 / 15 + 10);
  QVERIFY2(WaitFor([&] { return x.pixel(title->id, button.x(), button.y()) != QColor(Qt::black); }),
           "the start button shows");
  auto later = ManagedOfSize(x, kTitleSize);
  QVERIFY(later);
  QCOMPARE(FrameOf(x, *later), firstFrame);

  x.key("s", true);
  auto board = WaitFor([&] { return ManagedOfSize(x, kGameSize); });
  QVERIFY2(board, "Alt+S starts a game");
  // The game window is centred right after it shows; give the manager a
  // moment to carry out the move (checkWindow tells if it never comes).
  WaitFor([&] {
    board = ManagedOfSize(x, kGameSize);
    return board && WithinTwoPixels(TwiceOffCentre(FrameOf(x, *board), x.screen()));
  });
  QVERIFY(board);
  checkWindow(x, *board, "game");

  x.closeThroughManager(board->id);
  QVERIFY2(game.waitForFinished(5000), "closing through the manager ends the program");
  QCOMPARE(game.exitStatus(), QProcess::NormalExit);
  QCOMPARE(game.exitCode(), 0);
}

QTEST_GUILESS_MAIN(WindowManagerTest)
#include "test_e2e_window_manager.moc"
