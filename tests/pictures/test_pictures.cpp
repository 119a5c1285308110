// The stored pictures: their sizes, one-bit transparency with the key
// colours only behind transparent pixels, reactions that differ from the
// normal picture only in Zupi's face (and, when winking, her raised arm),
// and the program icon's mask.
#include <QDir>
#include <QImage>
#include <QTest>

namespace {

QImage Load(const QString& name) {
  const QImage image(QDir(QStringLiteral(PICTURES_DIR)).filePath(name));
  return image.convertToFormat(QImage::Format_ARGB32);
}

bool Drawn(QRgb p) { return qAlpha(p) != 0; }

const QRect kFaceBox(19, 30, 62, 62);  // columns 19..80, rows 30..91
const QRect kArmBox(0, 60, 40, 90);    // columns 0..39, rows 60..149

}  // namespace

class TestPictures : public QObject {
  Q_OBJECT

 private slots:
  // Each picture fills its image control exactly. Alpha is all or nothing
  // (smooth painting would leave half-transparent edges), and a key colour
  // stands only behind transparent pixels: a drawn pixel of that colour
  // would become a hole wherever the key marks transparency.
  void picturesHaveTheirSizeAndHardTransparency_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparentAround");
    QTest::addColumn<QRgb>("key");
    const QRgb none = 0x1000000;
    QTest::newRow("program icon") << "program_icon.png" << QSize(32, 32) << true << none;
    QTest::newRow("board icon") << "board_icon.png" << QSize(20, 20) << true << QRgb(0x0000FF);
    for (const char* name : {"zupi_normal.png", "zupi_startled.png", "zupi_hurt.png", "zupi_wink.png"})
      QTest::newRow(name) << name << QSize(100, 200) << true << QRgb(0x110041);
    for (const char* name : {"candle_unlit.png", "candle_flame.png", "candle_flame_left.png"})
      QTest::newRow(name) << name << QSize(50, 50) << false << none;
    QTest::newRow("title") << "title.png" << QSize(300, 100) << false << none;
    QTest::newRow("certificate") << "certificate.png" << QSize(350, 400) << false << none;
  }
  void picturesHaveTheirSizeAndHardTransparency() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(bool, transparentAround);
    QFETCH(QRgb, key);
    const QImage image = Load(file);
    QCOMPARE(image.size(), size);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        const QString where = QStringLiteral("(%1,%2)").arg(x).arg(y);
        QVERIFY2(qAlpha(p) == 0 || qAlpha(p) == 255, qPrintable(where));
        QVERIFY2(transparentAround || Drawn(p), qPrintable(where));
        if (Drawn(p)) QVERIFY2((p & 0xFFFFFF) != key, qPrintable(where));
      }
    if (transparentAround) QVERIFY(!Drawn(image.pixel(0, image.height() - 1)));
  }

  // The game swaps the pictures in place: anything but her face (and the
  // winking arm) moving between them would jump on screen.
  void reactionsDifferOnlyInFaceAndRaisedArm_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("armRaised");
    QTest::newRow("startled") << "zupi_startled.png" << false;
    QTest::newRow("hurt") << "zupi_hurt.png" << false;
    QTest::newRow("wink") << "zupi_wink.png" << true;
  }
  void reactionsDifferOnlyInFaceAndRaisedArm() {
    QFETCH(QString, file);
    QFETCH(bool, armRaised);
    const QImage normal = Load(QStringLiteral("zupi_normal.png"));
    const QImage other = Load(file);
    int inFace = 0, inArm = 0;
    for (int y = 0; y < normal.height(); ++y)
      for (int x = 0; x < normal.width(); ++x) {
        if (normal.pixel(x, y) == other.pixel(x, y)) continue;
        const bool face = kFaceBox.contains(x, y);
        const bool arm = armRaised && kArmBox.contains(x, y) && !face;
        QVERIFY2(face || arm, qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
        inFace += face, inArm += arm;
      }
    QVERIFY(inFace > 0);
    QCOMPARE(inArm > 0, armRaised);
  }

  // 331 of the icon's 1024 pixels are transparent; a few either way still
  // leaves the same silhouette, many more a broken mask.
  void programIconMaskHidesAboutAThird() {
    const QImage icon = Load(QStringLiteral("program_icon.png"));
    int transparent = 0;
    for (int y = 0; y < icon.height(); ++y)
      for (int x = 0; x < icon.width(); ++x) transparent += !Drawn(icon.pixel(x, y));
    QVERIFY2(std::abs(transparent - 331) <= 10, qPrintable(QString::number(transparent)));
  }
};

QTEST_APPLESS_MAIN(TestPictures)
#include "test_pictures.moc"
