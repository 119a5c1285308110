// The game window: twips rounded to pixels and the hidden source pictures,
// what a candle tick does to the board, that the icon and "GAME OVER" stay
// above a repainted cave, that keys reach the movement handler without a
// click, and that every load starts afresh.
#include <QApplication>
#include <QTest>
#include <QWindow>

#include "cave/draw_cave.h"
#include "game/zupi.h"
#include "player/move_by_key.h"
#include "screens/form1.h"
#include "tests/support/cave_text.h"
#include "tests/support/scripted_random.h"

namespace {

// The colour at the middle of a layout pixel, whatever the screen's scale.
QRgb At(const QImage& image, QPoint p) {
  const qreal r = image.devicePixelRatio();
  return image.pixel(qFloor((p.x() + 0.5) * r), qFloor((p.y() + 0.5) * r)) | 0xFF000000;
}

// The middle of cave cell (x, y) in layout pixels of the board.
QPoint Cell(int x, int y) { return QPoint(x * 40 / 3 + 6, y * 40 / 3 + 6); }

void CorridorOnRow5() {
  std::vector<std::string> rows(10, std::string(20, '.'));
  rows[5] = std::string(20, '#');
  zupi::test::SetCave(rows);
}

}  // namespace

class TestForm1 : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    zupi::ResetGameState();
    form = LoadForm1();
    // Ticks are run by hand, so no tick can take a scripted draw unseen.
    form->rousokuTimer->stop();
  }
  void cleanup() { UnloadForm1(); }

  // Twips round to the nearest pixel (truncating moves the frame and shrinks
  // the board); the source pictures stay below the fixed client area; only
  // the board takes the focus, so every key goes to it.
  void layoutRoundsTwipsAndKeepsTheSourcesOutOfSight() {
    QCOMPARE(form->Shape1->geometry(), QRect(5, 19, 273, 142));
    QCOMPARE(form->Picture1->geometry(), QRect(8, 24, 267, 133));
    QCOMPARE(form->minimumSize(), QSize(403, 244));
    QCOMPARE(form->maximumSize(), QSize(403, 244));
    QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    for (ImageControl* source : form->imgZupiSRC) QVERIFY(source->y() >= form->height());
    for (ImageControl* source : form->ImgRouSRC) QVERIFY(source->y() >= form->height());
    for (QWidget* control : form->findChildren<QWidget*>())
      QCOMPARE(control->focusPolicy() != Qt::NoFocus, control == form->Picture1);
  }

  // A lit tick draws the passage colour (the ends of its range here), then
  // the flame; rock stays black and the goal yellow.
  void litTickRecoloursThePassageAndFlickersTheCandle_data() {
    QTest::addColumn<float>("draw");
    QTest::addColumn<QColor>("passage");
    QTest::addColumn<int>("candle");
    QTest::newRow("darkest, upright") << 0.0f << QColor(110, 100, 100) << 1;
    QTest::newRow("brightest, bent") << 0.99999994f << QColor(140, 130, 130) << 2;
  }
  void litTickRecoloursThePassageAndFlickersTheCandle() {
    QFETCH(float, draw);
    QFETCH(QColor, passage);
    QFETCH(int, candle);
    CorridorOnRow5();
    zupi::test::ScriptedRandom draws{draw, draw};
    zupi::RousokuTimerTick();
    QCOMPARE(draws.taken(), std::size_t(2));
    const QImage board = form->Picture1->grab().toImage();
    QCOMPARE(QColor(At(board, Cell(10, 5))), passage);
    QCOMPARE(At(board, Cell(19, 5)), qRgb(255, 255, 128));
    QCOMPARE(At(board, Cell(10, 4)), qRgb(0, 0, 0));
    QCOMPARE(form->ImgRousoku->picture().cacheKey(), form->ImgRouSRC[candle]->picture().cacheKey());
  }

  // A dark tick takes no draw, leaves the board as the stage start drew it
  // (only the goal shows) and shows the unlit candle.
  void darkTickLeavesTheBoardAlone() {
    CorridorOnRow5();
    zupi::IsDark = true;
    zupi::DrawCave();
    const QImage before = form->Picture1->drawing();
    QCOMPARE(At(before, Cell(10, 5)), qRgb(0, 0, 0));
    QCOMPARE(At(before, Cell(19, 5)), qRgb(255, 255, 128));
    zupi::test::ScriptedRandom draws;
    zupi::RousokuTimerTick();
    QCOMPARE(draws.taken(), std::size_t(0));
    QVERIFY(!draws.overrun());
    QCOMPARE(form->Picture1->drawing(), before);
    QCOMPARE(form->ImgRousoku->picture().cacheKey(), form->ImgRouSRC[0]->picture().cacheKey());
  }

  // Repainting the cave on every tick must not paint over the icon or the
  // "GAME OVER" label, and the board clips the icon's overhang.
  void iconAndGameOverStayAboveTheCave() {
    zupi::test::SetCave(std::vector<std::string>(10, std::string(20, '#')));
    form->lblGameOver->show();
    zupi::PlaceIcon(3, 1);
    zupi::test::ScriptedRandom draws{0.5f, 0.1f};
    zupi::RousokuTimerTick();
    const QImage shot = form->grab().toImage();

    const QImage icon = form->imgZupiIcon->picture().toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint iconAt = QPoint(8, 24) + QPoint(40, 13);  // board + cell (3, 1)
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        if (qAlpha(icon.pixel(x, y)) == 255) QCOMPARE(At(shot, iconAt + QPoint(x, y)), icon.pixel(x, y));

    int red = 0, cave = 0;
    for (int y = 72; y < 121; ++y)
      for (int x = 8; x < 273; ++x) {
        const QRgb pixel = At(shot, {x, y});
        red += pixel == qRgb(255, 0, 0);
        cave += pixel == qRgb(125, 115, 115);
      }
    QVERIFY2(red > 100, "GAME OVER is drawn");
    QVERIFY2(cave > 5000, "the cave shows around and between the letters");

    zupi::PlaceIcon(19, 9);
    QCOMPARE(At(form->grab().toImage(), {276, 150}), qRgb(128, 64, 0));  // beyond the board: frame
  }

  // The shown window's board has the focus without a click: a key sent to
  // the window moves the player.
  void keysReachMoveByKeyWithoutAClick() {
    CorridorOnRow5();
    zupi::PosX = 1;
    zupi::PosY = 5;
    zupi::IsRunning = true;
    form->ShowWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form->Picture1));
    QTest::keyClick(form->windowHandle(), Qt::Key_Right);
    QCOMPARE(zupi::PosX, zupi::Integer(2));
    // Qt's value for '%' is the left arrow's code; it must not step left.
    QTest::keyClick(form->windowHandle(), Qt::Key_Percent, Qt::ShiftModifier);
    QCOMPARE(zupi::PosX, zupi::Integer(2));
    // Tab is a key of the game too (answered with the normal face), not a
    // focus move.
    form->imgZupi->setPicture(QPixmap());
    QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
    QCOMPARE(form->imgZupi->picture().cacheKey(), form->imgZupiSRC[zupi::kZupiNormal]->picture().cacheKey());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form->Picture1));
    QTest::keyClick(form->windowHandle(), Qt::Key_Left);
    QCOMPARE(zupi::PosX, zupi::Integer(1));
    QCOMPARE(form->imgZupiIcon->pos(), QPoint(13, 67));  // cell (1, 5)
  }

  // Nothing a game changed survives an unload, and no dangling screen is
  // left for the game to draw on.
  void eachLoadStartsFromTheLayout() {
    const QImage fresh = form->grab().toImage();
    form->SetSafeLight(0, zupi::kRed);
    form->lblGameOver->show();
    form->ShowZupi(zupi::kZupiHurt);
    form->ShowRousoku(2);
    zupi::PlaceIcon(7, 3);
    form->Label2->setCaption(QStringLiteral("ステージ 1-A"));
    UnloadForm1();
    QVERIFY(LoadedForm1() == nullptr);
    QVERIFY(zupi::CurrentGameScreen() == nullptr);

    form = LoadForm1();
    form->rousokuTimer->stop();
    QCOMPARE(zupi::CurrentGameScreen(), static_cast<zupi::GameScreen*>(form));
    QCOMPARE(form->grab().toImage(), fresh);
  }

 private:
  Form1* form = nullptr;
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
