// The game's flow without a display, on a scripted event source that
// delivers the keys and clicks and journals what the windows are asked to
// do and what is heard, each at its wait pass (a pass is 100 ms of play):
// the stage loop of one game, the title's and the certificate's reveals in
// order and in time, the certificate after level 10 and not 9, and the
// close rule in every phase. Keys between stages are the soak's to check,
// on every key of many games.
#include <QtTest>

#include "cave/make_cave.h"
#include "game/play_game.h"
#include "game/program_cycle.h"
#include "game/sounds.h"
#include "tests/support/auto_player.h"
#include "tests/support/scripted_run.h"

using namespace zupi;
using namespace zupi::test;
using Lines = std::vector<std::string>;

// A failed comparison prints the strings: why a run stopped, a journal line.
template <>
char* QTest::toString(const std::string& text) { return qstrdup(text.c_str()); }

namespace {

// The journal line of `sound` heard at wait pass `pass`.
std::string Heard(int pass, std::string_view sound) { return std::to_string(pass) + " " + std::string(sound); }

// `n` journal lines from `first` on.
Lines From(const Lines& journal, const std::string& first, long n) {
  const auto it = std::find(journal.begin(), journal.end(), first);
  return Lines(it, it + std::min(n, journal.end() - it));
}

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

class FlowTest : public QObject {
  Q_OBJECT

 private slots:
  // Escape in 1-A: the stage is set up in order, Escape is answered with a
  // step, and "GAME OVER" shows three times for five passes each before
  // the window goes.
  void escapeInTheFirstStageBlinksGameOverAndUnloads() {
    ScriptedRun run;
    run.At(0, [&] { run.Press(kKeyEscape); });
    QCOMPARE(run.Go(PlayGame), std::string());
    QCOMPARE(run.journal, (Lines{"0 Form1 load", "0 Form1 show", "0 Form1 centre",
                                 "0 Form1 Label2 洞窟 1-A", "0 Form1 imgZupi 0", "0 Form1 icon 0,5",
                                 "0 Form1 SafeLight 0 green", "0 Form1 SafeLight 1 green",
                                 "0 Form1 SafeLight 2 green", "0 Form1 told 洞窟 1-A", "0 key 27",
                                 "0 Form1 imgZupi 0", Heard(0, kZupiwlkWav), "0 Form1 icon 0,5",
                                 "0 Form1 told step at 0,5, 3 lamps left", "0 Form1 told game over", "0 Form1 GAME OVER on",
                                 "5 Form1 GAME OVER off", "10 Form1 GAME OVER on",
                                 "15 Form1 GAME OVER off", "20 Form1 GAME OVER on",
                                 "25 Form1 GAME OVER off", "30 Form1 GAME OVER off", "30 Form1 unload"}));
    QCOMPARE(run.game.label2, std::string("洞窟 1-A\r\n\r\n 初級マップです。"));
    QCOMPARE(Level, Integer{1});
    QCOMPARE(StageResult, kStageEscaped);
  }

  // A goal: a second later the startled face, the chime and the icon back
  // on the start; a second after that the dark stage on the same cave, all
  // lamps green again, whose half-second pause already takes keys. Three
  // bumps there end the game on level 1.
  void goalLeadsToTheDarkStageOnTheSameCave() {
    ScriptedRun run;
    std::array<Integer, kCaveColumns * kCaveRows> litCave{};
    bool bumped = false;
    Integer xAfterPause = -1;
    run.whenIdle = [&] {
      if (!IsDark) {
        litCave = CaveMap.cells();
        run.Press(bumped ? KeyTowardsGoal() : KeyIntoRock());
        bumped = true;
      } else {
        if (xAfterPause < 0) xAfterPause = PosX;
        run.Press(KeyIntoRock());
      }
      return true;
    };
    run.At(22, [&] { run.Press(kKeyRight); });  // in the dark stage's pause
    QCOMPARE(run.Go(PlayGame), std::string());
    QCOMPARE(From(run.journal, "10 Form1 imgZupi 1", 15),
             (Lines{"10 Form1 imgZupi 1", Heard(10, kNiroropWav),
                    "10 Form1 icon 0,5", "20 Form1 Label2 洞窟 1-B", "20 Form1 imgZupi 0",
                    "20 Form1 icon 0,5", "20 Form1 SafeLight 0 green", "20 Form1 SafeLight 1 green",
                    "20 Form1 SafeLight 2 green", "20 Form1 told 洞窟 1-B", "22 key 39", "22 Form1 imgZupi 0",
                    Heard(22, kZupiwlkWav), "22 Form1 icon 1,5", "22 Form1 told step at 1,5, 3 lamps left"}));
    QCOMPARE(run.Lines("told goal").size(), std::size_t{1});
    QCOMPARE(run.game.label2,
             std::string("洞窟 1-B\r\n\r\n1-Aと同じマップです。\r\n暗いから壁にぶつからないように気をつけて!"));
    QCOMPARE(CaveMap.cells(), litCave);
    QCOMPARE(xAfterPause, Integer{1});
    QCOMPARE(run.Lines("red"), (Lines{"0 Form1 SafeLight 0 red", "25 Form1 SafeLight 0 red",
                                      "25 Form1 SafeLight 1 red", "25 Form1 SafeLight 2 red"}));
    QCOMPARE(Level, Integer{1});
    QCOMPARE(StageResult, kStageCrashed);
    QCOMPARE(run.Lines("GAME OVER").front(), std::string("25 Form1 GAME OVER on"));
    QCOMPARE(run.Lines("told bump").back(), std::string("25 Form1 told bump at 1,5, 0 lamps left"));
    QCOMPARE(run.Lines("told game over"), Lines{"25 Form1 told game over"});  // once, not per blink
  }

