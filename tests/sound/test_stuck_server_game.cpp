// The real program with a sound server that stops answering (SIGSTOP): the
// title must come up as fast as ever, the start button must follow its
// sound, keys must be handled and a window manager's close request must end
// the process at once with status 0, whether the server stuck before the
// game started or in the middle of play.
#include <QtTest>

#include "tests/e2e/game_process.h"
#include "tests/e2e/x11_probe.h"
#include "tests/support/sound_sandbox.h"
#include "tests/support/window_facts.h"

using e2e::TopWindow;
using e2e::X11Probe;

namespace {

using zupi::test::kGameSize;
using zupi::test::kTitleSize;

// Polls for a mapped game window of that size for up to `ms`.
std::optional<TopWindow> WaitForWindow(const X11Probe& x, QSize size, int ms = 10000) {
  return e2e::WaitFor(
      [&]() -> std::optional<TopWindow> {
        for (const TopWindow& w : x.mappedWindows())
          if (w.title == "Grotzel" && w.geometry.size() == size) return w;
        return std::nullopt;
      },
      ms);
}

}  // namespace

class StuckServerGameTest : public QObject {
  Q_OBJECT

 private slots:
  void theGamePlaysAndClosesWithAStuckServer_data() {
    QTest::addColumn<bool>("stuckBeforeStart");
    QTest::newRow("stuck before the program starts") << true;
    QTest::newRow("stuck during a game") << false;
  }
  void theGamePlaysAndClosesWithAStuckServer() {
    QFETCH(bool, stuckBeforeStart);
    X11Probe x;
    QVERIFY2(x.connected(), "needs an X server (run under tests/support/on-private-x)");
    zupi::test::PrivatePulse pulse;
    // Before Pause: with no server its process id is 0, and SIGSTOP to 0 stops this test.
    QVERIFY2(pulse.Pactl({"info"}).contains("grotzel_null"),
             "needs its sound server (scripts/install-deps installs it)");
    if (stuckBeforeStart) pulse.Pause();
    e2e::Game game;
    QVERIFY(game.process.waitForStarted());

    // The title normally opens in well under a second; a wait on the
    // server used to hold it up for half a minute.
    QVERIFY2(WaitForWindow(x, kTitleSize, 8000), "the title window opens");
    // The start button comes after the title's sound: Alt+S works once it has.
    std::optional<TopWindow> board;
    for (int i = 0; i < 40 && !board; ++i) {
      x.key("s", true);
      board = WaitForWindow(x, kGameSize, 250);
    }
    QVERIFY2(board, "the start button appeared and started a game");
    if (!stuckBeforeStart) pulse.Pause();
    for (int i = 0; i < 30; ++i) x.key(i % 2 ? "Down" : "Right");
    x.requestClose(board->id);
    QVERIFY2(game.EndsWithin(5000), "a close request ends the program at once with status 0");
  }
};

QTEST_GUILESS_MAIN(StuckServerGameTest)
#include "test_stuck_server_game.moc"
