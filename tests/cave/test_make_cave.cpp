// The cave generator: exact caves from scripted draws (including the edge
// rules at rows 0 and 9 and the pro walker's 501-draw rule), and the promises
// every cave keeps, checked over thousands of caves per difficulty.
#include <QtTest>

#include <array>
#include <queue>

#include "cave/make_cave.h"
#include "game/random.h"
#include "tests/support/cave_text.h"
#include "tests/support/game_state.h"
#include "tests/support/scripted_random.h"

using namespace zupi;
using zupi::test::CaveRows;
using zupi::test::ScriptedRandom;

using Rows = std::vector<std::string>;
using Draws = std::vector<float>;
Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(Draws)

namespace {

// All rock but the rows given.
Rows Cave(std::initializer_list<std::pair<int, const char*>> passages) {
  Rows rows(10, std::string(20, '.'));
  for (auto [y, row] : passages) rows[static_cast<std::size_t>(y)] = row;
  return rows;
}

const Rows kStraight = Cave({{5, "####################"}});

// Draws as runs of (value, count).
Draws Runs(std::initializer_list<std::pair<float, int>> runs) {
  Draws draws;
  for (auto [value, count] : runs) draws.insert(draws.end(), static_cast<std::size_t>(count), value);
  return draws;
}

int PassageCount() {
  int n = 0;
  for (int x = 0; x < kBoardColumns; ++x)
    for (int y = 0; y < kBoardRows; ++y) n += CaveMap(x, y) != 0;
  return n;
}

// Cells reachable from the start through passage that shares a side.
int ReachableFromStart() {
  std::array<std::array<bool, kBoardRows>, kBoardColumns> seen{};
  std::queue<std::pair<int, int>> todo;
  todo.push({0, 5});
  seen[0][5] = true;
  int count = 0;
  for (; !todo.empty(); ++count) {
    auto [x, y] = todo.front();
    todo.pop();
    const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
    for (int i = 0; i < 4; ++i) {
      int nx = x + dx[i], ny = y + dy[i];
      if (nx < 0 || ny < 0 || nx >= kBoardColumns || ny >= kBoardRows) continue;
      if (seen[nx][ny] || CaveMap(nx, ny) == 0) continue;
      seen[nx][ny] = true;
      todo.push({nx, ny});
    }
  }
  return count;
}

}  // namespace

class MakeCaveTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { test::ResetGameState(); }

  // A walker that reads its draws wrongly digs a different cave, or takes
  // a different number of draws and shifts every cave after it.
  void scriptedDrawsDigExactCaves_data() {
    QTest::addColumn<int>("difficulty");
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<Rows>("cave");
    QTest::newRow("beginner turns up at 10")
        << 1 << Draws{0.0f, 0.49f}
        << Cave({{4, "..........##########"}, {5, "###########........."}});
    // The goal column then holds two cells; 0.5 is not below 0.5.
    QTest::newRow("beginner turns down at 19")
        << 1 << Draws{0.95f, 0.5f} << Cave({{5, "####################"}, {6, "...................#"}});
    // A draw equal to the threshold is not below it: no move at all.
    QTest::newRow("intermediate never moves") << 2 << Runs({{0.2f, 20}}) << kStraight;
    QTest::newRow("advanced never moves") << 3 << Runs({{0.4f, 20}}) << kStraight;
    // One row up per column; the move up from row 0 lands on row 1.
    QTest::newRow("advanced bounces off row 0")
        << 3 << Runs({{0.0f, 12}, {0.9f, 14}})
        << Cave({{0, "....##.............."}, {1, "...#################"}, {2, "..##................"},
                 {3, ".##................."}, {4, "##.................."}, {5, "#..................."}});
    // One row down per column; the move down from row 9 lands on row 8.
    Draws falls;
    for (int i = 0; i < 5; ++i) falls.insert(falls.end(), {0.1f, 0.5f});
    falls.resize(falls.size() + 15, 0.3f);
    QTest::newRow("intermediate bounces off row 9")
        << 2 << falls
        << Cave({{5, "#..................."}, {6, "##.................."}, {7, ".##................."},
                 {8, "..##################"}, {9, "...##..............."}});
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
    QTest::newRow("pro reaches the goal on draw 500")
        << 4 << Runs({{0.0f, 18}, {0.25f, 481}, {0.0f, 1}}) << kStraight;
    QTest::newRow("pro gives up on draw 501")
        << 4 << Runs({{0.0f, 18}, {0.25f, 482}, {0.0f, 1}, {0.99f, 2}, {0.0f, 19}})
        << Cave({{5, "#..................."}, {6, "#..................."}, {7, "####################"}});
  }
  void scriptedDrawsDigExactCaves() {
    QFETCH(int, difficulty);
    QFETCH(Draws, draws);
    QFETCH(Rows, cave);
    ScriptedRandom random(draws);
    MakeCave(random, static_cast<Integer>(difficulty));
    QCOMPARE(CaveRows(), cave);
    QVERIFY2(!random.overrun(), "took more draws than scripted");
    QCOMPARE(random.left(), std::size_t{0});  // and not fewer either
  }

  // A difficulty outside 1..4 must dig nothing and take no draw.
  void unknownDifficultyLeavesAllRock() {
    Random random(7);
    MakeCave(random, kPro);
    for (Integer difficulty : {Integer{0}, Integer{5}, Integer{-1}}) {
      const auto before = random.draws();
      MakeCave(random, difficulty);
      QCOMPARE(PassageCount(), 0);  // not even the start cell
      QCOMPARE(random.draws(), before);
    }
  }

  // Every cave: start open, one connected passage (so no cell of the cave
  // before survives), a goal, rows in range, the rock rim, the draw count.
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
    for (int cave = 0; cave < 10000; ++cave) {
      const auto before = random.draws();
      MakeCave(random, static_cast<Integer>(difficulty));
      const auto draws = random.draws() - before;
      const int cells = PassageCount();
      QVERIFY(CaveMap(0, 5) == -1);
      QCOMPARE(ReachableFromStart(), cells);
      int goals = 0;
      for (int x = 0; x < kCaveColumns; ++x) {
        for (int y = 0; y < kCaveRows; ++y) {
          const Integer cell = CaveMap(x, y);
          QVERIFY(cell == 0 || cell == -1);
          if (cell == 0) continue;
          QVERIFY2(x < kBoardColumns && y >= top && y <= bottom, qPrintable(QString::fromStdString(test::CaveText())));
          ++rowsUsed[y];
          goals += x == 19;
        }
      }
      QVERIFY(goals >= 1);
      switch (difficulty) {
        case 1: QCOMPARE(cells, 21); QCOMPARE(draws, 2u); break;
        case 2:
        case 3: QCOMPARE(static_cast<int>(draws), cells); break;  // 20 columns + 1 per move
        case 4:  // failed attempts take 501 draws each; the last one a draw per cell or more
          QCOMPARE(goals, 1);
          QVERIFY(draws % 501 >= static_cast<unsigned long>(cells - 1));
          break;
      }
    }
    for (int y = top; y <= bottom; ++y) QVERIFY2(rowsUsed[y] > 0, "every allowed row is reached");
  }

  // A draw of 1.0 would walk off the thresholds; draws carry 24 bits.
  void drawsStayBelowOne() {
    Random random(1);
    double sum = 0;
    const int n = 1 << 24;
    float highest = 0.0f;
    for (int i = 0; i < n; ++i) {
      const float r = random.Next();
      const float scaled = r * 16777216.0f;
      if (r < 0.0f || scaled != static_cast<float>(static_cast<int>(scaled))) QFAIL("not a 24-bit draw in [0, 1)");
      highest = std::max(highest, r);
      sum += r;
    }
    QVERIFY(highest < 1.0f && highest > 0.9999f);
    QVERIFY(std::abs(sum / n - 0.5) < 0.001);
  }

  // Three levels per difficulty, then pro for ever.
  void difficultyFollowsLevel() {
    const Integer expected[] = {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4};
    for (Integer level = 1; level <= 12; ++level) QCOMPARE(DifficultyForLevel(level), expected[level - 1]);
    QCOMPARE(DifficultyForLevel(500), Integer{4});
  }
};

QTEST_APPLESS_MAIN(MakeCaveTest)
#include "test_make_cave.moc"
