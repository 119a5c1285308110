// Whole games of the stage loop without a display: a scripted event source
// delivers the keys, stand-ins record what the game window is asked to do
// and what is heard, each at its wait pass (a pass is 100 ms of play).
#include <QtTest>

#include "cave/make_cave.h"
#include "game/play_game.h"
#include "tests/support/auto_player.h"
#include "tests/support/scripted_run.h"

using namespace zupi;
using namespace zupi::test;
using Lines = std::vector<std::string>;

namespace {

// The journal from the first line that ends with `tail` on.
Lines From(const Lines& journal, const std::string& tail) {
  for (auto it = journal.begin(); it != journal.end(); ++it)
    if (it->size() >= tail.size() && it->compare(it->size() - tail.size(), tail.size(), tail) == 0)
      return Lines(it, journal.end());
  return {};
}

// The first `n` lines of `lines`.
Lines Head(const Lines& lines, std::size_t n) { return Lines(lines.begin(), lines.begin() + std::min(n, lines.size())); }

}  // namespace

class PlayGameTest : public QObject {
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
                                 "0 Form1 SafeLight 2 green", "0 key 27", "0 Form1 imgZupi 0",
                                 "0 zupiwlk.wav", "0 Form1 icon 0,5", "0 Form1 GAME OVER on",
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

    const Lines afterGoal = Head(From(run.journal, "0 pororin.wav"), 15);
    QCOMPARE(afterGoal.size(), std::size_t{15});
    QCOMPARE(Lines(afterGoal.begin() + 2, afterGoal.end()),
             (Lines{"10 Form1 imgZupi 1", "10 nirorop.wav", "10 Form1 icon 0,5",
                    "20 Form1 Label2 洞窟 1-B", "20 Form1 imgZupi 0", "20 Form1 icon 0,5",
                    "20 Form1 SafeLight 0 green", "20 Form1 SafeLight 1 green",
                    "20 Form1 SafeLight 2 green", "22 key 39", "22 Form1 imgZupi 0",
                    "22 zupiwlk.wav", "22 Form1 icon 1,5"}));
    QCOMPARE(run.game.label2,
             std::string("洞窟 1-B\r\n\r\n1-Aと同じマップです。\r\n暗いから壁にぶつからないように気をつけて!"));
    QCOMPARE(CaveMap.cells(), litCave);
    QCOMPARE(xAfterPause, Integer{1});
    QCOMPARE(run.Lines("red"), (Lines{"0 Form1 SafeLight 0 red", "25 Form1 SafeLight 0 red",
                                      "25 Form1 SafeLight 1 red", "25 Form1 SafeLight 2 red"}));
    QCOMPARE(Level, Integer{1});
    QCOMPARE(StageResult, kStageCrashed);
    QCOMPARE(run.Lines("GAME OVER").front(), std::string("25 Form1 GAME OVER on"));
  }

  // Keys after a goal and while "GAME OVER" blinks are not answered: the
  // only sounds after the goal are the chime and Escape's step.
  void keysBetweenStagesAndDuringGameOverDoNothing() {
    ScriptedRun run;
    run.whenIdle = [&] {
      run.Press(IsDark ? kKeyEscape : KeyTowardsGoal());
      return true;
    };
    for (int pass : {3, 15, 30, 54}) run.At(pass, [&] { run.Press(kKeyLeft); });
    QCOMPARE(run.Go(PlayGame), std::string());
    Lines later;
    for (const std::string& line : run.Lines(".wav"))
      if (line.rfind("0 ", 0) != 0) later.push_back(line);
    QCOMPARE(later, (Lines{"10 nirorop.wav", "25 zupiwlk.wav"}));
    QCOMPARE(run.Lines("key 37").size(), std::size_t{4});
    QCOMPARE(PosX, Integer{0});
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
};

QTEST_APPLESS_MAIN(PlayGameTest)
#include "test_play_game.moc"
