// The controls the windows are built from: pictures that load, fonts that
// resolve to a Japanese face, pixel art that stays crisp on scaled screens,
// labels that keep their captions, board squares that tile the board, and
// keys that arrive as virtual-key codes. Runs on a screen scaled by 1.5, the
// scale where rounding faults show.
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QRawFont>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include "screens/board_box.h"
#include "screens/controls.h"
#include "screens/fonts.h"
#include "screens/pictures/picture_files.h"

using zupi::Picture;
Q_DECLARE_METATYPE(zupi::Picture)

namespace {

QSet<QRgb> ColoursOf(const QImage& image) {
  QSet<QRgb> colours;
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) colours.insert(argb.pixel(x, y));
  return colours;
}

// Renders a control alone into a transparent image at a device pixel ratio.
QImage Render(QWidget& control, qreal ratio) {
  QImage image(control.size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  control.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

// The bounding box of the pixels of one colour.
QRect Where(const QImage& image, QRgb colour) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == colour) box |= QRect(x, y, 1, 1);
  return box;
}

qint64 Count(const QImage& image, QRgb colour) {
  qint64 count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour;
  return count;
}

}  // namespace

class TestControls : public QObject {
  Q_OBJECT

 private slots:
  // Every picture is built in, at its size, and transparent only where
  // something is meant to show through.
  void everyPictureIsBuiltInAtItsSize_data() {
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("seeThrough");
    QTest::newRow("program icon") << Picture::ProgramIcon << QSize(32, 32) << true;
    QTest::newRow("board icon") << Picture::BoardIcon << QSize(20, 20) << true;
    QTest::newRow("normal") << Picture::ZupiNormal << QSize(100, 200) << true;
    QTest::newRow("startled") << Picture::ZupiStartled << QSize(100, 200) << true;
    QTest::newRow("hurt") << Picture::ZupiHurt << QSize(100, 200) << true;
    QTest::newRow("wink") << Picture::ZupiWink << QSize(100, 200) << true;
    QTest::newRow("unlit") << Picture::CandleUnlit << QSize(50, 50) << false;
    QTest::newRow("flame") << Picture::CandleFlame << QSize(50, 50) << false;
    QTest::newRow("flame left") << Picture::CandleFlameLeft << QSize(50, 50) << false;
    QTest::newRow("title") << Picture::Title << QSize(300, 100) << false;
    QTest::newRow("certificate") << Picture::Certificate << QSize(350, 400) << false;
  }
  void everyPictureIsBuiltInAtItsSize() {
    QFETCH(Picture, picture);
    QFETCH(QSize, size);
    QFETCH(bool, seeThrough);
    const QImage image = zupi::LoadPicture(picture).toImage();
    QVERIFY2(!image.isNull(), qPrintable(zupi::PicturePath(picture)));
    QCOMPARE(image.size(), size);
    bool anyTransparent = false;
    for (QRgb colour : ColoursOf(image)) anyTransparent |= qAlpha(colour) == 0;
    QCOMPARE(anyTransparent, seeThrough);
  }

