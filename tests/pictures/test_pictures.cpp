// The stored pictures: their sizes, one-bit transparency with the key
// colours only behind transparent pixels, reactions that differ from the
// normal picture only in Zupi's face (and, when winking, her raised arm),
// the program icon's mask, how many colours each is drawn in and where
// the named parts of the icons, the title and the certificate lie. Also
// the menu icons: drawn for their size, with alpha, and a valid SVG.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLibraryInfo>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

#include "pictures.h"
#include "zupi_face.h"

#include <algorithm>
#include <functional>

namespace {

using zupi::Picture;

// The file name of a picture of the game.
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

// The smallest rectangle holding every pixel that `match` picks inside
// `area`; empty when there is none.
QRect Extent(const QImage& image, const std::function<bool(QRgb)>& match,
             QRect area = QRect(0, 0, 10000, 10000)) {
  QRect box;
  const QRect inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      if (match(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
  return box;
}

std::function<bool(QRgb)> Is(QRgb colour) {
  return [colour](QRgb p) { return qAlpha(p) == 255 && (p & 0xFFFFFF) == (colour & 0xFFFFFF); };
}

// Two rectangles agree when each edge is within `slack` pixels.
bool Near(QRect a, QRect b, int slack) {
  return std::abs(a.left() - b.left()) <= slack && std::abs(a.right() - b.right()) <= slack &&
         std::abs(a.top() - b.top()) <= slack && std::abs(a.bottom() - b.bottom()) <= slack;
}

QString Show(QRect r) {
  return QStringLiteral("columns %1..%2, rows %3..%4")
      .arg(r.left()).arg(r.right()).arg(r.top()).arg(r.bottom());
}

const QRect kFaceBox(19, 30, 62, 62);  // columns 19..80, rows 30..91
const QRect kArmBox(0, 60, 40, 90);    // columns 0..39, rows 60..149

}  // namespace

class TestPictures : public QObject {
  Q_OBJECT

 private slots:
  // Each picture fills its image control exactly. Alpha is all or nothing
  // (smooth painting would leave half-transparent edges), and a key colour
  // stands only behind transparent pixels: a drawn pixel of that colour
  // would become a hole wherever the key marks transparency. The flat
  // drawings use exactly their listed colours; the reduced icons, the
  // antialiased title and the certificate's banded sky about as many (far
  // fewer means hard edges, far more smooth painting). 331 of the program
  // icon's 1024 pixels are transparent: a few either way keep its outline.
  void picturesHaveTheirSizeTransparencyAndColours_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("transparent");  // -1: some, around the figure
    QTest::addColumn<QRgb>("key");
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("slack");
    const QRgb none = 0x1000000, zupiKey = 0x110041;
    QTest::newRow("program icon") << File(Picture::ProgramIcon) << QSize(32, 32) << 331 << none << 116 << 15;
    QTest::newRow("board icon") << File(Picture::BoardIcon) << QSize(20, 20) << -1 << QRgb(0x0000FF) << 61 << 8;
    QTest::newRow("normal") << File(Picture::ZupiNormal) << QSize(100, 200) << -1 << zupiKey << 11 << 0;
    QTest::newRow("startled") << File(Picture::ZupiStartled) << QSize(100, 200) << -1 << zupiKey << 11 << 0;
    QTest::newRow("hurt") << File(Picture::ZupiHurt) << QSize(100, 200) << -1 << zupiKey << 8 << 0;
    QTest::newRow("wink") << File(Picture::ZupiWink) << QSize(100, 200) << -1 << zupiKey << 12 << 0;
    QTest::newRow("unlit") << File(Picture::CandleUnlit) << QSize(50, 50) << 0 << none << 13 << 0;
    QTest::newRow("flame") << File(Picture::CandleFlame) << QSize(50, 50) << 0 << none << 15 << 0;
    QTest::newRow("flame left") << File(Picture::CandleFlameLeft) << QSize(50, 50) << 0 << none << 15 << 0;
    QTest::newRow("title") << File(Picture::Title) << QSize(300, 100) << 0 << none << 225 << 25;
    QTest::newRow("certificate") << File(Picture::Certificate) << QSize(350, 400) << 0 << none << 157 << 20;
  }
  void picturesHaveTheirSizeTransparencyAndColours() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(int, transparent);
    QFETCH(QRgb, key);
    QFETCH(int, colours);
    QFETCH(int, slack);
    const QImage image = Load(file);
    QCOMPARE(image.size(), size);
    int clear = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        const QString where = QStringLiteral("(%1,%2)").arg(x).arg(y);
        QVERIFY2(qAlpha(p) == 0 || qAlpha(p) == 255, qPrintable(where));
        if (Drawn(p)) QVERIFY2((p & 0xFFFFFF) != key, qPrintable(where));
        clear += !Drawn(p);
      }
    if (transparent < 0) QVERIFY(!Drawn(image.pixel(0, image.height() - 1)));
    else QVERIFY2(std::abs(clear - transparent) <= transparent / 33, qPrintable(QString::number(clear)));
    const int used = Colours(image);
    QVERIFY2(std::abs(used - colours) <= slack, qPrintable(QString::number(used)));
  }

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

  // The stored files are what the drawings paint now: a drawing changed
  // without painting the files again (or the reverse) fails here. A few
  // edge pixels may differ slightly where another Qt rasterises an edge.
  void storedPicturesAreWhatTheDrawingsPaint_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QImage>("painted");
    using namespace pictures;
    for (const zupi::PictureFile& picture : zupi::kPictureFiles)
      QTest::newRow(picture.name.data()) << File(picture.picture) << DrawPicture(picture.picture);
    for (int size : {64, 128, 256}) {
      QTest::newRow(qPrintable(QStringLiteral("menu %1").arg(size)))
          << QStringLiteral(ICONS_DIR "/grotzel-%1.png").arg(size)
          << Paint(ZupiFace(true, kMenuLineScale), size);
    }
  }
  void storedPicturesAreWhatTheDrawingsPaint() {
    QFETCH(QString, file);
    QFETCH(QImage, painted);
    // Another Qt rasterises edges and blends differently, more than the few
    // pixels allowed below; the files were painted with Qt 6.4.
    if (QLibraryInfo::version().majorVersion() != 6 || QLibraryInfo::version().minorVersion() != 4)
      QSKIP("the stored pictures were painted with Qt 6.4");
    const QImage stored = Load(file);
    const QImage fresh = painted.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(stored.size(), fresh.size());
    int off = 0;
    for (int y = 0; y < stored.height(); ++y)
      for (int x = 0; x < stored.width(); ++x) {
        const QRgb a = stored.pixel(x, y), b = fresh.pixel(x, y);
        if (qAlpha(a) == 0 && qAlpha(b) == 0) continue;
        off += std::max({std::abs(qAlpha(a) - qAlpha(b)), std::abs(qRed(a) - qRed(b)),
                         std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))}) > 2;
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
    int paths = 0;
    QString viewBox;
    while (!svg.atEnd()) {
      if (svg.readNext() != QXmlStreamReader::StartElement) continue;
      if (svg.name() == QLatin1String("svg")) viewBox = svg.attributes().value("viewBox").toString();
      paths += svg.name() == QLatin1String("path") && !svg.attributes().value("d").isEmpty();
    }
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    QCOMPARE(viewBox, QStringLiteral("0 0 32 32"));
    QVERIFY2(paths >= 10, qPrintable(QString::number(paths)));
  }

  // Her name runs down the lower right edge, clear of the face, in two
  // letters one above the other; the bunches stick out at the upper
  // corners and the dress fills the bottom edge.
  void programIconHasNameBunchesAndDressInTheirPlaces() {
    const QImage icon = Load(File(Picture::ProgramIcon));
    const auto name = Is(0xE6FF3F);
    const QRect letters = Extent(icon, name);
    QVERIFY2(QRect(25, 17, 7, 15).contains(letters), qPrintable(Show(letters)));
    QVERIFY2(letters.height() >= 13, qPrintable(Show(letters)));
    QVERIFY(!Extent(icon, name, QRect(25, 17, 7, 7)).isEmpty());   // ズ
    QVERIFY(!Extent(icon, name, QRect(25, 25, 7, 7)).isEmpty());   // ピ
    QVERIFY2(Extent(icon, Is(0xFFC1A2), QRect(25, 17, 7, 15)).isEmpty(), "name on the cheek");
    const auto hair = [](QRgb p) { return qRed(p) > 150 && qGreen(p) < 110 && qBlue(p) < 60; };
    QVERIFY(!Extent(icon, hair, QRect(0, 0, 5, 5)).isEmpty());
    QVERIFY(!Extent(icon, hair, QRect(27, 0, 5, 5)).isEmpty());
    const QRect dress = Extent(icon, Is(0x8D6300));
    QCOMPARE(dress.bottom(), 31);
    QVERIFY2(dress.top() >= 26, qPrintable(Show(dress)));
  }

  // The head that walks the board: large black eyes, each with a white
  // gleam, an open pink mouth below them, and bunches standing off the
  // sides of the head; the blue key only behind transparent pixels.
  void boardIconShowsEyesMouthAndBunches() {
    const QImage icon = Load(File(Picture::BoardIcon));
    QCOMPARE(icon.pixel(0, 19) & 0xFFFFFF, QRgb(0x0000FF));
    for (const QRect half : {QRect(0, 8, 10, 7), QRect(10, 8, 10, 7)}) {
      const QRect eye = Extent(icon, Is(0x000000), half.adjusted(2, 0, -2, 0));
      const QRect gleam = Extent(icon, Is(0xFFFFFF), half);
      QVERIFY2(eye.width() >= 3 && eye.height() >= 4, qPrintable(Show(eye)));
      QVERIFY2(!gleam.isEmpty() && eye.contains(gleam), qPrintable(Show(gleam)));
    }
    const auto pink = [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 100 && qGreen(p) < 180; };
    QVERIFY2(!Extent(icon, pink, QRect(8, 14, 4, 4)).isEmpty(), "no open mouth");
    const QRect hair = Extent(icon, Is(0xD94300));
    QVERIFY2(hair.left() <= 1 && hair.right() >= 18, qPrintable(Show(hair)));
  }

  // Each part of the title keeps its place: the hand-written line, the
  // raised stone letters, the green and the mint ones.
  void titlePartsKeepTheirPlaces_data() {
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("place");
    const QRect all(0, 0, 300, 100);
    QTest::newRow("orange start") << QRgb(0xFF9000) << all << QRect(12, 4, 80, 35);
    QTest::newRow("stone") << QRgb(0x808080) << QRect(0, 37, 160, 63) << QRect(26, 37, 120, 57);
    QTest::newRow("light edges") << QRgb(0xF2F2F2) << all << QRect(26, 37, 120, 57);
    QTest::newRow("green") << QRgb(0x3CFF00) << all << QRect(164, 37, 31, 57);
    QTest::newRow("mint") << QRgb(0xCCFFEE) << all << QRect(204, 40, 76, 51);
  }
  void titlePartsKeepTheirPlaces() {
    QFETCH(QRgb, colour);
    QFETCH(QRect, area);
    QFETCH(QRect, place);
    const QRect found = Extent(Load(File(Picture::Title)), Is(colour), area);
    QVERIFY2(!found.isEmpty() && place.contains(found), qPrintable(Show(found)));
    QVERIFY2(found.width() >= place.width() * 2 / 3, qPrintable(Show(found)));
  }

  // The hand-written line runs from column 12 to 188, orange first and
  // magenta after, stepping down to the right.
  void titleHandWrittenLineStepsDown() {
    const QImage title = Load(File(Picture::Title));
    const auto ink = [](QRgb p) { return qRed(p) + qGreen(p) + qBlue(p) > 120; };
    const QRect hand = Extent(title, ink, QRect(0, 0, 300, 37));
    QVERIFY2(Near(hand, QRect(12, 4, 177, 33), 3), qPrintable(Show(hand)));
    const QRect orange = Extent(title, Is(0xFF9000)), magenta = Extent(title, Is(0xFF3FE3));
    QVERIFY2(orange.right() < magenta.left(), qPrintable(Show(magenta)));
    QVERIFY2(magenta.bottom() > orange.bottom(), qPrintable(Show(magenta)));
  }

  // Zupi on the certificate: hair, face, the V-sign hand and her clothes
  // where the window's labels expect them, on a pale-blue sky, outlined
  // in grey, with a red-orange spiral on each raised fingertip.
  void certificatePartsKeepTheirPlaces_data() {
    QTest::addColumn<QList<QRgb>>("colours");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<bool>("rowsGiven");
    const QRect all(0, 0, 350, 400);
    const QList<QRgb> hair{0xD94300, 0xB63800, 0xF0743A}, skin{0xFFC1A2};
    QTest::newRow("hair") << hair << all << QRect(62, 9, 244, 126) << true;
    QTest::newRow("face") << skin << QRect(100, 0, 250, 400) << QRect(125, 0, 138, 1) << false;
    QTest::newRow("hand") << skin << QRect(0, 0, 100, 400) << QRect(6, 131, 73, 105) << true;
    // Under the face, clear of the raised arm, which is blouse too.
    QTest::newRow("clothes") << QList<QRgb>{0x96CFB2, 0x8D6300, 0x7EB89B} << QRect(150, 0, 90, 400)
                             << QRect(150, 203, 90, 197) << true;
  }
  void certificatePartsKeepTheirPlaces() {
    QFETCH(QList<QRgb>, colours);
    QFETCH(QRect, area);
    QFETCH(QRect, place);
    QFETCH(bool, rowsGiven);
    const auto any = [&colours](QRgb p) {
      return std::any_of(colours.begin(), colours.end(), [p](QRgb c) { return Is(c)(p); });
    };
    QRect found = Extent(Load(File(Picture::Certificate)), any, area);
    if (!rowsGiven) found.setRect(found.left(), place.top(), found.width(), place.height());
    QVERIFY2(Near(found, place, 3), qPrintable(Show(found)));
  }
  void certificateIsFlatOnAPaleSky() {
    const QImage picture = Load(File(Picture::Certificate));
    for (const QPoint corner : {QPoint(0, 0), QPoint(349, 120), QPoint(0, 399)}) {
      const QRgb p = picture.pixel(corner);
      QVERIFY2(qBlue(p) > qRed(p) && qRed(p) > 100, qPrintable(QString::number(p, 16)));
    }
    const auto outline = Is(0x808080);
    int lines = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) lines += outline(picture.pixel(x, y));
    QVERIFY2(lines > 2000, qPrintable(QString::number(lines)));
    const auto spiral = [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 110 && qBlue(p) < 80; };
    QVERIFY(!Extent(picture, spiral, QRect(4, 131, 18, 20)).isEmpty());
    QVERIFY(!Extent(picture, spiral, QRect(54, 131, 20, 20)).isEmpty());
  }

  // The menu icons have their sizes and a true alpha channel (clear
  // corners, an opaque face, soft edges between), and each is drawn for
  // its size: an enlarged smaller icon would repeat every pixel in 2 x 2
  // blocks.
  void menuIconsAreDrawnForTheirSize_data() {
    QTest::addColumn<int>("size");
    for (int size : {64, 128, 256}) QTest::newRow(qPrintable(QString::number(size))) << size;
  }
  void menuIconsAreDrawnForTheirSize() {
    QFETCH(int, size);
    const QImage icon(QDir(QStringLiteral(ICONS_DIR)).filePath(QStringLiteral("grotzel-%1.png").arg(size)));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(argb.pixel(size - 1, 0)), 0);
    QCOMPARE(qAlpha(argb.pixel(size / 2, size / 2)), 255);
    int soft = 0, unlikeBlocks = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) soft += qAlpha(argb.pixel(x, y)) % 255 != 0;
    for (int y = 0; y < size; y += 2)
      for (int x = 0; x < size; x += 2)
        unlikeBlocks += argb.pixel(x, y) != argb.pixel(x + 1, y + 1);
    QVERIFY2(soft > size, qPrintable(QString::number(soft)));
    QVERIFY2(unlikeBlocks > size, qPrintable(QString::number(unlikeBlocks)));
  }
};

QTEST_APPLESS_MAIN(TestPictures)
#include "test_pictures.moc"
