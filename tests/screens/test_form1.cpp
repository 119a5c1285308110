// The game window: where every control stands and how it looks at load,
// what a candle tick does to the board, that the icon and "GAME OVER" stay
// above a repainted cave, that keys reach the movement handler without a
// click, the close request's unload mode, and that every load starts from
// the layout again.
#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>
#include <QTest>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

#include "cave/draw_cave.h"
#include "game/zupi.h"
#include "player/move_by_key.h"
#include "screens/form1.h"
#include "screens/query_unload.h"
#include "tests/support/cave_text.h"
#include "tests/support/scripted_random.h"

namespace {

using Getter = QWidget* (*)(Form1*);

// The layout in pixels, worked out by hand from its twips (15 to a pixel).
struct Placed {
  const char* name;
  Getter control;
  QRect geometry;
  bool onBoard;
  bool visible;
};

const Placed kLayout[] = {
    {"Shape1", [](Form1* f) -> QWidget* { return f->Shape1; }, {5, 19, 273, 142}, false, true},
    {"Picture1", [](Form1* f) -> QWidget* { return f->Picture1; }, {8, 24, 267, 133}, false, true},
    {"lblGameOver", [](Form1* f) -> QWidget* { return f->lblGameOver; }, {0, 48, 265, 49}, true, false},
    {"imgZupiIcon", [](Form1* f) -> QWidget* { return f->imgZupiIcon; }, {0, 0, 20, 20}, true, true},
    {"Label2", [](Form1* f) -> QWidget* { return f->Label2; }, {8, 168, 129, 65}, false, true},
    {"Label1", [](Form1* f) -> QWidget* { return f->Label1; }, {160, 184, 49, 17}, false, true},
    {"SafeLight(0)", [](Form1* f) -> QWidget* { return f->SafeLight[0]; }, {153, 200, 17, 17}, false, true},
    {"SafeLight(1)", [](Form1* f) -> QWidget* { return f->SafeLight[1]; }, {173, 200, 17, 17}, false, true},
    {"SafeLight(2)", [](Form1* f) -> QWidget* { return f->SafeLight[2]; }, {193, 200, 17, 17}, false, true},
    {"ImgRousoku", [](Form1* f) -> QWidget* { return f->ImgRousoku; }, {216, 176, 54, 54}, false, true},
    {"imgZupi", [](Form1* f) -> QWidget* { return f->imgZupi; }, {288, 24, 100, 200}, false, true},
    {"imgZupiSRC(0)", [](Form1* f) -> QWidget* { return f->imgZupiSRC[0]; }, {184, 264, 100, 200}, false, true},
    {"imgZupiSRC(1)", [](Form1* f) -> QWidget* { return f->imgZupiSRC[1]; }, {240, 288, 100, 200}, false, true},
    {"imgZupiSRC(2)", [](Form1* f) -> QWidget* { return f->imgZupiSRC[2]; }, {296, 264, 100, 200}, false, true},
    {"imgZupiSRC(3)", [](Form1* f) -> QWidget* { return f->imgZupiSRC[3]; }, {336, 296, 100, 200}, false, true},
    {"ImgRouSRC(0)", [](Form1* f) -> QWidget* { return f->ImgRouSRC[0]; }, {16, 264, 50, 50}, false, true},
    {"ImgRouSRC(1)", [](Form1* f) -> QWidget* { return f->ImgRouSRC[1]; }, {72, 264, 50, 50}, false, true},
    {"ImgRouSRC(2)", [](Form1* f) -> QWidget* { return f->ImgRouSRC[2]; }, {128, 264, 50, 50}, false, true},
};

QRgb At(const QImage& image, QPoint layoutPixel) {
  const qreal ratio = image.devicePixelRatio();
  return image.pixel(qFloor((layoutPixel.x() + 0.5) * ratio), qFloor((layoutPixel.y() + 0.5) * ratio)) |
         0xFF000000;
}

// The middle of cave cell (x, y) in layout pixels of the board.
QPoint Cell(int x, int y) { return QPoint(x * 40 / 3 + 6, y * 40 / 3 + 6); }

void CorridorOnRow5() {
  zupi::test::SetCave({"....................", "....................", "....................",
                       "....................", "....................", "####################",
                       "....................", "....................", "....................",
                       "...................."});
}

int lastUnloadMode = -1;

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
  void cleanup() {
    UnloadForm1();
    zupi::SetQueryUnloadHandler(nullptr);
  }