  // fontconfig alone maps these names to a Latin face without kana.
  void layoutFacesResolveToAJapaneseGothic_data() {
    QTest::addColumn<QString>("face");
    for (const char* face : {"ＭＳ Ｐゴシック", "MS UI Gothic", "MS PGothic", "MS Gothic"})
      QTest::newRow(face) << QString::fromUtf8(face);
  }
  void layoutFacesResolveToAJapaneseGothic() {
    QFETCH(QString, face);
    const QFont font = zupi::DesignFont(face, 9.75, true);
    const QString family = QFontInfo(font).family();
    QVERIFY2(family == "IPAPGothic" || family == "Noto Sans CJK JP", qPrintable(family));
    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Japanese);
    for (QChar glyph : QStringLiteral("洞ズ")) {
      QVERIFY(raw.supportsCharacter(glyph));
      QVERIFY(QFontMetrics(font).inFont(glyph));
    }
    QCOMPARE(font.pixelSize(), 13);  // 9.75 points at 96 dots per inch
  }

  // Scaled pixel art shows only the picture's own colours, each picture
  // pixel a block of whole screen pixels, at the picture's size.
  void imagesStayCrispOnScaledScreens_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("2") << 2.0;
    QTest::newRow("1.5") << 1.5;
  }
  void imagesStayCrispOnScaledScreens() {
    QFETCH(qreal, ratio);
    QImage checker(4, 4, QImage::Format_ARGB32);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) checker.setPixel(x, y, (x + y) % 2 ? 0xFFFF0000 : 0xFF0000FF);
    checker.setPixel(3, 3, 0x00000000);
    ImageControl image;
    image.resize(10, 10);
    image.setPicture(QPixmap::fromImage(checker));
    const QImage shown = Render(image, ratio);
    QCOMPARE(ColoursOf(shown), (QSet<QRgb>{0xFFFF0000, 0xFF0000FF, 0x00000000}));
    // Not stretched to the control: nothing right of or below 4 layout pixels.
    const int edge = qCeil(4 * ratio);
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x)
        if (x >= edge || y >= edge) QCOMPARE(qAlpha(shown.pixel(x, y)), 0);
  }

  // The candle: a 50 x 50 picture fills the inside of the 2-pixel frame
  // exactly, not stretched over it.
  void framedImageShowsItsPictureInsideTheFrame() {
    ImageControl candle;
    candle.resize(54, 54);
    candle.setBorder(ImageControl::Border::FixedSingle);
    QImage magenta(50, 50, QImage::Format_RGB32);
    magenta.fill(QColor(255, 0, 255));
    candle.setPicture(QPixmap::fromImage(magenta));
    QCOMPARE(Where(Render(candle, 1.0), 0xFFFF00FF), QRect(2, 2, 50, 50));

  }

  // The caption is kept byte for byte; CR LF shows as a line break and
  // markup shows as text.
  void labelsKeepTheirCaptionExactly() {
    LabelControl label;
    label.resize(129, 65);
    const QString caption = QStringLiteral("ステージ 1-A\r\n<b>x</b>");
    label.setCaption(caption);
    QCOMPARE(label.caption(), caption);
    QCOMPARE(label.text(), QStringLiteral("ステージ 1-A\n<b>x</b>"));
    QCOMPARE(label.textFormat(), Qt::PlainText);
    label.setCaption(QString(40, QLatin1Char('W')) + QStringLiteral("\r\n").repeated(20));
    QCOMPARE(label.size(), QSize(129, 65));  // fixed size: cut off, not grown
  }

  // Filled squares tile the board: every device pixel belongs to exactly
  // one cell, also on a screen scaled by 1.5.
  void boardCellsTileTheBoardExactly() {
    BoardBox board;
    board.resize(267, 133);  // 4000 x 2000 twips
    const QImage& drawing = board.drawing();
    QCOMPARE(drawing.devicePixelRatio(), 1.5);
    const qint64 total = qint64(drawing.width()) * drawing.height();
    const auto fill = [&](int x, int y) { board.fillBox(200 * x, 200 * y, 200 * x + 200, 200 * y + 200); };
    board.setForeColor(Qt::white);
    qint64 covered = 0;  // cell by cell
    for (int x = 0; x < 20; ++x)
      for (int y = 0; y < 10; ++y) {
        board.setBackColor(Qt::black);
        fill(x, y);
        covered += Count(board.drawing(), qRgb(255, 255, 255));
      }
    board.setBackColor(Qt::black);
    for (int x = 0; x < 20; ++x)
      for (int y = 0; y < 10; ++y) fill(x, y);
    QCOMPARE(Count(board.drawing(), qRgb(255, 255, 255)), total);  // no gap
    QCOMPARE(covered, total);                                       // so no overlap
  }

  // The board's keys arrive as virtual-key codes, never as raw Qt keys,
  // held-down repeats included.
  void boardKeysArriveAsVirtualKeyCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("code");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << 27;
    QTest::newRow("Left") << int(Qt::Key_Left) << none << 37;
    QTest::newRow("Right") << int(Qt::Key_Right) << none << 39;
    QTest::newRow("keypad Left") << int(Qt::Key_Left) << Qt::KeyboardModifiers(Qt::KeypadModifier) << 37;
    QTest::newRow("A") << int(Qt::Key_A) << none << 65;
    QTest::newRow("7") << int(Qt::Key_7) << none << 55;
    QTest::newRow("keypad 4") << int(Qt::Key_4) << Qt::KeyboardModifiers(Qt::KeypadModifier) << 100;
    QTest::newRow("% is Shift+5") << int(Qt::Key_Percent) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 53;
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << 13;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << 9;
    QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 9;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << 112;
    QTest::newRow("unknown") << int(Qt::Key_unknown) << none << 0xFF;
  }
  void boardKeysArriveAsVirtualKeyCodes() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, code);
    BoardBox board;
    QSignalSpy keys(&board, &BoardBox::keyDown);
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QKeyEvent repeat(QEvent::KeyPress, key, modifiers, QString(), /*autorep=*/true);
    QApplication::sendEvent(&board, &press);
    QApplication::sendEvent(&board, &repeat);
    QCOMPARE(keys.count(), 2);
    QCOMPARE(keys.at(0).at(0).toInt(), code);
    QCOMPARE(keys.at(1).at(0).toInt(), code);
  }

  // Tab is a key of the game, not a focus move, even beside a control that
  // could take the focus.
  void tabStaysWithTheBoard() {
    QWidget window;
    auto* board = new BoardBox(&window);
    auto* other = new QPushButton(QStringLiteral("OK"), &window);
    other->move(0, 50);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    board->setFocus();
    QSignalSpy keys(board, &BoardBox::keyDown);
    QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
    QCOMPARE(keys.count(), 1);
    QCOMPARE(keys.at(0).at(0).toInt(), 9);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(board));
  }
};

int main(int argc, char** argv) {
  qputenv("QT_SCALE_FACTOR", "1.5");
  QApplication app(argc, argv);
  TestControls test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "test_controls.moc"
