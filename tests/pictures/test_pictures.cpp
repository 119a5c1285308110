// The stored pictures and icons are what the drawings paint now, and the
// reactions differ from the normal picture only in Zupi's face (and arm).
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

#include "pictures.h"
#include "zupi_face.h"

#include <algorithm>

namespace {

using zupi::Picture;

QString File(Picture picture) {
  const std::string_view name = zupi::PictureFileName(picture);
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// A picture by its file name in the game's folder, or by a full path.
QImage Load(const QString& name) {
  const QImage image(QDir(QStringLiteral(PICTURES_DIR)).filePath(name));
  return image.convertToFormat(QImage::Format_ARGB32);
}

bool Drawn(QRgb p) { return qAlpha(p) != 0; }

// How many colours the drawn pixels use.
int Colours(const QImage& image) {
  QSet<QRgb> used;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (Drawn(image.pixel(x, y))) used.insert(image.pixel(x, y));
  return int(used.size());
}

const QRect kFaceBox(19, 30, 62, 62);  // columns 19..80, rows 30..91
const QRect kArmBox(0, 60, 40, 90);    // columns 0..39, rows 60..149

}  // namespace

class TestPictures : public QObject {
  Q_OBJECT

 private slots:
  // The game swaps the pictures in place: anything but her face (and the
  // winking arm) moving between them would jump on screen.
  void reactionsDifferOnlyInFaceAndRaisedArm_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("armRaised");
    QTest::newRow("startled") << File(Picture::ZupiStartled) << false;
    QTest::newRow("hurt") << File(Picture::ZupiHurt) << false;
    QTest::newRow("wink") << File(Picture::ZupiWink) << true;
  }
  void reactionsDifferOnlyInFaceAndRaisedArm() {
    QFETCH(QString, file);
    QFETCH(bool, armRaised);
    const QImage normal = Load(File(Picture::ZupiNormal));
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

  // A drawing changed without painting the files again, or the reverse.
  void storedPicturesAreWhatTheDrawingsPaint_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QImage>("painted");
    using namespace pictures;
    for (const zupi::PictureFile& picture : zupi::kPictureFiles)
      QTest::newRow(picture.name.data()) << File(picture.picture) << DrawPicture(picture.picture);
    for (int size : {64, 128, 256}) {
      QTest::newRow(qPrintable(QStringLiteral("menu %1").arg(size)))
          << QStringLiteral(ICONS_DIR "/grotzel-%1.png").arg(size) << Paint(ZupiFace(true, kMenuLineScale), size);
    }
  }
  void storedPicturesAreWhatTheDrawingsPaint() {
    QFETCH(QString, file);
    QFETCH(QImage, painted);
    // Qt 6.4, 6.8 and 6.11 paint them to the pixel; the allowance is for
    // another Qt's edges.
    const QImage stored = Load(file);
    const QImage fresh = painted.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(stored.size(), fresh.size());
    int off = 0;
    for (int y = 0; y < stored.height(); ++y)
      for (int x = 0; x < stored.width(); ++x) {
        const QRgb a = stored.pixel(x, y), b = fresh.pixel(x, y);
        if (qAlpha(a) == 0 && qAlpha(b) == 0) continue;
        off += std::max({std::abs(qAlpha(a) - qAlpha(b)), std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                         std::abs(qBlue(a) - qBlue(b))}) > 2;
      }
    QVERIFY2(off <= stored.width() * stored.height() / 1000, qPrintable(QString::number(off)));
    QVERIFY2(std::abs(Colours(stored) - Colours(fresh)) <= 2, qPrintable(QString::number(Colours(fresh))));
  }
  // The scalable menu icon is what the drawing writes, and well-formed SVG.
  void storedSvgIsWhatTheDrawingWritesAndValid() {
    QFile file(QStringLiteral(ICONS_DIR "/grotzel.svg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QCOMPARE(QString::fromUtf8(text), pictures::ToSvg(pictures::ZupiFace(true, pictures::kMenuLineScale), 256));
    QXmlStreamReader svg(text);
    while (!svg.atEnd()) svg.readNext();
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
  }
};

QTEST_APPLESS_MAIN(TestPictures)
#include "test_pictures.moc"