  // Every goal leads on; the goal of 9-B brings level 10, whose cave is
  // dug by the pro generator, exactly as MakeCave(4) digs it from the
  // same draws, under the pro message.
  void theGoalOf9BLeadsToAProCave() {
    ScriptedRun run(7);
    std::uint64_t drawsBefore10A = 0;
    run.whenIdle = [&] {
      if (Level == 9 && IsDark) drawsBefore10A = run.random.draws();
      run.Press(Level == 10 ? kKeyEscape : KeyTowardsGoal());
      return true;
    };
    QCOMPARE(run.Go(PlayGame), std::string());
    QCOMPARE(Level, Integer{10});
    QCOMPARE(run.game.label2, std::string("洞窟 10-A\r\n\r\n プロ級マップです。"));
    QCOMPARE(run.Lines("Label2").size(), std::size_t{19});

    const auto cave10A = CaveMap.cells();
    Random replay(7);
    while (replay.draws() < drawsBefore10A) replay.Next();
    MakeCave(replay, kPro);
    QCOMPARE(CaveMap.cells(), cave10A);
    QCOMPARE(replay.draws(), run.random.draws());
  }

  // The character first; after ten passes the "dong", then the title, the
  // copyright and the start button. A click in the pause finds no button.
  void titleRevealsItsButtonAfterTheSecond() {
    ScriptedRun run;
    run.At(5, [&] { run.ClickStart(); });
    run.At(12, [&] { run.ClickStart(); });
    QCOMPARE(run.Go(ShowTitle), std::string());
    QCOMPARE(run.journal, (Lines{"0 Form1 load", "0 Form3 load", "0 Form3 centre", "0 Form3 show",
                                 "0 Form3 Image1", Heard(10, kDongWav), "10 Form3 Image2",
                                 "10 Form3 Label1", "10 Form3 Command1", Heard(12, kNiroropWav),
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
                                 "8 Form2 Label1", Heard(8, kPororinWav), "16 Form2 Label2", Heard(16, kDongWav),
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

  // A close by the user (or the system) ends the program in any phase,
  // the sound silenced first; the program's own unload does not.
  void onlyACloseNotByTheProgramEndsIt_data() {
    QTest::addColumn<int>("pass");
    QTest::addColumn<int>("lastLevel");
    QTest::addColumn<int>("mode");
    QTest::newRow("title pause") << 4 << 1 << kUnloadByUser;
    QTest::newRow("goal sequence") << 15 << 2 << kUnloadByUser;
    QTest::newRow("game over") << 13 << 1 << kUnloadByUser;
    QTest::newRow("certificate") << 450 << 10 << kUnloadByUser;
    QTest::newRow("system shutdown") << 3 << 2 << 2;
    QTest::newRow("unload by code") << 3 << 2 << kUnloadByCode;
  }
  void onlyACloseNotByTheProgramEndsIt() {
    QFETCH(int, pass);
    QFETCH(int, lastLevel);
    QFETCH(int, mode);
    ScriptedRun run(5);
    PlayCycles(run, static_cast<Integer>(lastLevel), 2);
    run.At(pass, [&] { CloseRule(run, run, mode); });
    QCOMPARE(run.Go(Main), std::string("end"));
    const Lines end{std::to_string(pass) + " silence", std::to_string(pass) + " end"};
    QCOMPARE(Lines(run.journal.end() - 2, run.journal.end()) == end, mode != kUnloadByCode);
  }
};

QTEST_APPLESS_MAIN(FlowTest)
#include "test_flow.moc"
