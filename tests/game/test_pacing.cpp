// The pacing helpers on a scripted event source: how many passes a wait
// makes and that each pass handles events before and after its pause, and
// the close rule.
#include <QtTest>

#include "game/pacing.h"
#include "game/program_end.h"
#include "tests/support/scripted_run.h"

using namespace zupi;
using zupi::test::ScriptedRun;

class PacingTest : public QObject {
  Q_OBJECT

 private slots:
  // Passes are the seconds in tenths, rounded half to even in single
  // precision: 0.45f lies just below .45 and gives 4. A wait with no pass
  // does not look at events at all.
  void waitsMakeTenPassesASecond_data() {
    QTest::addColumn<float>("seconds");
    QTest::addColumn<int>("passes");
    QTest::newRow("0.04: none") << 0.04f << 0;
    QTest::newRow("0.25 ties to even") << 0.25f << 2;
    QTest::newRow("0.35 ties to even") << 0.35f << 4;
    QTest::newRow("0.45 lies below .5") << 0.45f << 4;
    QTest::newRow("0.5, the dark pause and a blink") << 0.5f << 5;
    QTest::newRow("0.8, the certificate's beat") << 0.8f << 8;
    QTest::newRow("1.0, the title and the goal") << 1.0f << 10;
  }
  void waitsMakeTenPassesASecond() {
    QFETCH(float, seconds);
    QFETCH(int, passes);
    ScriptedRun run;
    QCOMPARE(run.Go([&](const Host& host) { Wait(host.events, seconds); }), std::string());
    QCOMPARE(run.pass(), passes);
    QCOMPARE(run.handlings(), 2 * passes);
  }

  // A key planned for the middle of a wait is handled in that pass, not
  // at its end.
  void eventsAreHandledInThePassTheyCome() {
    ScriptedRun run;
    int handledAt = -1;
    run.At(3, [&] { handledAt = run.pass(); });
    QCOMPARE(run.Go([](const Host& host) { Wait(host.events, 1.0f); }), std::string());
    QCOMPARE(handledAt, 3);
  }

  // Only the program's own unload lets the program go on; any other mode
  // silences the sound and ends it.
  void onlyTheProgramsOwnUnloadPasses_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("unload by code") << kUnloadByCode << "";
    QTest::newRow("close box") << kUnloadByUser << "end";
    QTest::newRow("system shutdown") << 2 << "end";
  }
  void onlyTheProgramsOwnUnloadPasses() {
    QFETCH(int, mode);
    QFETCH(QString, outcome);
    ScriptedRun run;
    QCOMPARE(QString::fromStdString(run.Go([&](const Host& host) { CloseRule(host.events, host.sound, mode); })), outcome);
    QCOMPARE(run.journal.empty(), outcome.isEmpty());
    if (!outcome.isEmpty()) QCOMPARE(run.journal, (std::vector<std::string>{"0 silence", "0 end"}));
  }
};

QTEST_APPLESS_MAIN(PacingTest)
#include "test_pacing.moc"
