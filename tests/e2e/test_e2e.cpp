// The real program on an X server of its own, as a player meets it: on a
// bare server, and on another under a real window manager (openbox, from
// on-private-x --window-manager). The title opens with its outer frame
// centred and stays there; its start button shows only after the pause;
// Alt+S starts a game, whose frame stands centred (without a manager to
// give it the focus, the game must take it itself); and a close ends the
// process with status 0: a close request to the game window on the bare
// server, a close through the manager under it. The captions are the
// desktop test's, Escape back to the title the Wayland test's. Every wait is
// bounded and names what it waited for.
#include <QtTest>

#include "tests/e2e/game_process.h"
#include "tests/e2e/x11_probe.h"
#include "tests/support/window_facts.h"

using e2e::Game;
using e2e::TopWindow;
using e2e::WaitFor;
using e2e::X11Probe;
using zupi::test::kGameSize;
using zupi::test::kStartButtonPixel;
using zupi::test::kTitleSize;

namespace {

// The game's window of that size: mapped (bare server) or managed.
std::optional<TopWindow> Window(const X11Probe& x, QSize size, bool managed) {
  for (const TopWindow& w : managed ? x.managedWindows() : x.mappedWindows())
    if (w.geometry.size() == size) return w;
  return std::nullopt;
}

// The outer frame: the client area with the frame the manager drew.
QRect FrameOf(const X11Probe& x, const TopWindow& w) { return w.geometry.marginsAdded(x.frameExtents(w.id)); }

// Whether the frame's centre lies within 2 px of the screen's (the halving
// drops at most half a pixel, the rest is slack).
bool Centred(const X11Probe& x, const TopWindow& w) {
  const QRect frame = FrameOf(x, w), screen = x.screen();
  return std::abs(2 * frame.x() + frame.width() - screen.width()) <= 4 &&
         std::abs(2 * frame.y() + frame.height() - screen.height()) <= 4;
}

}  // namespace

class EndToEndTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY2(X11Probe().connected(), "needs an X server (run under tests/support/on-private-x)"); }

  void meetsThePlayer_data() {
    QTest::addColumn<bool>("managed");
    QTest::newRow("bare server") << false;
    QTest::newRow("window manager") << true;
  }
  void meetsThePlayer() {
    QFETCH(bool, managed);
    X11Probe x;
    Game game;
    QVERIFY2(game.process.waitForStarted(), "the game starts");
    // The first sight of the title is already its place: no jump later.
    auto title = WaitFor([&] { return Window(x, kTitleSize, managed); });
    QVERIFY2(title, "the title window opens within 10 s");
    const QRect firstFrame = FrameOf(x, *title);
    QVERIFY2(Centred(x, *title), "the title's frame stands centred");
    QVERIFY2(
        WaitFor([&] { return x.pixel(title->id, kStartButtonPixel.x(), kStartButtonPixel.y()) != QColor(Qt::black); }),
        "the start button shows within 10 s");
    // After the one-second pause, so never sooner than a second after the
    // launch, however slow the machine: load only makes it later.
    QVERIFY2(game.sinceLaunch.elapsed() >= 1000, "the start button shows only after the one-second pause");
    auto later = Window(x, kTitleSize, managed);
    QVERIFY2(later && FrameOf(x, *later) == firstFrame, "the title stays where it first showed");

    x.key("s", true);
    // The game window is centred right after it shows; a manager takes a
    // moment to carry out the move.
    auto board = WaitFor([&] {
      auto w = Window(x, kGameSize, managed);
      return w && Centred(x, *w) ? w : std::nullopt;
    });
    QVERIFY2(board, "Alt+S starts a game whose frame stands centred within 10 s");
    QVERIFY2(WaitFor([&] { return !Window(x, kTitleSize, managed); }), "the title is gone");
    managed ? x.closeThroughManager(board->id) : x.requestClose(board->id);
    QVERIFY2(game.EndsWithin(5000), "the close ends the program with status 0 within 5 s");
  }
};

QTEST_GUILESS_MAIN(EndToEndTest)
#include "test_e2e.moc"
