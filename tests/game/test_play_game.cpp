// Whole games on the real game window, driven by key events into the board
// from a timer that fires while the game waits. Waits are shortened to 1 ms
// passes; their number is unchanged.
#include <QtTest>

#include "cave/make_cave.h"
#include "game/messages.h"
#include "game/pacing.h"
#include "game/play_game.h"
#include "game/program_end.h"
#include "game/random.h"
#include "screens/form1.h"
#include "tests/support/auto_player.h"
#include "tests/support/driver.h"
#include "tests/support/recorders.h"

using namespace zupi;
using namespace zupi::test;

namespace {

// Counts the times "GAME OVER" is shown and hidden, and whether the
// portrait showed the hurt face meanwhile.
class GameOverWatch : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::ShowToParent) {
      ++shown;
      Form1* form = LoadedForm1();
      hurtFace = form->imgZupi->picture().cacheKey() == form->imgZupiSRC[kZupiHurt]->picture().cacheKey();
    }
    hidden += event->type() == QEvent::HideToParent;
    return false;
  }
  int shown = 0;
  int hidden = 0;
  bool hurtFace = false;
};

// The stage message on the board is the one for this stage.
bool ShowsMessage(Integer level, bool dark) {
  return LoadedForm1()->Label2->caption() == QString::fromStdString(StageMessage(level, dark));
}

}  // namespace

class PlayGameTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    SetWaitPassLength(std::chrono::milliseconds(1));
    SetEndAction([] {});
  }
  void init() {
    ResetGameState();
    SeedRandom(77);
  }

  // Escape in 1-A ends the game there: GAME OVER blinks three times and the
  // window goes; Escape's only answer is its step sound.
  void escapeInTheFirstStageEndsTheGame() {
    RecordingSpeaker speaker;
    GameOverWatch watch;
    bool pressed = false;
    Driver driver([&] {
      if (LoadedForm1() == nullptr || pressed || !IsRunning) return;
      LoadedForm1()->lblGameOver->installEventFilter(&watch);
      QVERIFY(ShowsMessage(1, false));
      pressed = true;
      Press(kKeyEscape);
    });
    PlayGame();
    QVERIFY(pressed);
    QCOMPARE(Level, Integer{1});
    QCOMPARE(StageResult, kStageEscaped);
    QCOMPARE(watch.shown, 3);
    QCOMPARE(watch.hidden, 3);  // hidden at the end
    QVERIFY(LoadedForm1() == nullptr);
    QCOMPARE(speaker.played, std::vector<std::string>{"zupiwlk.wav"});
  }

  // Two bumps in 1-A, then three in 1-B: 1-B has the same cave and three
  // green lamps again, and the hurt face stays through the blinking.
  void threeBumpsInTheDarkEndOnLevel1() {
    RecordingSpeaker speaker;
    GameOverWatch watch;
    int bumpsInLit = 0;
    std::array<Integer, kCaveColumns * kCaveRows> litCave{};
    Driver driver([&] {
      Form1* form = LoadedForm1();
      if (form == nullptr || !IsRunning) return;
      form->lblGameOver->installEventFilter(&watch);
      if (!IsDark) {
        litCave = CaveMap.cells();
        Press(bumpsInLit++ < 2 ? KeyIntoRock() : KeyTowardsGoal());
        return;
      }
      if (HitCount == 0) {
        QCOMPARE(CaveMap.cells(), litCave);
        for (ShapeControl* lamp : form->SafeLight) QCOMPARE(lamp->fillColor(), QColor(0, 255, 0));
        QVERIFY(ShowsMessage(1, true));
      }
      Press(KeyIntoRock());
    });
    PlayGame();
    QCOMPARE(Level, Integer{1});
    QCOMPARE(StageResult, kStageCrashed);
    QCOMPARE(HitCount, Integer{3});
    QCOMPARE(watch.shown, 3);
    QVERIFY(watch.hurtFace);
  }

  // Every goal leads on; level 10 brings a pro cave and its message.
  void goalsLeadToTheProCavesOfLevel10() {
    RecordingSpeaker speaker;
    bool proMessage = false;
    Driver driver([&] {
      if (LoadedForm1() == nullptr || !IsRunning) return;
      if (Level == 10 && !IsDark) {
        proMessage = ShowsMessage(10, false);
        for (int x = 0; x < kBoardColumns; ++x) QCOMPARE(CaveMap(x, 0), Integer{0});  // a pro cave
        return Press(kKeyEscape);
      }
      Press(KeyTowardsGoal());
    });
    PlayGame();
    QCOMPARE(Level, Integer{10});
    QVERIFY(proMessage);
  }

  // Keys between stages and while GAME OVER blinks do nothing: after the
  // goal of 1-A only the return chime is heard, and after Escape nothing.
  void keysBetweenStagesAndDuringGameOverDoNothing() {
    RecordingSpeaker speaker;
    std::size_t soundsAtGoal = 0;
    bool goalSeen = false, escaped = false;
    Driver driver([&] {
      if (LoadedForm1() == nullptr) return;
      if (IsRunning && !IsDark) return Press(KeyTowardsGoal());
      if (!IsRunning && StageResult == kStageGoal && !goalSeen) {
        goalSeen = true;
        soundsAtGoal = speaker.played.size();
        QCOMPARE(PosX, Integer{19});
      }
      if (IsRunning && IsDark) {
        if (escaped) return;
        QCOMPARE(speaker.played.size(), soundsAtGoal + 1);
        QCOMPARE(speaker.Last(), std::string("nirorop.wav"));
        escaped = true;
        return Press(kKeyEscape);
      }
      Press(kKeyLeft);
      Press(kKeyEscape);
    });
    PlayGame();
    QVERIFY(goalSeen && escaped);
    QCOMPARE(speaker.Last(), std::string("zupiwlk.wav"));  // Escape's answer, nothing after
    QCOMPARE(Level, Integer{1});
  }
};

QTEST_MAIN(PlayGameTest)
#include "test_play_game.moc"
