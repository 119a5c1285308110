// The program cycle without a display: the title's and the certificate's
// reveals in order and in time (a pass is 100 ms), buttons that cannot be
// pressed before they show, the certificate after a game that ended on
// level 10 and not 9, and a close by the user that ends every phase.
#include <QtTest>

#include "game/program_cycle.h"
#include "tests/support/auto_player.h"
#include "tests/support/scripted_run.h"

using namespace zupi;
using namespace zupi::test;
using Lines = std::vector<std::string>;

namespace {

// A player for whole cycles: starts each game, walks each stage to its
// goal until `lastLevel`, presses Escape there, and confirms certificates;
// the title after `games` games is closed.
void PlayCycles(ScriptedRun& run, Integer lastLevel, int games) {
  run.whenIdle = [&run, lastLevel, games] {
    if (run.certificate.loaded) {
      run.ClickOk();
    } else if (run.title.loaded) {
      if (static_cast<int>(run.Lines("Form3 load").size()) > games) run.CloseByUser();
      run.ClickStart();
    } else {
      run.Press(Level >= lastLevel ? kKeyEscape : KeyTowardsGoal());
    }
    return true;
  };
}

}  // namespace

class ProgramCycleTest : public QObject {
  Q_OBJECT

 private slots:
  // The character first; after ten passes the "dong", then the title, the
  // copyright and the start button. A click in the pause finds no button.
  void titleRevealsItsButtonAfterTheSecond() {
    ScriptedRun run;
    run.At(5, [&] { run.ClickStart(); });
    run.At(12, [&] { run.ClickStart(); });
    QCOMPARE(run.Go(ShowTitle), std::string());
    QCOMPARE(run.journal, (Lines{"0 Form1 load", "0 Form3 load", "0 Form3 centre", "0 Form3 show",
                                 "0 Form3 Image1", "10 dong.wav", "10 Form3 Image2",
                                 "10 Form3 Label1", "10 Form3 Command1", "12 nirorop.wav",
                                 "12 Form3 unload"}));
    QVERIFY(run.game.loaded && !run.game.shown);
  }

  // Heading with the fanfare after eight passes, title with the "dong"
  // eight later, then the text with the level and the button, which a
  // click before finds not there.
  void certificateRevealsEightPassesApart() {
    ScriptedRun run;
    Level = 12;
    run.At(10, [&] { run.ClickOk(); });
    run.At(20, [&] { run.ClickOk(); });
    QCOMPARE(run.Go(ShowCertificate), std::string());
    QCOMPARE(run.journal, (Lines{"0 Form1 load", "0 Form2 load", "0 Form2 centre", "0 Form2 show",
                                 "8 Form2 Label1", "8 pororin.wav", "16 Form2 Label2", "16 dong.wav",
                                 "16 Form2 Label3 set", "16 Form2 Label3", "16 Form2 Command1",
                                 "20 Form2 unload"}));
    QCOMPARE(run.certificate.label3,
             std::string("あなたは12面までたどりついたので\r\n洞窟プロに認定されました。おめでとう!"));
    QVERIFY(run.game.loaded);  // reloaded, hidden, for the next title
  }

  // A game that ends on level 9 goes back to the title; one that ends on
  // level 10 shows the certificate first, with that level.
  void certificateFollowsOnlyAGameThatEndedOnLevel10_data() {
    QTest::addColumn<int>("lastLevel");
    QTest::addColumn<int>("certificates");
    QTest::newRow("level 9") << 9 << 0;
    QTest::newRow("level 10") << 10 << 1;
  }
  void certificateFollowsOnlyAGameThatEndedOnLevel10() {
    QFETCH(int, lastLevel);
    QFETCH(int, certificates);
    ScriptedRun run(3);
    PlayCycles(run, static_cast<Integer>(lastLevel), 1);
    QCOMPARE(run.Go(Main), std::string("end"));
    QCOMPARE(run.Lines("Form3 load").size(), std::size_t{2});
    QCOMPARE(static_cast<int>(run.Lines("Form2 load").size()), certificates);
    if (certificates > 0) QCOMPARE(run.certificate.label3.substr(0, 14), std::string("あなたは10"));
  }

  // Closing a window by hand ends the program in any phase, the sound
  // silenced first.
  void closingByTheUserEndsEveryPhase_data() {
    QTest::addColumn<int>("pass");
    QTest::addColumn<int>("lastLevel");
    QTest::newRow("title pause") << 4 << 1;
    QTest::newRow("goal sequence") << 15 << 2;
    QTest::newRow("game over") << 13 << 1;
    QTest::newRow("certificate") << 450 << 10;
  }
  void closingByTheUserEndsEveryPhase() {
    QFETCH(int, pass);
    QFETCH(int, lastLevel);
    ScriptedRun run(5);
    PlayCycles(run, static_cast<Integer>(lastLevel), 5);
    run.At(pass, [&] { run.CloseByUser(); });
    QCOMPARE(run.Go(Main), std::string("end"));
    QCOMPARE(Lines(run.journal.end() - 2, run.journal.end()),
             (Lines{std::to_string(pass) + " silence", std::to_string(pass) + " end"}));
  }
};

QTEST_APPLESS_MAIN(ProgramCycleTest)
#include "test_program_cycle.moc"
