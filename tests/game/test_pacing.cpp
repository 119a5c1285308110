// The pacing helpers: how many passes a wait makes, that a wait handles
// events but a zero-pass wait handles none, and the centring arithmetic.
// Ending the program during a wait is checked on the whole program cycle.
#include <QtTest>

#include "game/pacing.h"

using namespace zupi;

class PacingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SetWaitPassLength(std::chrono::milliseconds(2)); }

  // Passes are the seconds in tenths, rounded half to even in single
  // precision: 0.45f lies just below .45 and gives 4.
  void passesRoundHalfToEvenInSinglePrecision_data() {
    QTest::addColumn<float>("seconds");
    QTest::addColumn<int>("passes");
    QTest::newRow("0.04") << 0.04f << 0;
    QTest::newRow("0.25 ties to even") << 0.25f << 2;
    QTest::newRow("0.35 ties to even") << 0.35f << 4;
    QTest::newRow("0.45 lies below .5") << 0.45f << 4;
    QTest::newRow("5.0") << 5.0f << 50;
  }
  void passesRoundHalfToEvenInSinglePrecision() {
    QFETCH(float, seconds);
    QFETCH(int, passes);
    QCOMPARE(WaitPasses(seconds), passes);
  }

  // A wait with no pass returns without looking at events.
  void waitsHandleEventsUnlessTheyHaveNoPass() {
    int handled = 0;
    QTimer::singleShot(0, [&] { ++handled; });
    Wait(0.04f);
    QCOMPARE(handled, 0);
    Wait(0.1f);
    QCOMPARE(handled, 1);
  }

  // Half the rounded difference, truncated toward zero: a window wider
  // than the screen sits left of it by -75, not -76.
  void centringHalvesTheRoundedDifference_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("offset");
    QTest::newRow("wider than the screen") << 15000 << 15151 << -75;
    QTest::newRow("a 1024-pixel screen") << 15360 << 6045 + 120 << 4597;
    QTest::newRow("odd difference drops the half") << 100 << 1 << 49;
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
