// The real program on an X server of its own, bare and under openbox: the
// title's frame opens centred and stays, its button shows after the pause,
// Alt+S starts a game whose frame stands centred (on a bare server the game
// takes the focus itself), and a close ends the process with status 0; so
// too with a sound server that stops answering.
#include <QtTest>

#include "tests/e2e/game_process.h"
#include "tests/e2e/x11_probe.h"
#include "tests/support/sound_sandbox.h"
#include "tests/support/window_facts.h"

using e2e::Game;
using e2e::TopWindow;
using e2e::WaitFor;
using e2e::X11Probe;
using zupi::test::kGameSize;
using zupi::test::kStartButtonPixel;
using zupi::test::kTitleSize;

namespace {

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
    auto title = WaitFor([&] { return x.windowOfSize(kTitleSize, managed); });
    QVERIFY2(title, "the title window opens within 10 s");
    const QRect firstFrame = FrameOf(x, *title);
    QVERIFY2(Centred(x, *title), "the title's frame stands centred");
    QVERIFY2(
        WaitFor([&] { return x.pixel(title->id, kStartButtonPixel.x(), kStartButtonPixel.y()) != QColor(Qt::black); }),
        "the start button shows within 10 s");
    // After the one-second pause, so never sooner than a second after the
    // launch, however slow the machine: load only makes it later.
    QVERIFY2(game.sinceLaunch.elapsed() >= 1000, "the start button shows only after the one-second pause");
    auto later = x.windowOfSize(kTitleSize, managed);
    QVERIFY2(later && FrameOf(x, *later) == firstFrame, "the title stays where it first showed");

    x.key("s", true);
    // The game window is centred right after it shows; a manager takes a
    // moment to carry out the move.
    auto board = WaitFor([&] {
      auto w = x.windowOfSize(kGameSize, managed);
      return w && Centred(x, *w) ? w : std::nullopt;
    });
    QVERIFY2(board, "Alt+S starts a game whose frame stands centred within 10 s");
    QVERIFY2(WaitFor([&] { return !x.windowOfSize(kTitleSize, managed); }), "the title is gone");
    managed ? x.closeThroughManager(board->id) : x.requestClose(board->id);
    QVERIFY2(game.EndsWithin(5000), "the close ends the program with status 0 within 5 s");
  }

  // A sound server stopped (SIGSTOP) before the program starts or during a
  // game: a wait on it once held up the title for half a minute.
  void theGamePlaysAndClosesWithAStuckServer_data() {
    QTest::addColumn<bool>("stuckBeforeStart");
    QTest::newRow("stuck before the program starts") << true;
    QTest::newRow("stuck during a game") << false;
  }
  void theGamePlaysAndClosesWithAStuckServer() {
    QFETCH(bool, stuckBeforeStart);
    X11Probe x;
    zupi::test::PrivatePulse pulse;
    // Before Pause: with no server its process id is 0, and SIGSTOP to 0 stops this test.
    QVERIFY2(pulse.Pactl({"info"}).contains("grotzel_null"),
             "needs its sound server (scripts/install-deps installs it)");
    if (stuckBeforeStart) pulse.Pause();
    Game game;
    QVERIFY(game.process.waitForStarted());
    QVERIFY2(WaitFor([&] { return x.windowOfSize(kTitleSize); }, 8000), "the title window opens");
    // The start button comes after the title's sound: Alt+S works once it has.
    std::optional<TopWindow> board;
    for (int i = 0; i < 40 && !board; ++i) {
      x.key("s", true);
      board = WaitFor([&] { return x.windowOfSize(kGameSize); }, 250);
    }
    QVERIFY2(board, "the start button appeared and started a game");
    if (!stuckBeforeStart) pulse.Pause();
    for (int i = 0; i < 30; ++i) x.key(i % 2 ? "Down" : "Right");
    x.requestClose(board->id);
    QVERIFY2(game.EndsWithin(5000), "a close request ends the program at once with status 0");
  }
};

QTEST_GUILESS_MAIN(EndToEndTest)
#include "test_e2e.moc"
