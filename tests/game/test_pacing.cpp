// The pacing and window helpers: how many passes a wait makes, that waits
// keep handling events (and a zero-pass wait handles none), that the flag
// wait ends when a handler clears IsRunning, the centring arithmetic, and
// that once the program has been told to end no wait holds it up.
#include <QtTest>

#include "game/pacing.h"
#include "game/program_end.h"
#include "tests/support/recorders.h"

using namespace zupi;

class PacingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SetEndAction([] {}); }
  void init() {
    ResetProgramEnd();
    SetWaitPassLength(std::chrono::milliseconds(2));
  }

  void passesRoundHalfToEvenInSinglePrecision_data() {
    QTest::addColumn<float>("seconds");
    QTest::addColumn<int>("passes");
    QTest::newRow("0.04") << 0.04f << 0;
    QTest::newRow("0.25 ties to even") << 0.25f << 2;
    QTest::newRow("0.35 ties to even") << 0.35f << 4;
    QTest::newRow("0.45 lies below .5") << 0.45f << 4;
    QTest::newRow("0.5") << 0.5f << 5;
    QTest::newRow("0.8") << 0.8f << 8;
    QTest::newRow("1.0") << 1.0f << 10;
    QTest::newRow("5.0") << 5.0f << 50;
  }
  void passesRoundHalfToEvenInSinglePrecision() {
    QFETCH(float, seconds);
    QFETCH(int, passes);
    QCOMPARE(WaitPasses(seconds), passes);
  }

  void waitsHandleEventsUnlessTheyHaveNoPass() {
    int handled = 0;
    QTimer::singleShot(0, [&] { ++handled; });
    Wait(0.04f);
    QCOMPARE(handled, 0);  // no pass: returns without looking at events
    Wait(0.1f);
    QCOMPARE(handled, 1);
  }

  void flagWaitEndsWhenAHandlerClearsTheFlag() {
    IsRunning = true;
    QTimer::singleShot(5, [] { IsRunning = false; });
    WaitWhileRunning();
    QVERIFY(!IsRunning);
  }

  void endingTheProgramReleasesEveryWait() {
    test::RecordingSpeaker speaker;
    QWidget window;
    window.show();
    SetWaitPassLength(std::chrono::milliseconds(1000));
    IsRunning = true;
    QTimer::singleShot(5, [] { CloseRule(1); });  // a code unload passes
    QTimer::singleShot(10, [] { CloseRule(0); });  // the close box ends
    WaitWhileRunning();
    QVERIFY(ProgramEnded());
    QVERIFY(IsRunning);  // nobody cleared it: the end released the wait
    Wait(100.0f);        // returns at once
    QCOMPARE(speaker.stops, 1);
    QVERIFY(!window.isVisible());
  }

  void centringHalvesTheRoundedDifference_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("offset");
    QTest::newRow("wider than the screen") << 15000 << 15151 << -75;
    QTest::newRow("a 1024-pixel screen") << 15360 << 6045 + 120 << 4597;
    QTest::newRow("odd difference drops the half") << 100 << 1 << 49;
    QTest::newRow("same size") << 6045 << 6045 << 0;
  }
  void centringHalvesTheRoundedDifference() {
    QFETCH(int, screen);
    QFETCH(int, window);
    QFETCH(int, offset);
    QCOMPARE(CenteredOffset(screen, window), offset);
  }
};

QTEST_MAIN(PacingTest)
#include "test_pacing.moc"
