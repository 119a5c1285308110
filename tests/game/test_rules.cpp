// The rules of play without a window: every key's answer (portrait, sound,
// lamps, icon), how a stage ends, the board drawing order and colours, and
// the random draws that the candle takes.
#include <QtTest>

#include "cave/draw_cave.h"
#include "cave/make_cave.h"
#include "game/messages.h"
#include "player/move_by_key.h"
#include "tests/support/cave_text.h"
#include "tests/support/game_state.h"
#include "tests/support/recorders.h"
#include "tests/support/scripted_random.h"

using namespace zupi;
using zupi::test::RecordingScreen;
using zupi::test::RecordingSpeaker;
using zupi::test::ScriptedRandom;
using zupi::test::SetCave;

namespace {

// A cave with a dead end up from the start, a goal at (19, 5), a dead end
// at (18, 4) with rock in the goal column beside it, and passage at the
// top and bottom edges.
const std::vector<std::string> kCorridor = {
    "....#...............", "....#...............", "....................",
    "....................", "#................##.", "####################",
    "....................", "....................", "......#.............",
    "......#............."};

void StartStage(int x = 0, int y = 5) {
  PosX = static_cast<Integer>(x);
  PosY = static_cast<Integer>(y);
  HitCount = 0;
  StageResult = 0;
  IsRunning = true;
}

struct Answer {
  int startX, startY;
  Integer key;
  int endX, endY, picture;
  const char* sound;
  bool running;
  Integer result;
};

}  // namespace

Q_DECLARE_METATYPE(Answer)

class RulesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    test::ResetGameState();
    SetCave(kCorridor);
  }

  void keysAnswerOnTheCellTheyLeave_data();
  void keysAnswerOnTheCellTheyLeave();
  void bumpsCostLampsAndTheThirdEndsTheStage();
  void keysAreIgnoredWhenNotRunning();

  void drawCavePaintsColumnByColumn();
  void darkStagePaintsBlackAndTicksDoNothing();
  void litTickPicksColourThenCandle_data();
  void litTickPicksColourThenCandle();
  void messagesNameTheDifficulty();
};

// Each key's whole answer: where the player ends, portrait, sound, whether
// the stage goes on and how it ended; the goal is passage in column 19 only.
void RulesTest::keysAnswerOnTheCellTheyLeave_data() {
  QTest::addColumn<Answer>("a");
  QTest::newRow("right steps on") << Answer{0, 5, 39, 1, 5, 0, "zupiwlk.wav", true, 0};
  QTest::newRow("up into the dead end") << Answer{0, 5, 38, 0, 4, 0, "zupiwlk.wav", true, 0};
  QTest::newRow("left at column 0 stays") << Answer{0, 5, 37, 0, 5, 0, "zupiwlk.wav", true, 0};
  QTest::newRow("up into row 0") << Answer{4, 1, 38, 4, 0, 0, "zupiwlk.wav", true, 0};
  QTest::newRow("up at row 0 stays") << Answer{4, 0, 38, 4, 0, 0, "zupiwlk.wav", true, 0};
  QTest::newRow("down into row 9") << Answer{6, 8, 40, 6, 9, 0, "zupiwlk.wav", true, 0};
  QTest::newRow("down at row 9 stays") << Answer{6, 9, 40, 6, 9, 0, "zupiwlk.wav", true, 0};
  QTest::newRow("space answers in place") << Answer{3, 5, 32, 3, 5, 0, "zupiwlk.wav", true, 0};
  QTest::newRow("escape answers, then ends") << Answer{3, 5, 27, 3, 5, 0, "zupiwlk.wav", false, 0};
  QTest::newRow("down into rock bumps back") << Answer{3, 5, 40, 3, 5, 2, "dong.wav", true, 0};
  QTest::newRow("left steps back") << Answer{3, 5, 37, 2, 5, 0, "zupiwlk.wav", true, 0};
  QTest::newRow("right onto the goal") << Answer{18, 5, 39, 19, 5, 3, "pororin.wav", false, 1};
  QTest::newRow("right into rock on column 19") << Answer{18, 4, 39, 18, 4, 2, "dong.wav", true, 0};
}

void RulesTest::keysAnswerOnTheCellTheyLeave() {
  QFETCH(Answer, a);
  RecordingScreen screen;
  RecordingSpeaker speaker;
  StartStage(a.startX, a.startY);
  MoveByKey(screen, speaker, a.key);
  QCOMPARE(PosX, a.endX);
  QCOMPARE(PosY, a.endY);
  QCOMPARE(screen.zupi, a.picture);
  QCOMPARE(speaker.played, std::vector<std::string>{a.sound});
  QCOMPARE(IsRunning, a.running);
  QCOMPARE(StageResult, a.result);
  QCOMPARE(screen.iconLeft, 200 * a.endX);  // the icon is placed again in every case
  QCOMPARE(screen.iconTop, 200 * a.endY);
}

// Each bump turns the next lamp red; the third ends the stage, hurt.
void RulesTest::bumpsCostLampsAndTheThirdEndsTheStage() {
  RecordingScreen screen;
  RecordingSpeaker speaker;
  StartStage(2, 5);
  for (int bump = 1; bump <= 3; ++bump) {
    QVERIFY(IsRunning);
    MoveByKey(screen, speaker, kKeyDown);
    QCOMPARE(HitCount, bump);
    QCOMPARE(screen.RedLamps(), bump);
    QCOMPARE(screen.lamps[static_cast<std::size_t>(bump - 1)], kRed);  // lamps go left to right
  }
  QVERIFY(!IsRunning);
  QCOMPARE(StageResult, kStageCrashed);
  QCOMPARE(PosX, 2);  // left on the last passage cell
  QCOMPARE(PosY, 5);
  QCOMPARE(screen.zupi, kZupiHurt);
}

