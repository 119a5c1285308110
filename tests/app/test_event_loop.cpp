// Qt's event loop as the game's event source. The game never enters
// QApplication::exec(): it handles its events in the waits alone, so the
// waits must also carry out the deletions that Qt and the game leave for
// later (deleteLater), or every such object would live as long as the game.
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include "game/pacing.h"
#include "tests/support/qt_run.h"

class EventLoopTest : public QObject {
  Q_OBJECT

 private slots:
  // Deleted later from outside any handler, and from inside one, as Qt's
  // own controls do; either way gone after the wait.
  void waitsCarryOutDeferredDeletes_data() {
    QTest::addColumn<bool>("flagWait");
    QTest::newRow("Wait") << false;
    QTest::newRow("flag wait") << true;
  }
  void waitsCarryOutDeferredDeletes() {
    QFETCH(bool, flagWait);
    zupi::test::QtRun run;
    QPointer<QObject> outside = new QObject, inside = new QObject;
    outside->deleteLater();
    QTimer::singleShot(0, inside, [&] {
      inside->deleteLater();
      zupi::IsRunning = false;
    });
    zupi::IsRunning = true;
    run.Go([&](const zupi::Host& host) {
      if (flagWait) zupi::WaitWhileRunning(host.events);
      else zupi::Wait(host.events, 0.2f);
    });
    QVERIFY(outside.isNull());
    QVERIFY(inside.isNull());
  }
};

QTEST_MAIN(EventLoopTest)
#include "test_event_loop.moc"