  void controlsStandWhereTheLayoutPutsThem_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kLayout)); ++i) QTest::newRow(kLayout[i].name) << i;
  }
  void controlsStandWhereTheLayoutPutsThem() {
    QFETCH(int, row);
    const Placed& placed = kLayout[row];
    QWidget* control = placed.control(form);
    QCOMPARE(control->geometry(), placed.geometry);
    QCOMPARE(control->parentWidget(), placed.onBoard ? static_cast<QWidget*>(form->Picture1) : form);
    QCOMPARE(control->isVisibleTo(form), placed.visible);
    // Only the board takes the focus, so every key goes to it.
    QCOMPARE(control->focusPolicy() != Qt::NoFocus, control == form->Picture1);
  }

  void windowIsAFixedMinimisableGameWindow() {
    QCOMPARE(form->windowTitle(), QStringLiteral("Grotzel"));
    QCOMPARE(form->size(), QSize(403, 244));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!form->windowIcon().isNull());
    QVERIFY(!form->isVisible());  // loaded hidden
    QCOMPARE(zupi::CurrentGameScreen(), static_cast<zupi::GameScreen*>(form));
    QVERIFY(form->rousokuTimer->interval() == 250 && form->rousokuTimer->timerType() == Qt::PreciseTimer);
    // The source pictures (tops at 264 px and below) lie under the client area.
    QCOMPARE(form->height(), 244);
  }

  // Right after a load: empty dark grey message box, green lamps, no
  // portrait, no candle, no "GAME OVER", the icon on cell (0, 0).
  void aFreshWindowShowsTheLayoutsLook() {
    const QImage shot = form->grab().toImage();
    QCOMPARE(At(shot, {60, 200}), qRgb(64, 64, 64));        // Label2, empty
    for (int lamp = 0; lamp < 3; ++lamp)
      QCOMPARE(At(shot, {161 + 20 * lamp, 208}), qRgb(0, 255, 0));
    QCOMPARE(At(shot, {6, 100}), qRgb(128, 64, 0));         // Shape1 around the board
    QCOMPARE(At(shot, {338, 124}), qRgb(64, 0, 0));         // imgZupi shows nothing
    QCOMPARE(At(shot, {243, 203}), qRgb(64, 0, 0));         // ImgRousoku shows nothing
    QVERIFY(form->imgZupi->picture().isNull() && form->ImgRousoku->picture().isNull());
    QCOMPARE(form->imgZupi->toolTip(), QStringLiteral("霧坂 ズピ"));
    QCOMPARE(form->ImgRousoku->border(), ImageControl::Border::FixedSingle);
    QCOMPARE(QColor(At(shot, {100, 80})), QApplication::palette().color(QPalette::Window));  // board
    QCOMPARE(form->Picture1->foreColor(), QApplication::palette().color(QPalette::WindowText));
  }

  // The labels' layout fonts resolve to a Japanese face at their pixel
  // sizes; their colours show in the pixel checks around.
  void labelsCarryTheirFonts() {
    const QStringList gothics = {"IPAPGothic", "Noto Sans CJK JP"};
    for (auto [label, pixels, bold] : {std::tuple{form->lblGameOver, 43, true},
                                       std::tuple{form->Label2, 12, false},
                                       std::tuple{form->Label1, 13, true}}) {
      QVERIFY(gothics.contains(QFontInfo(label->font()).family()));
      QCOMPARE(label->font().pixelSize(), pixels);
      QCOMPARE(label->font().bold(), bold);
    }
    QCOMPARE(form->lblGameOver->caption(), QStringLiteral("GAME OVER"));
    QCOMPARE(form->Label1->caption(), QStringLiteral("L I F E"));
    QCOMPARE(form->Label2->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QCOMPARE(form->lblGameOver->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  }

  // A lit tick: first draw the passage colour, second draw the flame.
  void litTickRecoloursPassageAndFlickersCandle_data() {
    QTest::addColumn<float>("colourDraw");
    QTest::addColumn<float>("candleDraw");
    QTest::addColumn<QColor>("passage");
    QTest::addColumn<int>("candle");
    QTest::newRow("darkest, upright") << 0.0f << 0.0f << QColor(110, 100, 100) << 1;
    QTest::newRow("brightest, bent") << 0.99999994f << 0.99999994f << QColor(140, 130, 130) << 2;
    QTest::newRow("half rounds to even") << 0.25f << 0.49999997f << QColor(118, 108, 108) << 1;
    QTest::newRow("middle, bent") << 0.5f << 0.5f << QColor(125, 115, 115) << 2;
  }
  void litTickRecoloursPassageAndFlickersCandle() {
    QFETCH(float, colourDraw);
    QFETCH(float, candleDraw);
    QFETCH(QColor, passage);
    QFETCH(int, candle);
    CorridorOnRow5();
    zupi::test::ScriptedRandom draws{colourDraw, candleDraw};
    zupi::RousokuTimerTick();
    QCOMPARE(draws.taken(), std::size_t(2));
    const QImage board = form->Picture1->grab().toImage();
    QCOMPARE(QColor(At(board, Cell(10, 5))), passage);
    QCOMPARE(At(board, Cell(19, 5)), qRgb(255, 255, 128));   // goal
    QCOMPARE(At(board, Cell(10, 4)), qRgb(0, 0, 0));         // rock
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
    int iconPixels = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        if (qAlpha(icon.pixel(x, y)) == 255) {
          QCOMPARE(At(shot, iconAt + QPoint(x, y)), icon.pixel(x, y));
          ++iconPixels;
        }
    QVERIFY(iconPixels > 0);

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
    const QImage clipped = form->grab().toImage();
    QCOMPARE(At(clipped, {276, 150}), qRgb(128, 64, 0));  // beyond the board: frame
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

  // A close from the window manager (a spontaneous event) is mode 0, a
  // close by code mode 1; either way the window goes.
  void closeRequestTellsWhoClosed() {
    zupi::SetQueryUnloadHandler([](int mode) { lastUnloadMode = mode; });
    form->ShowWindow();
    QCloseEvent fromOutside;
    QSpontaneKeyEvent::setSpontaneous(&fromOutside);
    qApp->notify(form, &fromOutside);  // sendEvent would clear the flag
    QCOMPARE(lastUnloadMode, zupi::kUnloadByUser);
    QVERIFY(fromOutside.isAccepted());
    form->close();
    QCOMPARE(lastUnloadMode, zupi::kUnloadByCode);
    QVERIFY(!form->isVisible());
  }

  // Nothing a game changed survives an unload.
  void eachLoadStartsFromTheLayout() {
    QCOMPARE(LoadForm1(), form);
    form->SetSafeLight(0, zupi::kRed);
    form->SetSafeLight(2, zupi::kRed);
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
    QVERIFY(form->rousokuTimer != nullptr);
    for (ShapeControl* lamp : form->SafeLight) QCOMPARE(lamp->fillColor(), QColor(0, 255, 0));
    QVERIFY(form->lblGameOver->isHidden());
    QVERIFY(form->imgZupi->picture().isNull());
    QVERIFY(form->ImgRousoku->picture().isNull());
    QCOMPARE(form->imgZupiIcon->pos(), QPoint(0, 0));
    QVERIFY(form->Label2->caption().isEmpty());
  }

 private:
  Form1* form = nullptr;
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
