// The Windows icon the build derives: a classic 24-bit icon whose colours
// and mask give back the program icon exactly.
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

namespace {

quint16 Le16(const QByteArray& bytes, int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); }
quint32 Le32(const QByteArray& bytes, int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); }

}  // namespace

class TestIcons : public QObject {
  Q_OBJECT

 private slots:
  // Read back by hand, as Qt's ico reader ignores the mask of 24-bit icons.
  // Colour rows run bottom-up in blue-green-red order, 96 bytes each; the
  // mask rows follow, 4 bytes each, a set bit for a clear pixel.
  void windowsIconShowsTheDrawingThroughItsMask() {
    const QImage source = QImage(QStringLiteral(PROGRAM_ICON)).convertToFormat(QImage::Format_ARGB32);
    QFile file(QStringLiteral(ICON_DIR "/grotzel.ico"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    // One entry, 32 x 32 at 24 bits, its bitmap twice as high (colour rows
    // and mask rows): an entry that lies about its layout shows as garbage
    // in Explorer though resource compilers accept it.
    QCOMPARE(ico.size(), 6 + 16 + 40 + 32 * 96 + 32 * 4);
    QCOMPARE(Le16(ico, 4), quint16(1));
    QCOMPARE(Le16(ico, 6), quint16(0x2020));  // width, height
    QCOMPARE(Le16(ico, 12), quint16(24));
    QCOMPARE(Le32(ico, 22 + 8), quint32(64));
    QCOMPARE(Le16(ico, 22 + 14), quint16(24));
    const int colours = 6 + 16 + 40, mask = colours + 32 * 96;
    int clear = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const int row = 31 - y;
        const bool masked = quint8(ico[mask + row * 4 + x / 8]) & (0x80 >> (x % 8));
        const char* bgr = ico.constData() + colours + row * 96 + x * 3;
        const QRgb colour = qRgb(quint8(bgr[2]), quint8(bgr[1]), quint8(bgr[0]));
        const bool drawn = qAlpha(source.pixel(x, y)) >= 128;
        // Under the mask the colour must be black, or Windows inverts the screen there.
        const QRgb want = drawn ? source.pixel(x, y) | 0xFF000000u : qRgb(0, 0, 0);
        clear += masked ? 1 : 0;
        if (masked == drawn || colour != want) QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
      }
    QVERIFY2(clear > 0, "the program icon has a transparent surround");
  }
};

QTEST_GUILESS_MAIN(TestIcons)
#include "test_icons.moc"
