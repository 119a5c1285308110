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
using zupi::test::KeyIntoRock;
using zupi::test::KeyTowardsGoal;
using zupi::test::Driver;
using zupi::test::Press;

namespace {

// Counts the times "GAME OVER" is shown and hidden, and what the portrait
// showed meanwhile.
class GameOverWatch : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::ShowToParent) {
      ++shown;
      Form1* form = LoadedForm1();
      hurtFace = form->imgZupi->picture().cacheKey() == form->imgZupiSRC[kZupiHurt]->picture().cacheKey();
    }
    if (event->type() == QEvent::HideToParent) ++hidden;
    return false;
  }
  int shown = 0;
  int hidden = 0;
  bool hurtFace = false;
};

QString Caption() { return LoadedForm1()->Label2->caption(); }

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

  void escapeInTheFirstStageEndsTheGame();
  void threeBumpsInTheDarkEndOnLevel1();
  void goalsLeadToTheProCavesOfLevel10();
  void keysBetweenStagesAndDuringGameOverDoNothing();
};

void PlayGameTest::escapeInTheFirstStageEndsTheGame() {
  test::RecordingSpeaker speaker;
  GameOverWatch watch;
  bool pressed = false;
  Driver driver([&] {
    Form1* form = LoadedForm1();
    if (form == nullptr) return;
    if (!pressed && IsRunning) {
      form->lblGameOver->installEventFilter(&watch);
      QCOMPARE(Caption(), QString::fromUtf8("洞窟 1-A\r\n\r\n 初級マップです。"));
      pressed = true;
      Press(kKeyEscape);
    }
  });
  PlayGame();
  QVERIFY(pressed);
  QCOMPARE(Level, Integer{1});
  QCOMPARE(StageResult, Integer{0});
  QCOMPARE(watch.shown, 3);  // three blinks, hidden at the end
  QCOMPARE(watch.hidden, 3);
  QVERIFY(LoadedForm1() == nullptr);
  QCOMPARE(speaker.played, std::vector<std::string>{"zupiwlk.wav"});  // Escape answers in place
}

void PlayGameTest::threeBumpsInTheDarkEndOnLevel1() {
  test::RecordingSpeaker speaker;
  GameOverWatch watch;
  int bumpsInLit = 0;
  std::array<Integer, kCaveColumns * kCaveRows> litCave{};
  Driver driver([&] {
    Form1* form = LoadedForm1();
    if (form == nullptr || !IsRunning) return;
    form->lblGameOver->installEventFilter(&watch);
    if (!IsDark) {
      litCave = CaveMap.cells();
      if (bumpsInLit < 2) {  // two lamps lost in the lit stage...
        ++bumpsInLit;
        Press(KeyIntoRock());
      } else {
        Press(KeyTowardsGoal());
      }
      return;
    }
    if (HitCount == 0) {  // ...are all green again in the dark stage
      QCOMPARE(CaveMap.cells(), litCave);  // the same cave, not a new one
      for (ShapeControl* lamp : form->SafeLight) QCOMPARE(lamp->fillColor(), QColor(0, 255, 0));
      QCOMPARE(Caption(), QString::fromUtf8("洞窟 1-B\r\n\r\n1-Aと同じマップです。\r\n"
                                            "暗いから壁にぶつからないように気をつけて!"));
    }
    Press(KeyIntoRock());
  });
  PlayGame();
  QCOMPARE(Level, Integer{1});
  QCOMPARE(StageResult, kStageCrashed);
  QCOMPARE(HitCount, Integer{3});
  QCOMPARE(watch.shown, 3);
  // The hurt face stays through the blinking.
  QVERIFY(watch.hurtFace);
}

void PlayGameTest::goalsLeadToTheProCavesOfLevel10() {
  test::RecordingSpeaker speaker;
  QString level10Message;
  Driver driver([&] {
    if (LoadedForm1() == nullptr || !IsRunning) return;
    if (Level == 10 && !IsDark) {
      level10Message = Caption();
      for (int x = 0; x < kBoardColumns; ++x) QCOMPARE(CaveMap(x, 0), Integer{0});  // a pro cave
      Press(kKeyEscape);
      return;
    }
    if (Level == 3 && IsDark && PosX == 0)
      QCOMPARE(Caption(), QString::fromStdString(StageMessage(3, true)));
    Press(KeyTowardsGoal());
  });
  PlayGame();
  QCOMPARE(Level, Integer{10});
  QCOMPARE(level10Message, QString::fromUtf8("洞窟 10-A\r\n\r\n プロ級マップです。"));
}

void PlayGameTest::keysBetweenStagesAndDuringGameOverDoNothing() {
  test::RecordingSpeaker speaker;
  std::size_t soundsAtGoal = 0;
  bool goalSeen = false, escaped = false;
  Integer xAtGoal = -1;
  Driver driver([&] {
    if (LoadedForm1() == nullptr) return;
    if (IsRunning && !IsDark) {
      Press(KeyTowardsGoal());
      return;
    }
    if (!IsRunning && StageResult == kStageGoal && !goalSeen) {
      goalSeen = true;
      soundsAtGoal = speaker.played.size();
      xAtGoal = PosX;
    }
    if (IsRunning && IsDark) {  // 1-B has begun: only the return chime was heard
      if (!escaped) {
        QCOMPARE(speaker.played.size(), soundsAtGoal + 1);
        QCOMPARE(speaker.Last(), std::string("nirorop.wav"));
        escaped = true;
        Press(kKeyEscape);
      }
      return;
    }
    Press(kKeyLeft);  // between stages and while "GAME OVER" blinks
    Press(kKeyEscape);
  });
  PlayGame();
  QVERIFY(goalSeen && escaped);
  QCOMPARE(xAtGoal, Integer{19});
  QCOMPARE(speaker.played.back(), std::string("zupiwlk.wav"));  // Escape's answer, nothing after
  QCOMPARE(Level, Integer{1});
}

QTEST_MAIN(PlayGameTest)
#include "test_play_game.moc"
