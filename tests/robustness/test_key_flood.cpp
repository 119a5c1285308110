// A thousand key-downs queued on the board at once, in the middle of a
// stage: the stage loop must handle every one of them, in the order they
// were queued, each to its end before the next begins (a handler that
// handled events itself would nest them and grow the stack), and answer
// each with its own sound.
#include <QtTest>

#include <QKeyEvent>

#include "cave/draw_cave.h"
#include "game/play_game.h"
#include "screens/form1.h"
#include "tests/support/cave_text.h"
#include "tests/support/driver.h"
#include "tests/support/recorders.h"

using namespace zupi;

namespace {

constexpr int kFlood = 1000;

// A passage along row 5 from the start to column 18; column 19 is rock, so
// no key of the flood can end the stage.
const std::vector<std::string> kLongPassage = {
    "....................", "....................", "....................", "....................",
    "....................", "###################.", "....................", "....................",
    "....................", "...................."};

// The flood: Right and Left by turns, which keeps the player between
// columns 0 and 1, then ten Rights, which leave them on column 10.
Qt::Key FloodKey(int i) {
  if (i >= kFlood - 10) return Qt::Key_Right;
  return i % 2 == 0 ? Qt::Key_Right : Qt::Key_Left;
}

// Counts the key handlers running at once on the board: the filter sees
// each key-down before the board does, the slot after MoveByKey is done.
class Nesting : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) deepest = std::max(deepest, ++depth);
    return false;
  }
  void Done(int keyCode) {
    --depth;
    codes.push_back(keyCode);
    columns.push_back(PosX);
  }
  int depth = 0;
  int deepest = 0;
  std::vector<int> codes;
  std::vector<int> columns;
};

}  // namespace

class KeyFloodTest : public QObject {
  Q_OBJECT

 private slots:
  void aThousandQueuedKeysAreHandledOneByOneInOrder();
};

void KeyFloodTest::aThousandQueuedKeysAreHandledOneByOneInOrder() {
  test::QtRun run;
  test::ResetGameState();
  test::RecordingSpeaker speaker;
  Nesting nesting;
  bool flooded = false;
  test::Driver driver([&] {
    Form1* form = test::Loaded<Form1>();
    if (flooded || form == nullptr || !IsRunning) return;
    auto* board = test::Control<BoardBox>(form, "Picture1");
    flooded = true;
    test::SetCave(kLongPassage);
    DrawCave();
    board->installEventFilter(&nesting);
    connect(board, &BoardBox::keyDown, &nesting, [&](int code, int) { nesting.Done(code); });
    for (int i = 0; i < kFlood; ++i)
      QCoreApplication::postEvent(board, new QKeyEvent(QEvent::KeyPress, FloodKey(i), Qt::NoModifier));
    // Queued last: ends the stage once everything before it is handled.
    QCoreApplication::postEvent(board, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  });
  run.Go(PlayGame);

  QVERIFY(flooded);
  QCOMPARE(nesting.deepest, 1);
  QCOMPARE(nesting.codes.size(), std::size_t{kFlood + 1});
  for (int i = 0, x = 0; i < kFlood; ++i) {  // each key in its turn, from where the one before left
    x += FloodKey(i) == Qt::Key_Right ? 1 : -1;
    QCOMPARE(nesting.codes[i], FloodKey(i) == Qt::Key_Right ? int{kKeyRight} : int{kKeyLeft});
    QCOMPARE(nesting.columns[i], x);
  }
  QCOMPARE(PosX, Integer{10});
  QCOMPARE(HitCount, Integer{0});
  QCOMPARE(StageResult, kStageEscaped);
  // Every step and Escape answered in place, nothing else.
  QCOMPARE(speaker.played, std::vector<std::string>(kFlood + 1, "zupiwlk.wav"));
}

QTEST_MAIN(KeyFloodTest)
#include "test_key_flood.moc"
