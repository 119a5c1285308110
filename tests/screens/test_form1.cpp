// The game window: what a candle tick does to the board, that the icon
// and "GAME OVER" stay above a repainted cave, that the five keys of the
// game reach the movement handler as their codes without a click, and
// that every load starts afresh.
#include <QApplication>
#include <QTest>
#include <QWindow>
#include <memory>

#include "cave/draw_cave.h"
#include "game/zupi.h"
#include "player/move_by_key.h"
#include "screens/form1.h"
#include "screens/twips.h"
#include "tests/support/cave_text.h"
#include "tests/support/qt_run.h"
#include "tests/support/scripted_random.h"

using zupi::test::Control;

namespace {

// The colour at the middle of a layout pixel, whatever the screen's scale.
QRgb At(const QImage& image, QPoint p) {
  const qreal r = image.devicePixelRatio();
  return image.pixel(qFloor((p.x() + 0.5) * r), qFloor((p.y() + 0.5) * r)) | 0xFF000000;
}

// The middle of cave cell (x, y) in layout pixels of the board.
QPoint Cell(int x, int y) { return QPoint(x * 40 / 3 + 6, y * 40 / 3 + 6); }

const QPixmap& PictureOf(const QWidget* form, const char* image) {
  return Control<ImageControl>(form, image)->picture();
}

}  // namespace

class TestForm1 : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    zupi::test::ResetGameState();
    run = std::make_unique<zupi::test::QtRun>();
    Load();
  }
  void cleanup() { run.reset(); }

  // A lit tick draws the passage colour (the ends of its range here), then
  // the flame; rock stays black and the goal yellow.
  void litTickRecoloursThePassageAndFlickersTheCandle_data() {
    QTest::addColumn<float>("draw");
    QTest::addColumn<QColor>("passage");
    QTest::addColumn<QString>("candle");
    QTest::newRow("darkest, upright") << 0.0f << QColor(110, 100, 100) << "ImgRouSRC(1)";
    QTest::newRow("brightest, bent") << 0.99999994f << QColor(140, 130, 130) << "ImgRouSRC(2)";
  }
  void litTickRecoloursThePassageAndFlickersTheCandle() {
    QFETCH(float, draw);
    QFETCH(QColor, passage);
    QFETCH(QString, candle);
    std::vector<std::string> rows(10, std::string(20, '.'));
    rows[5] = std::string(20, '#');
    zupi::test::SetCave(rows);
    zupi::test::ScriptedRandom draws{draw, draw};
    zupi::RousokuTimerTick(*form, draws);
    QCOMPARE(draws.taken(), std::size_t(2));
    const QImage board = Control<QWidget>(form, "Picture1")->grab().toImage();
    QCOMPARE(QColor(At(board, Cell(10, 5))), passage);
    QCOMPARE(At(board, Cell(19, 5)), qRgb(255, 255, 128));
    QCOMPARE(At(board, Cell(10, 4)), qRgb(0, 0, 0));
    QCOMPARE(PictureOf(form, "ImgRousoku").cacheKey(), PictureOf(form, qPrintable(candle)).cacheKey());
  }

  // Repainting the cave on every tick must not paint over the icon or the
  // "GAME OVER" label, and the board clips the icon's overhang.
  void iconAndGameOverStayAboveTheCave() {
    zupi::test::SetCave(std::vector<std::string>(10, std::string(20, '#')));
    form->SetGameOverVisible(true);
    zupi::PlaceIcon(*form, 3, 1);
    zupi::test::ScriptedRandom draws{0.5f, 0.1f};
    zupi::RousokuTimerTick(*form, draws);
    const QImage shot = form->grab().toImage();

    const QImage icon = PictureOf(form, "imgZupiIcon").toImage().convertToFormat(QImage::Format_ARGB32);
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

    zupi::PlaceIcon(*form, 19, 9);
    QCOMPARE(At(form->grab().toImage(), {276, 150}), qRgb(128, 64, 0));  // beyond the board: frame
  }

  // The shown window's board has the focus without a click, and each key
  // reaches MoveByKey as its code: from the middle of a cross, each arrow
  // steps its way, Escape ends the stage in place, and keys whose Qt value
  // collides with an arrow's code ('%' is 37) or that would move the focus
  // (Tab) are answered in place.
  void keysReachMoveByKeyAsTheirCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<bool>("running");
    QTest::newRow("left, 37") << int(Qt::Key_Left) << 0 << QPoint(4, 5) << true;
    QTest::newRow("up, 38") << int(Qt::Key_Up) << 0 << QPoint(5, 4) << true;
    QTest::newRow("right, 39") << int(Qt::Key_Right) << 0 << QPoint(6, 5) << true;
    QTest::newRow("down, 40") << int(Qt::Key_Down) << 0 << QPoint(5, 6) << true;
    QTest::newRow("escape, 27") << int(Qt::Key_Escape) << 0 << QPoint(5, 5) << false;
    QTest::newRow("percent") << int(Qt::Key_Percent) << int(Qt::ShiftModifier) << QPoint(5, 5) << true;
    QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << QPoint(5, 5) << true;
  }
  void keysReachMoveByKeyAsTheirCodes() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QPoint, cell);
    QFETCH(bool, running);
    std::vector<std::string> rows(10, std::string(20, '.'));
    rows[4][5] = rows[6][5] = '#';
    rows[5].replace(4, 3, "###");
    zupi::test::SetCave(rows);
    zupi::PosX = zupi::PosY = 5;
    zupi::IsRunning = true;
    form->Show();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>(form, "Picture1"));
    QTest::keyClick(form->windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(QPoint(zupi::PosX, zupi::PosY), cell);
    QCOMPARE(zupi::IsRunning, running);
    QCOMPARE(zupi::HitCount, zupi::Integer(0));
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>(form, "Picture1"));
    const QPoint icon(zupi::TwipsToPixels(200 * cell.x()), zupi::TwipsToPixels(200 * cell.y()));
    QCOMPARE(Control<QWidget>(form, "imgZupiIcon")->pos(), icon);
  }

  // The game's requests land on their controls; nothing a game changed
  // survives an unload.
  void eachLoadStartsFromTheLayout() {
    const QImage fresh = form->grab().toImage();
    form->SetLabel2("洞窟 1-A\r\n\r\n 初級マップです。");
    QCOMPARE(Control<LabelControl>(form, "Label2")->caption(), QStringLiteral("洞窟 1-A\r\n\r\n 初級マップです。"));
    form->SetGameOverVisible(true);
    QVERIFY(form->GameOverVisible() && !Control<QWidget>(form, "lblGameOver")->isHidden());
    form->SetSafeLight(2, zupi::kRed);
    QCOMPARE(Control<ShapeControl>(form, "SafeLight(2)")->fillColor(), QColor(255, 0, 0));
    form->ShowZupi(zupi::kZupiHurt);
    QCOMPARE(PictureOf(form, "imgZupi").cacheKey(), PictureOf(form, "imgZupiSRC(2)").cacheKey());
    form->ShowRousoku(2);
    zupi::PlaceIcon(*form, 7, 3);
    run->forms.UnloadForm1();
    QVERIFY(run->forms.form1() == nullptr);

    Load();
    QCOMPARE(form->grab().toImage(), fresh);
  }

 private:
  // Ticks are run by hand, so no tick can take a scripted draw unseen.
  void Load() {
    run->forms.LoadForm1();
    form = run->forms.form1();
    Control<QTimer>(form, "rousokuTimer")->stop();
  }

  std::unique_ptr<zupi::test::QtRun> run;
  Form1* form = nullptr;
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
