// The real program under a bare X server: the title opens with its bare
// caption, its start button shows only after the pause, Alt+S starts a
// game, Escape ends it and the title returns; a window manager's close
// request ends the process with status 0; without a display it says so in
// one line and exits with 1.
#include <QtTest>

#include "tests/e2e/game_process.h"
#include "tests/e2e/x11_probe.h"

using e2e::StartGame;
using e2e::TopWindow;
using e2e::WaitFor;
using e2e::X11Probe;

namespace {

std::optional<TopWindow> WindowOfSize(const X11Probe& x, QSize size) {
  for (const TopWindow& w : x.mappedWindows())
    if (w.geometry.size() == size) return w;
  return std::nullopt;
}

const QSize kTitleSize(402, 196);
const QSize kGameSize(403, 244);

}  // namespace

class EndToEndTest : public QObject {
  Q_OBJECT

 private slots:
  void titleGameAndCloseRequest();
  void noDisplayIsOneLineAndStatus1();
};

void EndToEndTest::titleGameAndCloseRequest() {
  X11Probe x;
  QVERIFY2(x.connected(), "needs an X server (run under tests/support/on-private-x)");
  QTemporaryDir cwd;
  QProcess game;
  QElapsedTimer sinceLaunch;
  sinceLaunch.start();
  StartGame(game, cwd.path());
  QVERIFY(game.waitForStarted());

  auto title = WaitFor([&] { return WindowOfSize(x, kTitleSize); });
  QVERIFY2(title, "the title window opens");
  // The program's own setup appends nothing to the captions (the test of
  // the windows alone checks every window in every locale).
  QCOMPARE(x.textProperty(title->id, "_NET_WM_NAME"), QByteArray("Grotzel"));
  QCOMPARE(x.textProperty(title->id, "WM_NAME"), QByteArray("Grotzel"));

  // The start button (4080, 2400 twips; black there until it shows) comes
  // after the one-second pause, so never sooner than a second after the
  // launch, however slow the machine: load only makes it later.
  const QPoint button(4080 / 15 + 10, 2400 / 15 + 10);
  auto buttonShown = [&] { return x.pixel(title->id, button.x(), button.y()) != QColor(Qt::black); };
  QVERIFY2(WaitFor([&]() -> std::optional<TopWindow> { return buttonShown() ? title : std::nullopt; }),
           "the start button shows within 10 s");
  QVERIFY2(sinceLaunch.elapsed() >= 1000, "the start button shows only after the one-second pause");

  // No window manager here: the game must take the focus itself.
  x.key("s", true);
  auto board = WaitFor([&] { return WindowOfSize(x, kGameSize); });
  QVERIFY2(board, "Alt+S starts a game");
  QVERIFY(!WindowOfSize(x, kTitleSize));  // the title is gone
  QTest::qWait(200);
  x.key("Escape");
  auto again = WaitFor([&] { return WindowOfSize(x, kTitleSize); });
  QVERIFY2(again, "after GAME OVER the title comes back");
  QVERIFY(!WindowOfSize(x, kGameSize));

  x.requestClose(again->id);
  QVERIFY2(game.waitForFinished(5000), "a close request ends the program");
  QCOMPARE(game.exitStatus(), QProcess::NormalExit);
  QCOMPARE(game.exitCode(), 0);
}

void EndToEndTest::noDisplayIsOneLineAndStatus1() {
  QProcess game;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  env.remove("QT_QPA_PLATFORM");
  game.setProcessEnvironment(env);
  game.start(e2e::GameBinary(), {});
  QVERIFY(game.waitForFinished(10000));
  QCOMPARE(game.exitStatus(), QProcess::NormalExit);  // no abort, no core dump
  QCOMPARE(game.exitCode(), 1);
  const QString err = QString::fromLocal8Bit(game.readAllStandardError()).trimmed();
  QVERIFY2(err.startsWith("grotzel: cannot open a display"), qPrintable(err));
  QCOMPARE(err.count('\n'), 0);
}

QTEST_GUILESS_MAIN(EndToEndTest)
#include "test_e2e.moc"
