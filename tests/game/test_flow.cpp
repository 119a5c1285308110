// The game's flow without a display, as a player notices it, each line at
// its time: a game's stages, the title's and the certificate's reveals, the
// certificate after level 10 and not 9, and the close rule in every phase.
// Keys between stages are the soak's to check.
#include <QtTest>

#include "cave/make_cave.h"
#include "game/play_game.h"
#include "game/program_cycle.h"
#include "tests/support/auto_player.h"
#include "tests/support/scripted_run.h"

using namespace zupi;
using namespace zupi::test;
using Lines = std::vector<std::string>;

// A failed comparison prints the strings: why a run stopped, the lines noticed.
template <>
char* QTest::toString(const std::string& text) {
  return qstrdup(text.c_str());
}
template <>
char* QTest::toString(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n    " + line;
  return qstrdup(text.c_str());
}

namespace {

// The lines noticed from `first` on.
Lines From(const Lines& noticed, const std::string& first) {
  return Lines(std::find(noticed.begin(), noticed.end(), first), noticed.end());
}

// A player for whole cycles: each game to `lastLevel`, Escape there, and
// the title after `games` games closed.
void PlayCycles(ScriptedRun& run, Integer lastLevel, int games) {
  run.whenIdle = [&run, lastLevel, games] {
    if (run.certificate.loaded) {
      run.ClickOk();
    } else if (run.title.loaded) {
      if (static_cast<int>(run.Noticed("shows title window").size()) > games) run.CloseByUser();
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
  // Escape in 1-A: the whole stage at once, then GAME OVER blinks.
  void escapeInTheFirstStageBlinksGameOverAndUnloads() {
    ScriptedRun run;
    run.At(3, [&] { run.Press(kKeyEscape); });
    QCOMPARE(run.Go(PlayGame), std::string());
    QCOMPARE(run.noticed,
             (Lines{"0.0 shows game window, centred", "0.0 shows 洞窟 1-A 初級マップです。", "0.0 shows the cave lit",
                    "0.0 shows Zupi looks normal", "0.0 shows Zupi at 0,5", "0.0 shows lamps green green green",
                    "0.0 told 洞窟 1-A", "0.3 shows GAME OVER", "0.3 hears zupiwlk.wav", "0.3 told step at 0,5, life 3",
                    "0.3 told game over", "0.8 hides GAME OVER", "1.3 shows GAME OVER", "1.8 hides GAME OVER",
                    "2.3 shows GAME OVER", "2.8 hides GAME OVER", "3.3 hides game window"}));
    QCOMPARE(Level, Integer{1});
    QCOMPARE(StageResult, kStageEscaped);
  }

  // A goal leads to the dark stage on the same cave, whose half-second
  // pause already takes keys; three bumps there end the game.
  void goalLeadsToTheDarkStageOnTheSameCave() {
    ScriptedRun run;
    std::array<Integer, kCaveColumns * kCaveRows> litCave{};
    bool bumped = false;
    run.whenIdle = [&] {
      if (!IsDark) litCave = CaveMap.cells();
      run.Press(IsDark || !bumped ? KeyIntoRock() : KeyTowardsGoal());
      bumped = true;
      return true;
    };
    run.At(22, [&] { run.Press(kKeyRight); });  // in the dark stage's pause
    QCOMPARE(run.Go(PlayGame), std::string());
    // Laid out by hand, a moment or two a line.
    // clang-format off
    QCOMPARE(From(run.noticed, "0.0 shows Zupi winks"),
             (Lines{"0.0 shows Zupi winks", "0.0 shows Zupi at 19,4", "0.0 hears pororin.wav",
                    "0.0 told goal at 19,4, life 2",
                    "1.0 shows Zupi looks startled", "1.0 shows Zupi at 0,5", "1.0 hears nirorop.wav",
                    "2.0 shows 洞窟 1-B 1-Aと同じマップです。 暗いから壁にぶつからないように気をつけて!",
                    "2.0 shows only the goal", "2.0 shows Zupi looks normal", "2.0 shows lamps green green green",
                    "2.0 told 洞窟 1-B",
                    "2.2 shows Zupi at 1,5", "2.2 hears zupiwlk.wav", "2.2 told step at 1,5, life 3",
                    "2.5 shows Zupi looks hurt", "2.5 shows lamps red green green", "2.5 hears dong.wav",
                    "2.5 told bump at 1,5, life 2", "2.5 shows lamps red red green", "2.5 hears dong.wav",
                    "2.5 told bump at 1,5, life 1", "2.5 shows lamps red red red", "2.5 shows GAME OVER",
                    "2.5 hears dong.wav", "2.5 told bump at 1,5, life 0", "2.5 told game over",
                    "3.0 hides GAME OVER", "3.5 shows GAME OVER", "4.0 hides GAME OVER", "4.5 shows GAME OVER",
                    "5.0 hides GAME OVER", "5.5 hides game window"}));
    // clang-format on
    QCOMPARE(CaveMap.cells(), litCave);
    QCOMPARE(Level, Integer{1});
    QCOMPARE(StageResult, kStageCrashed);
  }

  // The goal of 9-B brings level 10, dug as MakeCave(4) digs it from the
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
    const Lines messages = run.Noticed(" shows 洞窟 ");
    QCOMPARE(messages.size(), std::size_t{19});
    QVERIFY(messages.back().ends_with(" shows 洞窟 10-A プロ級マップです。"));

    const auto cave10A = CaveMap.cells();
    Random replay(7);
    while (replay.draws() < drawsBefore10A) replay.Next();
    MakeCave(replay, kPro);
    QCOMPARE(CaveMap.cells(), cave10A);
    QCOMPARE(replay.draws(), run.random.draws());
  }

  // A click before the start button shows finds no button.
  void titleRevealsItsButtonAfterTheSecond() {
    ScriptedRun run;
    run.At(5, [&] { run.ClickStart(); });
    run.At(12, [&] { run.ClickStart(); });
    QCOMPARE(run.Go(ShowTitle), std::string());
    QCOMPARE(run.noticed, (Lines{"0.0 shows title window, centred", "0.0 shows Zupi's picture", "1.0 shows title",
                                 "1.0 shows copyright", "1.0 shows start button", "1.0 hears dong.wav",
                                 "1.2 hides title window", "1.2 hears nirorop.wav"}));
    QVERIFY(run.game.loaded && !run.game.shown);
  }

  // The certificate's parts 0.8 s apart, with its level; a click before the
  // button shows finds none.
  void certificateRevealsEightPassesApart() {
    ScriptedRun run;
    Level = 12;
    run.At(10, [&] { run.ClickOk(); });
    run.At(20, [&] { run.ClickOk(); });
    QCOMPARE(run.Go(ShowCertificate), std::string());
    QCOMPARE(run.noticed, (Lines{"0.0 shows certificate window, centred", "0.8 shows heading", "0.8 hears pororin.wav",
                                 "1.6 shows title",
                                 "1.6 shows あなたは12面までたどりついたので 洞窟プロに認定されました。おめでとう!",
                                 "1.6 shows OK button", "1.6 hears dong.wav", "2.0 hides certificate window"}));
    QVERIFY(run.game.loaded);  // reloaded, hidden, for the next title
  }

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
    QCOMPARE(run.Noticed("shows title window").size(), std::size_t{2});
    QCOMPARE(static_cast<int>(run.Noticed("shows certificate window").size()), certificates);
    QCOMPARE(static_cast<int>(run.Noticed("shows あなたは10面").size()), certificates);
  }

  // A close by the user (or the system) ends the program in any phase, the
  // sound silenced at once; the program's own unload does not.
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
    const std::string at = ScriptedRun::Time(pass);
    QCOMPARE(From(run.noticed, at + " hears silence") == (Lines{at + " hears silence", at + " the program ends"}),
             mode != kUnloadByCode);
  }
};

QTEST_APPLESS_MAIN(FlowTest)
#include "test_flow.moc"