// A key outside a running stage must change nothing and sound nothing.
void RulesTest::keysAreIgnoredWhenNotRunning() {
  RecordingScreen screen;
  RecordingSpeaker speaker;
  StartStage(3, 5);
  IsRunning = false;
  for (Integer key : {kKeyLeft, kKeyRight, kKeyDown, kKeyUp, kKeyEscape, Integer{65}})
    MoveByKey(screen, speaker, key);
  QCOMPARE(PosX, 3);
  QCOMPARE(HitCount, Integer{0});
  QVERIFY(speaker.played.empty());
  QCOMPARE(screen.zupi, -1);
}

// The board: black background, passage squares column by column, each goal
// square straight after its passage square, in pale yellow.
void RulesTest::drawCavePaintsColumnByColumn() {
  SetCave({"....................", "....................", "....................",
           "....................", "...................#", "###################.",
           "...................#", "....................", "....................",
           "...................."});
  RecordingScreen screen;
  screen.foreColour = RGB(1, 2, 3);
  DrawCave(screen);
  QCOMPARE(screen.backColour, RGB(0, 0, 0));
  QCOMPARE(screen.wipes, 1);
  QCOMPARE(screen.fills.size(), std::size_t{19 + 2 * 2});
  QCOMPARE(screen.fills.front(), (RecordingScreen::Fill{0, 1000, 200, 1200, RGB(1, 2, 3)}));
  // Column 19, top down, each passage square followed by its goal square.
  const std::vector<RecordingScreen::Fill> goalColumn(screen.fills.end() - 4, screen.fills.end());
  const Colour yellow = RGB(255, 255, 128);
  QCOMPARE(goalColumn, (std::vector<RecordingScreen::Fill>{{3800, 800, 4000, 1000, RGB(1, 2, 3)},
                                                           {3800, 800, 4000, 1000, yellow},
                                                           {3800, 1200, 4000, 1400, RGB(1, 2, 3)},
                                                           {3800, 1200, 4000, 1400, yellow}}));
  QCOMPARE(screen.foreColour, RGB(1, 2, 3));  // a lit stage keeps whatever colour the board had

  SetCave({});  // all rock: a black board with nothing on it
  DrawCave(screen);
  QVERIFY(screen.fills.empty());
}

// A dark stage paints the passage black and its candle ticks draw nothing.
void RulesTest::darkStagePaintsBlackAndTicksDoNothing() {
  RecordingScreen screen;
  screen.foreColour = RGB(120, 110, 110);
  IsDark = true;
  DrawCave(screen);
  QCOMPARE(screen.foreColour, RGB(0, 0, 0));
  const auto fills = screen.fills;
  ScriptedRandom none;
  for (int i = 0; i < 5; ++i) RousokuTimerTick(screen, none);
  QCOMPARE(none.taken(), std::size_t{0});
  QVERIFY(!none.overrun());
  QCOMPARE(screen.fills, fills);
  QCOMPARE(screen.wipes, 1);
  QCOMPARE(screen.rousoku, kCandleUnlit);

  // Back in a lit stage the passage is black until the first tick.
  IsDark = false;
  DrawCave(screen);
  QCOMPARE(screen.fills.front().colour, RGB(0, 0, 0));
  ScriptedRandom random{0.0f, 0.0f};
  RousokuTimerTick(screen, random);
  QCOMPARE(screen.fills.front().colour, RGB(110, 100, 100));
}

// A lit tick draws the colour first, then the candle, rounding half to even.
void RulesTest::litTickPicksColourThenCandle_data() {
  QTest::addColumn<float>("colourDraw");
  QTest::addColumn<float>("candleDraw");
  QTest::addColumn<int>("d");
  QTest::addColumn<int>("candle");
  QTest::newRow("lowest") << 0.0f << 0.0f << 100 << 1;
  QTest::newRow("highest") << 0.99999994f << 0.99999994f << 130 << 2;
  QTest::newRow("half rounds up to even 108") << 0.25f << 0.5f << 108 << 2;
  QTest::newRow("half rounds down to even 122") << 0.75f << 0.49999997f << 122 << 1;
  QTest::newRow("middle") << 0.5f << 0.3f << 115 << 1;
}

void RulesTest::litTickPicksColourThenCandle() {
  QFETCH(float, colourDraw);
  QFETCH(float, candleDraw);
  QFETCH(int, d);
  QFETCH(int, candle);
  RecordingScreen screen;
  ScriptedRandom random{colourDraw, candleDraw};
  RousokuTimerTick(screen, random);
  QCOMPARE(random.taken(), std::size_t{2});
  QCOMPARE(screen.foreColour, RGB(d + 10, d, d));
  QCOMPARE(screen.rousoku, candle);
  QCOMPARE(screen.wipes, 1);  // a full repaint on every lit tick
}

// The difficulty lines of the middle levels; the flow's tests see the
// others on screen.
void RulesTest::messagesNameTheDifficulty() {
  QCOMPARE(StageMessage(6, false), std::string("洞窟 6-A\r\n\r\n 中級マップです。"));
  QCOMPARE(StageMessage(7, false), std::string("洞窟 7-A\r\n\r\n 上級マップです。"));
  QCOMPARE(StageMessage(123, false), std::string("洞窟 123-A\r\n\r\n プロ級マップです。"));
}

QTEST_APPLESS_MAIN(RulesTest)
#include "test_rules.moc"
