// The controls the windows are built from: pictures that load, fonts that
// resolve to a Japanese face, pixel art that stays crisp on scaled screens,
// labels that keep their captions, board squares that tile the board, and
// keys that arrive as virtual-key codes. Runs on a screen scaled by 1.5, the
// scale where rounding faults show.
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include "screens/board_box.h"
#include "screens/controls.h"
#include "screens/fonts.h"
#include "screens/pictures/picture_files.h"

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
  // A picture missing from the resources, or two names mapped to one file,
  // would show an empty or wrong control without any error.
  void everyPictureIsBuiltInAndDistinct() {
    QSet<QByteArray> seen;
    for (const zupi::PictureFile& file : zupi::kPictureFiles) {
      const QImage image = zupi::LoadPicture(file.picture).toImage();
      QVERIFY2(!image.isNull(), qPrintable(zupi::PicturePath(file.picture)));
      seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    QCOMPARE(seen.size(), qsizetype(zupi::kPictureFiles.size()));
  }

  // fontconfig alone maps the layouts' faces to a Latin face without kana;
  // a size in points would grow with the screen's scale.
  void layoutFacesResolveToAJapaneseGothic() {
    for (const char* face : {"ＭＳ Ｐゴシック", "MS UI Gothic"}) {
      const QFont font = zupi::DesignFont(QString::fromUtf8(face), 9.75, true);
      const QString family = QFontInfo(font).family();
      QVERIFY2(family == "IPAPGothic" || family == "Noto Sans CJK JP", qPrintable(family));
      QVERIFY(QFontMetrics(font).inFont(QChar(u'ズ')));
      QCOMPARE(font.pixelSize(), 13);  // 9.75 points at 96 dots per inch
    }
  }

  // At a fractional scale, pixel art shows only the picture's own colours
  // (no smoothing), at the picture's size (not stretched to the control).
  void imagesStayCrispOnAFractionalScale() {
    QImage checker(4, 4, QImage::Format_ARGB32);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) checker.setPixel(x, y, (x + y) % 2 ? 0xFFFF0000 : 0xFF0000FF);
    checker.setPixel(3, 3, 0x00000000);
    ImageControl image;
    image.resize(10, 10);
    image.setPicture(QPixmap::fromImage(checker));
    const QImage shown = Render(image, 1.5);
    QCOMPARE(ColoursOf(shown), (QSet<QRgb>{0xFFFF0000, 0xFF0000FF, 0x00000000}));
    QCOMPARE(ColoursOf(shown.copy(6, 0, shown.width() - 6, shown.height())), QSet<QRgb>{0});
    QCOMPARE(ColoursOf(shown.copy(0, 6, shown.width(), shown.height() - 6)), QSet<QRgb>{0});
  }

  // The candle's 50 x 50 picture fills the inside of the 2-pixel frame
  // exactly, not drawn over it.
  void framedImageShowsItsPictureInsideTheFrame() {
    ImageControl candle;
    candle.resize(54, 54);
    candle.setBorder(ImageControl::Border::FixedSingle);
    QImage magenta(50, 50, QImage::Format_RGB32);
    magenta.fill(QColor(255, 0, 255));
    candle.setPicture(QPixmap::fromImage(magenta));
    const QImage shown = Render(candle, 1.0);
    QCOMPARE(Count(shown, 0xFFFF00FF), 50 * 50);
    QCOMPARE(Count(shown.copy(2, 2, 50, 50), 0xFFFF00FF), 50 * 50);
  }

  // The caption is kept byte for byte; CR LF shows as a line break and
  // markup shows as text.
  void labelsKeepTheirCaptionExactly() {
    LabelControl label;
    const QString caption = QStringLiteral("ステージ 1-A\r\n<b>x</b>");
    label.setCaption(caption);
    QCOMPARE(label.caption(), caption);
    QCOMPARE(label.text(), QStringLiteral("ステージ 1-A\n<b>x</b>"));
    QCOMPARE(label.textFormat(), Qt::PlainText);
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

  // The board's keys arrive as virtual-key codes, never as raw Qt keys
  // (Qt's '%' is 37, the left arrow's code), held-down repeats included.
  void boardKeysArriveAsVirtualKeyCodes() {
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> cases[] = {
        {Qt::Key_Left, Qt::NoModifier, 37},        {Qt::Key_4, Qt::KeypadModifier, 100},
        {Qt::Key_Percent, Qt::ShiftModifier, 53},  {Qt::Key_Backtab, Qt::ShiftModifier, 9},
        {Qt::Key_unknown, Qt::NoModifier, 0xFF}};
    BoardBox board;
    QSignalSpy keys(&board, &BoardBox::keyDown);
    for (auto [key, modifiers, code] : cases)
      for (bool repeat : {false, true}) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), repeat);
        QApplication::sendEvent(&board, &press);
        QCOMPARE(keys.takeFirst().at(0).toInt(), code);
      }
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
