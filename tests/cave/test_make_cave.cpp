// The cave generator: exact caves from scripted draws (including the edge
// rules at rows 0 and 9 and the pro walker's retry rule), and the promises
// every cave keeps, checked over thousands of caves per difficulty.
#include <QtTest>

#include <array>
#include <queue>

#include "cave/make_cave.h"
#include "game/random.h"
#include "tests/support/cave_text.h"
#include "tests/support/scripted_random.h"

using namespace zupi;
using zupi::test::CaveRows;
using zupi::test::ScriptedRandom;

using Rows = std::vector<std::string>;
Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(std::vector<float>)

namespace {

const std::string kRock(20, '.');

Rows StraightRow5() {
  Rows rows(10, kRock);
  rows[5] = std::string(20, '#');
  return rows;
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
  while (!todo.empty()) {
    auto [x, y] = todo.front();
    todo.pop();
    ++count;
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

bool OutsideBoardIsRock() {
  for (int y = 0; y < kCaveRows; ++y)
    if (CaveMap(20, y) != 0) return false;
  for (int x = 0; x < kCaveColumns; ++x)
    if (CaveMap(x, 10) != 0) return false;
  return true;
}

}  // namespace

class MakeCaveTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { ResetGameState(); }

  void scriptedDrawsDigExactCaves_data();
  void scriptedDrawsDigExactCaves();
  void proWalkerRetriesWhenBoxedIn();
  void proAttemptFailsWhenDraw501ReachesTheGoal();
  void unknownDifficultyLeavesAllRock();
  void everyCaveKeepsItsPromises_data();
  void everyCaveKeepsItsPromises();
  void noCellOfAnEarlierCaveSurvives();
  void drawsStayBelowOne();
  void difficultyFollowsLevel();
};

void MakeCaveTest::scriptedDrawsDigExactCaves_data() {
  QTest::addColumn<int>("difficulty");
  QTest::addColumn<std::vector<float>>("draws");
  QTest::addColumn<Rows>("cave");

  {  // turn at column 10, going up
    Rows rows(10, kRock);
    rows[4] = std::string(10, '.') + std::string(10, '#');
    rows[5] = std::string(11, '#') + std::string(9, '.');
    QTest::newRow("beginner turns up at 10") << 1 << std::vector<float>{0.0f, 0.49f} << rows;
  }
  {  // turn at column 19: the goal column holds two cells; 0.5 is not below 0.5
    Rows rows = StraightRow5();
    rows[6] = std::string(19, '.') + "#";
    QTest::newRow("beginner turns down at 19")
        << 1 << std::vector<float>{0.95f, 0.5f} << rows;
  }
  // A draw equal to the threshold is not below it: no move at all.
  QTest::newRow("intermediate never moves")
      << 2 << std::vector<float>(20, 0.2f) << StraightRow5();
  QTest::newRow("advanced never moves") << 3 << std::vector<float>(20, 0.4f) << StraightRow5();
  {  // climbs one row per column; the move up from row 0 lands on row 1
    std::vector<float> draws;
    for (int i = 0; i < 6; ++i) draws.insert(draws.end(), {0.0f, 0.0f});
    draws.insert(draws.end(), 14, 0.9f);
    Rows rows = {"....##..............", "...#################", "..##................",
                 ".##.................", "##..................", "#...................",
                 kRock, kRock, kRock, kRock};
    QTest::newRow("advanced bounces off row 0") << 3 << draws << rows;
  }
  {  // falls one row per column; the move down from row 9 lands on row 8
    std::vector<float> draws;
    for (int i = 0; i < 5; ++i) draws.insert(draws.end(), {0.1f, 0.5f});
    draws.insert(draws.end(), 15, 0.3f);
    Rows rows = {kRock, kRock, kRock, kRock, kRock, "#...................",
                 "##..................", ".##.................", "..##################",
                 "...##..............."};
    QTest::newRow("intermediate bounces off row 9") << 2 << draws << rows;
  }
  QTest::newRow("pro walks straight right")
      << 4 << std::vector<float>(19, 0.0f) << StraightRow5();
  {  // up, right, down, right...: a staircase of steps that never revisits a cell
    std::vector<float> draws = {0.5f, 0.0f, 0.99f, 0.99f, 0.0f};
    draws.insert(draws.end(), 17, 0.0f);
    Rows rows(10, kRock);
    rows[4] = "##..................";
    rows[5] = "##..................";
    rows[6] = ".###################";
    QTest::newRow("pro walks a staircase") << 4 << draws << rows;
  }
}

void MakeCaveTest::scriptedDrawsDigExactCaves() {
  QFETCH(int, difficulty);
  QFETCH(std::vector<float>, draws);
  QFETCH(Rows, cave);
  ScriptedRandom random;
  for (float r : draws) random.Add(r);

  MakeCave(static_cast<Integer>(difficulty));

  QCOMPARE(CaveRows(), cave);
  QVERIFY2(!random.overrun(), "took more draws than scripted");
  QCOMPARE(random.left(), std::size_t{0});  // and not fewer either
}

void MakeCaveTest::proWalkerRetriesWhenBoxedIn() {
  // Up three times, right, up, left: at (0, 1) the walker may not go up
  // (row 0 is off limits), left is the edge, right and down are dug.
  ScriptedRandom random{0.5f, 0.5f, 0.5f, 0.0f, 0.5f, 0.25f};
  random.AddRepeated(0.0f, 495);  // stuck: every direction fails until draw 501
  random.AddRepeated(0.0f, 19);   // the second attempt walks straight

  MakeCave(kPro);

  QCOMPARE(random.taken(), std::size_t{501 + 19});
  QCOMPARE(CaveRows(), StraightRow5());  // nothing of the boxed walk is left
}

void MakeCaveTest::proAttemptFailsWhenDraw501ReachesTheGoal() {
  // 18 steps right, then left draws that fail (the cell behind is dug).
  {
    ScriptedRandom random;
    random.AddRepeated(0.0f, 18);
    random.AddRepeated(0.25f, 481);
    random.Add(0.0f);  // draw 500 enters column 19: success
    MakeCave(kPro);
    QCOMPARE(random.taken(), std::size_t{500});
    QCOMPARE(CaveRows(), StraightRow5());
  }
  {
    ScriptedRandom random;
    random.AddRepeated(0.0f, 18);
    random.AddRepeated(0.25f, 482);
    random.Add(0.0f);  // draw 501 enters column 19, too late
    random.Add({0.99f, 0.99f});
    random.AddRepeated(0.0f, 19);
    MakeCave(kPro);
    QCOMPARE(random.taken(), std::size_t{501 + 21});
    Rows rows(10, kRock);
    rows[5] = "#...................";
    rows[6] = "#...................";
    rows[7] = std::string(20, '#');
    QCOMPARE(CaveRows(), rows);
  }
}

void MakeCaveTest::unknownDifficultyLeavesAllRock() {
  SeedRandom(7);
  MakeCave(kPro);
  for (Integer difficulty : {Integer{0}, Integer{5}, Integer{-1}}) {
    const auto before = RandomDrawCount();
    MakeCave(difficulty);
    QCOMPARE(PassageCount(), 0);  // not even the start cell
    QCOMPARE(RandomDrawCount(), before);
  }
}

void MakeCaveTest::everyCaveKeepsItsPromises_data() {
  QTest::addColumn<int>("difficulty");
  QTest::addColumn<int>("top");
  QTest::addColumn<int>("bottom");
  QTest::newRow("beginner") << 1 << 4 << 6;
  QTest::newRow("intermediate") << 2 << 0 << 9;
  QTest::newRow("advanced") << 3 << 0 << 9;
  QTest::newRow("pro") << 4 << 1 << 9;
}

void MakeCaveTest::everyCaveKeepsItsPromises() {
  QFETCH(int, difficulty);
  QFETCH(int, top);
  QFETCH(int, bottom);
  SeedRandom(20261206 + difficulty);
  std::array<int, kBoardRows> rowsUsed{};

  for (int cave = 0; cave < 10000; ++cave) {
    const auto before = RandomDrawCount();
    MakeCave(static_cast<Integer>(difficulty));
    const auto draws = RandomDrawCount() - before;
    const int cells = PassageCount();

    QVERIFY(CaveMap(0, 5) == -1);
    QCOMPARE(ReachableFromStart(), cells);
    int goals = 0;
    for (int x = 0; x < kBoardColumns; ++x) {
      for (int y = 0; y < kBoardRows; ++y) {
        const Integer cell = CaveMap(x, y);
        QVERIFY(cell == 0 || cell == -1);
        if (cell == 0) continue;
        QVERIFY2(y >= top && y <= bottom, qPrintable(QString::fromStdString(test::CaveText())));
        ++rowsUsed[y];
        goals += x == 19;
      }
    }
    QVERIFY(goals >= 1);
    QVERIFY(OutsideBoardIsRock());
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

void MakeCaveTest::noCellOfAnEarlierCaveSurvives() {
  for (Integer difficulty = 1; difficulty <= 4; ++difficulty) {
    SeedRandom(99);
    ResetGameState();
    MakeCave(difficulty);
    const Rows fresh = CaveRows();
    for (Integer earlier = 1; earlier <= 4; ++earlier) {
      SeedRandom(1000 + earlier);
      MakeCave(earlier);
      SeedRandom(99);
      MakeCave(difficulty);
      QCOMPARE(CaveRows(), fresh);
    }
  }
}

void MakeCaveTest::drawsStayBelowOne() {
  SeedRandom(1);
  double sum = 0;
  const int n = 1 << 24;
  float lowest = 1.0f, highest = 0.0f;
  for (int i = 0; i < n; ++i) {
    const float r = Rnd();
    if (r < lowest) lowest = r;
    if (r > highest) highest = r;
    sum += r;
    // 24 bits exactly: r * 2^24 is a whole number.
    const float scaled = r * 16777216.0f;
    if (scaled != static_cast<float>(static_cast<int>(scaled))) QFAIL("draw has more than 24 bits");
  }
  QVERIFY(lowest >= 0.0f);
  QVERIFY(highest < 1.0f);
  QVERIFY(highest > 0.9999f);
  QVERIFY(std::abs(sum / n - 0.5) < 0.001);

  // Two clock seeds give two different sequences.
  Randomize();
  const float a1 = Rnd(), a2 = Rnd();
  Randomize();
  const float b1 = Rnd(), b2 = Rnd();
  QVERIFY(a1 != b1 || a2 != b2);
}

void MakeCaveTest::difficultyFollowsLevel() {
  const Integer expected[] = {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4};
  for (Integer level = 1; level <= 12; ++level)
    QCOMPARE(DifficultyForLevel(level), expected[level - 1]);
  QCOMPARE(DifficultyForLevel(500), Integer{4});
}

QTEST_APPLESS_MAIN(MakeCaveTest)
#include "test_make_cave.moc"
