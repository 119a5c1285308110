// The rules of play without a window: every key's answer, the stage
// messages and difficulty by level, exact caves from scripted draws, and the
// promises every cave keeps, over thousands of caves per difficulty.
#include <QtTest>

#include <array>
#include <string_view>

#include "cave/make_cave.h"
#include "game/messages.h"
#include "game/sounds.h"
#include "player/move_by_key.h"
#include "tests/support/cave_text.h"
#include "tests/support/game_state.h"
#include "tests/support/scripted_random.h"
#include "tests/support/scripted_run.h"

using namespace zupi;
using zupi::test::Cave;
using zupi::test::CaveRows;
using zupi::test::ScriptedRandom;
using Rows = std::vector<std::string>;
using Draws = std::vector<float>;

namespace {

// A cave with a dead end up from the start, a goal at (19, 5), a dead end
// at (18, 4) with rock in the goal column beside it, and passage at the
// top and bottom edges.
const Rows kCorridor = {"....#...............", "....#...............", "....................", "....................",
                        "#................##.", "####################", "....................", "....................",
                        "......#.............", "......#............."};

// A key on a cell of kCorridor and its answer, none of which ends the
// stage; by default a plain step's.
struct Answer {
  QPoint from;
  int hits = 0;  // bumps earlier in the stage
  Integer key;
  QPoint to;
  int picture = kZupiNormal;
  std::string_view sound = kZupiwlkWav;
};

Answer Bump(Answer a) {
  a.picture = kZupiHurt, a.sound = kDongWav;
  return a;
}

const Rows kStraight = Cave({{5, "####################"}});

// Draws as runs of (value, count).
Draws Runs(std::initializer_list<std::pair<float, int>> runs) {
  Draws draws;
  for (auto [value, count] : runs) draws.insert(draws.end(), static_cast<std::size_t>(count), value);
  return draws;
}

// How many passage cells the start reaches.
int Reachable() {
  std::array<bool, kBoardColumns * kBoardRows> seen{};
  const auto fill = [&seen](auto& self, int x, int y) -> int {
    if (x < 0 || y < 0 || x >= kBoardColumns || y >= kBoardRows || CaveMap(x, y) == 0 ||
        std::exchange(seen[x + kBoardColumns * y], true))
      return 0;
    return 1 + self(self, x + 1, y) + self(self, x - 1, y) + self(self, x, y + 1) + self(self, x, y - 1);
  };
  return fill(fill, 0, 5);
}

}  // namespace

class RulesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { test::ResetGameState(); }

  // Each key's whole answer on the cell it leaves the player on; the goal
  // is passage in column 19 only. Escape, the goal and three bumps in a
  // row, which end a stage, are the flow's test's, as a player notices them.
  void keysAnswerOnTheCellTheyLeave_data() {
    QTest::addColumn<Answer>("a");
    QTest::newRow("right steps on") << Answer{.from = {0, 5}, .key = kKeyRight, .to = {1, 5}};
    QTest::newRow("up into the dead end") << Answer{.from = {0, 5}, .key = kKeyUp, .to = {0, 4}};
    QTest::newRow("left at column 0 stays") << Answer{.from = {0, 5}, .key = kKeyLeft, .to = {0, 5}};
    QTest::newRow("up into row 0") << Answer{.from = {4, 1}, .key = kKeyUp, .to = {4, 0}};
    QTest::newRow("up at row 0 stays") << Answer{.from = {4, 0}, .key = kKeyUp, .to = {4, 0}};
    QTest::newRow("down into row 9") << Answer{.from = {6, 8}, .key = kKeyDown, .to = {6, 9}};
    QTest::newRow("down at row 9 stays") << Answer{.from = {6, 9}, .key = kKeyDown, .to = {6, 9}};
    QTest::newRow("space answers in place") << Answer{.from = {3, 5}, .key = 32, .to = {3, 5}};
    QTest::newRow("left steps back") << Answer{.from = {3, 5}, .key = kKeyLeft, .to = {2, 5}};
    QTest::newRow("second bump, down") << Bump({.from = {3, 5}, .hits = 1, .key = kKeyDown, .to = {3, 5}});
    QTest::newRow("right into rock on column 19") << Bump({.from = {18, 4}, .key = kKeyRight, .to = {18, 4}});
  }
  void keysAnswerOnTheCellTheyLeave() {
    QFETCH(Answer, a);
    test::ScriptedRun run;
    GameWindow& screen = run.LoadForm1();
    test::SetCave(kCorridor);
    PosX = static_cast<Integer>(a.from.x());
    PosY = static_cast<Integer>(a.from.y());
    HitCount = static_cast<Integer>(a.hits);
    IsRunning = true;
    MoveByKey(screen, run, a.key);
    QCOMPARE(QPoint(PosX, PosY), a.to);
    QCOMPARE(run.game.face, a.picture);
    QCOMPARE(run.heard, std::vector<std::string>{std::string(a.sound)});
    QVERIFY(IsRunning);
    QCOMPARE(StageResult, kStageEscaped);                                      // as it was
    QCOMPARE(QPoint(run.game.iconLeft, run.game.iconTop), a.to * kCellTwips);  // placed again
    const bool bump = a.picture == kZupiHurt;
    QCOMPARE(HitCount, Integer(a.hits + bump));
    std::array<Colour, kLamps> lamps{kGreen, kGreen, kGreen};
    if (bump) lamps[static_cast<std::size_t>(a.hits)] = kRed;  // left to right
    QCOMPARE(run.game.lamps, lamps);                           // what a screen reader is told, the flow's test reads
  }

  // Three levels per difficulty, then pro for ever, each named in its
  // stage message: the messages' lines and spaces exactly, which the flow's
  // test reads as a player does.
  void levelsChooseTheirDifficulty() {
    const Integer expected[] = {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4};
    for (Integer level = 1; level <= 12; ++level) QCOMPARE(DifficultyForLevel(level), expected[level - 1]);
    QCOMPARE(DifficultyForLevel(500), Integer{4});
    QCOMPARE(StageMessage(1, false), std::string("洞窟 1-A\r\n\r\n 初級マップです。"));
    QCOMPARE(StageMessage(6, false), std::string("洞窟 6-A\r\n\r\n 中級マップです。"));
    QCOMPARE(StageMessage(7, false), std::string("洞窟 7-A\r\n\r\n 上級マップです。"));
    QCOMPARE(StageMessage(123, false), std::string("洞窟 123-A\r\n\r\n プロ級マップです。"));
    QCOMPARE(StageMessage(1, true),
             std::string("洞窟 1-B\r\n\r\n1-Aと同じマップです。\r\n暗いから壁にぶつからないように気をつけて!"));
  }

  // A walker that reads its draws wrongly digs a different cave, or takes
  // a different number of draws and shifts every cave after it.
  void scriptedDrawsDigExactCaves_data() {
    QTest::addColumn<int>("difficulty");
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<Rows>("cave");
    QTest::newRow("beginner turns up at 10")
        << 1 << Draws{0.0f, 0.49f} << Cave({{4, "..........##########"}, {5, "###########........."}});
    // The goal column then holds two cells; 0.5 is not below 0.5.
    QTest::newRow("beginner turns down at 19")
        << 1 << Draws{0.95f, 0.5f} << Cave({{5, "####################"}, {6, "...................#"}});
    // A draw equal to the threshold is not below it: no move at all.
    QTest::newRow("intermediate never moves") << 2 << Runs({{0.2f, 20}}) << kStraight;
    QTest::newRow("advanced never moves") << 3 << Runs({{0.4f, 20}}) << kStraight;
    // One row up per column; the move up from row 0 lands on row 1.
    QTest::newRow("advanced bounces off row 0") << 3 << Runs({{0.0f, 12}, {0.9f, 14}})
                                                << Cave({{0, "....##.............."},
                                                         {1, "...#################"},
                                                         {2, "..##................"},
                                                         {3, ".##................."},
                                                         {4, "##.................."},
                                                         {5, "#..................."}});
    // One row down per column; the move down from row 9 lands on row 8.
    Draws falls;
    for (int i = 0; i < 5; ++i) falls.insert(falls.end(), {0.1f, 0.5f});
    falls.resize(falls.size() + 15, 0.3f);
    QTest::newRow("intermediate bounces off row 9") << 2 << falls
                                                    << Cave({{5, "#..................."},
                                                             {6, "##.................."},
                                                             {7, ".##................."},
                                                             {8, "..##################"},
                                                             {9, "...##..............."}});
    QTest::newRow("pro walks straight right") << 4 << Runs({{0.0f, 19}}) << kStraight;
    // Up, right, down, right...: steps that never revisit a cell.
    QTest::newRow("pro walks a staircase")
        << 4 << Runs({{0.5f, 1}, {0.0f, 1}, {0.99f, 2}, {0.0f, 18}})
        << Cave({{4, "##.................."}, {5, "##.................."}, {6, ".###################"}});
    // Up three times, right, up, left: boxed in at (0, 1), every draw fails
    // until draw 501, and the second attempt leaves nothing of the first.
    QTest::newRow("pro retries when boxed in")
        << 4 << Runs({{0.5f, 3}, {0.0f, 1}, {0.5f, 1}, {0.25f, 1}, {0.0f, 495 + 19}}) << kStraight;
    // 18 steps right, then left draws that fail: draw 500 may still reach
    // the goal, draw 501 is too late and the walk starts again.
    QTest::newRow("pro reaches the goal on draw 500") << 4 << Runs({{0.0f, 18}, {0.25f, 481}, {0.0f, 1}}) << kStraight;
    QTest::newRow("pro gives up on draw 501")
        << 4 << Runs({{0.0f, 18}, {0.25f, 482}, {0.0f, 1}, {0.99f, 2}, {0.0f, 19}})
        << Cave({{5, "#..................."}, {6, "#..................."}, {7, "####################"}});
    // A difficulty outside 1..4 digs nothing, not even the start.
    QTest::newRow("difficulty 0") << 0 << Draws{} << Cave({});
    QTest::newRow("difficulty 5") << 5 << Draws{} << Cave({});
  }
  void scriptedDrawsDigExactCaves() {
    QFETCH(int, difficulty);
    QFETCH(Draws, draws);
    QFETCH(Rows, cave);
    test::SetCave(Rows(10, std::string(20, '#')));  // nothing of a cave before may survive
    ScriptedRandom random(draws);
    MakeCave(random, static_cast<Integer>(difficulty));
    QCOMPARE(CaveRows(), cave);
    QVERIFY2(!random.overrun(), "took more draws than scripted");
    QCOMPARE(random.left(), std::size_t{0});  // and not fewer either
  }

  // Every cave: start open, one connected passage, a goal, rows in range,
  // only 0 and -1, the rock rim, the draws it takes.
  void everyCaveKeepsItsPromises_data() {
    QTest::addColumn<int>("difficulty");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::newRow("beginner") << 1 << 4 << 6;
    QTest::newRow("intermediate") << 2 << 0 << 9;
    QTest::newRow("advanced") << 3 << 0 << 9;
    QTest::newRow("pro") << 4 << 1 << 9;
  }
  void everyCaveKeepsItsPromises() {
    QFETCH(int, difficulty);
    QFETCH(int, top);
    QFETCH(int, bottom);
    Random random(20261206 + difficulty);
    std::array<int, kBoardRows> rowsUsed{};
    for (int cave = 0; cave < 5000; ++cave) {
      const auto before = random.draws();
      MakeCave(random, static_cast<Integer>(difficulty));
      const auto draws = random.draws() - before;
      QVERIFY(CaveMap(0, 5) == -1);
      int cells = 0, goals = 0;
      for (int x = 0; x < kCaveColumns; ++x)
        for (int y = 0; y < kCaveRows; ++y) {
          QVERIFY(CaveMap(x, y) == 0 || CaveMap(x, y) == -1);
          if (CaveMap(x, y) == 0) continue;
          QVERIFY2(x < kBoardColumns && y >= top && y <= bottom,
                   qPrintable(QString::number(x) + "," + QString::number(y)));
          ++rowsUsed[y], ++cells;
          goals += x == 19;
        }
      QCOMPARE(Reachable(), cells);
      QVERIFY(goals >= 1);
      if (difficulty == 1) QVERIFY(cells == 21 && draws == 2);
      if (difficulty == 2 || difficulty == 3) QCOMPARE(static_cast<int>(draws), cells);  // 20 + 1 per move
      // Failed attempts take 501 draws each; the last one a draw per cell or more.
      if (difficulty == 4) QVERIFY(goals == 1 && draws % 501 >= static_cast<unsigned long>(cells - 1));
    }
    for (int y = top; y <= bottom; ++y) QVERIFY2(rowsUsed[y] > 0, "every allowed row is reached");
  }
};

QTEST_APPLESS_MAIN(RulesTest)
#include "test_rules.moc"
