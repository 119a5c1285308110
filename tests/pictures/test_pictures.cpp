// Checks the game's stored pictures as a player's screen would get them:
// size and transparency, the colours of Zupi's design, where the parts of
// each drawing lie, and that the four reaction pictures differ only where
// her face (and, when winking, her raised arm) changes.
#include <QDir>
#include <QImage>
#include <QSet>
#include <QTest>

#include <cmath>

namespace {

QImage Load(const QString& name) {
  const QImage image(QDir(QStringLiteral(PICTURES_DIR)).filePath(name));
  return image.convertToFormat(QImage::Format_ARGB32);
}

bool Drawn(QRgb p) { return qAlpha(p) != 0; }

// Whether `p` is `colour` itself (exact) or, in a picture painted with
// smooth edges on black, `colour` dimmed or brightened along its own hue.
bool Matches(QRgb p, QRgb colour, bool exact) {
  if (exact) return Drawn(p) && (p | 0xFF000000) == (colour | 0xFF000000);
  const double c[3]{double(qRed(colour)), double(qGreen(colour)), double(qBlue(colour))};
  const double v[3]{double(qRed(p)), double(qGreen(p)), double(qBlue(p))};
  const double t =
      (c[0] * v[0] + c[1] * v[1] + c[2] * v[2]) / (c[0] * c[0] + c[1] * c[1] + c[2] * c[2]);
  if (t < 0.3) return false;
  for (int i = 0; i < 3; ++i) {
    if (std::abs(v[i] - std::min(255.0, t * c[i])) > 14) return false;
  }
  return true;
}

// The smallest rectangle inside `window` holding every pixel of one of
// `colours`.
QRect Extent(const QImage& image, const QList<QRgb>& colours, QRect window, bool exact) {
  QRect found;
  for (int y = window.top(); y <= window.bottom(); ++y) {
    for (int x = window.left(); x <= window.right(); ++x) {
      for (QRgb c : colours) {
        if (Matches(image.pixel(x, y), c, exact)) found |= QRect(x, y, 1, 1);
      }
    }
  }
  return found;
}

QSet<QRgb> DrawnColours(const QImage& image) {
  QSet<QRgb> out;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (Drawn(image.pixel(x, y))) out.insert(image.pixel(x, y));
    }
  }
  return out;
}

// Zupi's flat colours.
constexpr QRgb kHair = 0xFFD94300, kSkin = 0xFFFFC1A2, kPinafore = 0xFF8D6300,
               kBlouse = 0xFF96CFB2, kShoes = 0xFF3300C0, kTie = 0xFFC2C2C2,
               kBlack = 0xFF000000, kIris = 0xFFB36400, kShade = 0xFF5D5D5D,
               kWhite = 0xFFFFFFFF, kBlush = 0xFFFF3333, kMouth = 0xFFFF9999,
               kStartle = 0xFF3933FF;
const QList<QRgb> kBody{kHair, kSkin, kPinafore, kBlouse, kShoes, kTie, kBlack};

const QRect kFaceBox(19, 30, 62, 62);  // columns 19..80, rows 30..91
const QRect kArmBox(0, 60, 40, 90);    // columns 0..39, rows 60..149

}  // namespace

class TestPictures : public QObject {
  Q_OBJECT

 private slots:
  void picturesHaveTheirSizeAndTransparency_data();
  void picturesHaveTheirSizeAndTransparency();
  void characterPicturesUseExactlyTheirDesignColours_data();
  void characterPicturesUseExactlyTheirDesignColours();
  void designColoursAppear_data();
  void designColoursAppear();
  void partsLieWhereDescribed_data();
  void partsLieWhereDescribed();
  void reactionsDifferOnlyInFaceAndRaisedArm_data();
  void reactionsDifferOnlyInFaceAndRaisedArm();
  void figureFillsThePictureFromSideToSide();
  void programIconMaskHidesAboutAThird();
};

// Transparent pixels may carry the key colour, drawn ones never; the other
// pictures cover every pixel.
void TestPictures::picturesHaveTheirSizeAndTransparency_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<bool>("transparentAround");
  QTest::addColumn<QRgb>("key");
  const QRgb figureKey = 0x110041, none = 0x1000000;
  QTest::newRow("program icon") << "program_icon.png" << QSize(32, 32) << true << none;
  QTest::newRow("board icon") << "board_icon.png" << QSize(20, 20) << true << QRgb(0x0000FF);
  for (const char* name :
       {"zupi_normal.png", "zupi_startled.png", "zupi_hurt.png", "zupi_wink.png"}) {
    QTest::newRow(name) << name << QSize(100, 200) << true << figureKey;
  }
  for (const char* name : {"candle_unlit.png", "candle_flame.png", "candle_flame_left.png"}) {
    QTest::newRow(name) << name << QSize(50, 50) << false << none;
  }
  QTest::newRow("title") << "title.png" << QSize(300, 100) << false << none;
  QTest::newRow("certificate") << "certificate.png" << QSize(350, 400) << false << none;
}

void TestPictures::picturesHaveTheirSizeAndTransparency() {
  QFETCH(QString, file);
  QFETCH(QSize, size);
  QFETCH(bool, transparentAround);
  QFETCH(QRgb, key);
  const QImage image = Load(file);
  QVERIFY2(!image.isNull(), qPrintable(file));
  QCOMPARE(image.size(), size);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      QVERIFY(qAlpha(p) == 0 || qAlpha(p) == 255);
      QVERIFY(transparentAround || Drawn(p));
      const QString where = QStringLiteral("(%1,%2)").arg(x).arg(y);
      if (Drawn(p)) QVERIFY2((p & 0xFFFFFF) != key, qPrintable(where));
    }
  }
  if (transparentAround) {
    QVERIFY(!Drawn(image.pixel(0, image.height() - 1)));
    QVERIFY(!Drawn(image.pixel(image.width() - 1, image.height() - 1)));
  }
}

void TestPictures::characterPicturesUseExactlyTheirDesignColours_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QList<QRgb>>("colours");
  QTest::newRow("normal") << "zupi_normal.png"
                          << kBody + QList<QRgb>{kIris, kShade, kWhite, kBlush};
  QTest::newRow("startled, no blush") << "zupi_startled.png"
                                      << kBody + QList<QRgb>{kShade, kWhite, kMouth, kStartle};
  QTest::newRow("hurt, no blush") << "zupi_hurt.png" << kBody + QList<QRgb>{kMouth};
  QTest::newRow("wink") << "zupi_wink.png"
                        << kBody + QList<QRgb>{kIris, kShade, kWhite, kBlush, kMouth};
}

void TestPictures::characterPicturesUseExactlyTheirDesignColours() {
  QFETCH(QString, file);
  QFETCH(QList<QRgb>, colours);
  QCOMPARE(DrawnColours(Load(file)), QSet<QRgb>(colours.begin(), colours.end()));
}

void TestPictures::designColoursAppear_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QList<QRgb>>("present");
  QTest::addColumn<QList<QRgb>>("absent");
  const QList<QRgb> candle{kBlack, 0xFFD7D7D7, 0xFF5D5D5D}, flame{0xFFFF6666, 0xFFFFEA99};
  QTest::newRow("program icon") << "program_icon.png"
                                << QList<QRgb>{kHair, kSkin, kIris, kWhite, 0xFFE6FF3F}
                                << QList<QRgb>{};
  QTest::newRow("board icon") << "board_icon.png" << QList<QRgb>{kHair, kSkin, kBlack, kWhite}
                              << QList<QRgb>{};
  QTest::newRow("candle unlit") << "candle_unlit.png" << candle << flame;
  QTest::newRow("candle flame") << "candle_flame.png" << candle + flame << QList<QRgb>{};
  QTest::newRow("candle flame left") << "candle_flame_left.png" << candle + flame << QList<QRgb>{};
  QTest::newRow("title") << "title.png"
                         << QList<QRgb>{0xFFFF9000, 0xFFFF3FE3, 0xFF808080, 0xFFF2F2F2, 0xFF3CFF00,
                                        0xFFCCFFEE}
                         << QList<QRgb>{};
  QTest::newRow("certificate") << "certificate.png"
                               << QList<QRgb>{kHair, kSkin, kPinafore, kBlouse, kIris, 0xFF808080}
                               << QList<QRgb>{};
}

void TestPictures::designColoursAppear() {
  QFETCH(QString, file);
  QFETCH(QList<QRgb>, present);
  QFETCH(QList<QRgb>, absent);
  const QSet<QRgb> used = DrawnColours(Load(file));
  for (QRgb c : present) QVERIFY2(used.contains(c), qPrintable(QString::number(c, 16)));
  for (QRgb c : absent) QVERIFY2(!used.contains(c), qPrintable(QString::number(c, 16)));
}

// Expected extents are {first column, last column, first row, last row};
// -1 where the drawing's description leaves it open.
void TestPictures::partsLieWhereDescribed_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QList<QRgb>>("colours");
  QTest::addColumn<bool>("exact");
  QTest::addColumn<QRect>("window");
  QTest::addColumn<QList<int>>("expected");
  const auto row = [](const char* name, const char* file, QList<QRgb> colours, bool exact,
                      QRect window, QList<int> expected) {
    QTest::newRow(name) << file << colours << exact << window << expected;
  };
  const QRect figure(0, 0, 100, 200), candle(0, 0, 50, 50), title(0, 0, 300, 100);
  const QRect certificate(0, 0, 350, 400);
  const QList<QRgb> flame{0xFFFF6666, 0xFFFFEA99};
  row("figure", "zupi_normal.png", kBody, true, figure, {-1, -1, 7, 194});
  row("hair", "zupi_normal.png", {kHair}, true, figure, {-1, -1, 8, 61});
  row("blouse", "zupi_normal.png", {kBlouse}, true, figure, {-1, -1, 99, 137});
  row("pinafore", "zupi_normal.png", {kPinafore}, true, figure, {18, 81, 93, 161});
  row("bare legs", "zupi_normal.png", {kSkin}, true, figure, {-1, -1, -1, 186});
  row("shoes", "zupi_normal.png", {kShoes}, true, figure, {-1, -1, 188, 193});
  row("wax", "candle_unlit.png", {0xFFD7D7D7}, true, candle, {26, 34, 16, 40});
  row("holder", "candle_unlit.png", {0xFF5D5D5D}, true, candle, {4, 45, 25, 45});
  row("wick", "candle_unlit.png", {0xFF808080, 0xFF2E2E2E}, true, candle, {30, 30, 14, -1});
  row("upright flame", "candle_flame.png", flame, true, candle, {26, 34, 0, 13});
  row("bent flame", "candle_flame_left.png", flame, true, candle, {24, 33, 0, 13});
  row("title, hand-written", "title.png", {0xFFFF9000, 0xFFFF3FE3}, false, title, {12, 188, 4, 38});
  row("title, grey", "title.png", {0xFF808080}, false, QRect(0, 0, 155, 100), {26, 145, 37, 93});
  row("title, green", "title.png", {0xFF3CFF00}, false, title, {164, 194, -1, -1});
  row("title, mint", "title.png", {0xFFCCFFEE, 0xFF808080}, false, QRect(200, 0, 100, 100),
      {204, 279, 40, 90});
  row("certificate hair", "certificate.png", {kHair}, true, certificate, {62, 305, 9, 134});
  row("certificate face", "certificate.png", {kSkin}, true, QRect(100, 0, 250, 203),
      {125, 262, -1, -1});
  row("certificate V sign", "certificate.png", {kSkin}, true, QRect(0, 0, 100, 400),
      {6, 78, 131, 235});
  row("certificate clothes", "certificate.png", {kBlouse, kPinafore}, true, certificate,
      {-1, -1, 203, 399});
}

void TestPictures::partsLieWhereDescribed() {
  QFETCH(QString, file);
  QFETCH(QList<QRgb>, colours);
  QFETCH(bool, exact);
  QFETCH(QRect, window);
  QFETCH(QList<int>, expected);
  const QRect found = Extent(Load(file), colours, window, exact);
  QVERIFY(!found.isNull());
  const int actual[4]{found.left(), found.right(), found.top(), found.bottom()};
  for (int i = 0; i < 4; ++i) {
    if (expected[i] >= 0) QCOMPARE(actual[i], expected[i]);
  }
}

void TestPictures::reactionsDifferOnlyInFaceAndRaisedArm_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<bool>("armRaised");
  QTest::newRow("startled") << "zupi_startled.png" << false;
  QTest::newRow("hurt") << "zupi_hurt.png" << false;
  QTest::newRow("wink") << "zupi_wink.png" << true;
}

void TestPictures::reactionsDifferOnlyInFaceAndRaisedArm() {
  QFETCH(QString, file);
  QFETCH(bool, armRaised);
  const QImage normal = Load(QStringLiteral("zupi_normal.png"));
  const QImage other = Load(file);
  int inFace = 0, inArm = 0;
  for (int y = 0; y < normal.height(); ++y) {
    for (int x = 0; x < normal.width(); ++x) {
      if (normal.pixel(x, y) == other.pixel(x, y)) continue;
      const bool face = kFaceBox.contains(x, y);
      const bool arm = armRaised && kArmBox.contains(x, y) && !face;
      QVERIFY2(face || arm, qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
      inFace += face, inArm += arm;
    }
  }
  QVERIFY(inFace > 0);
  QCOMPARE(inArm > 0, armRaised);
  // The thumbs-up stands beside her face, above where the arm hangs.
  if (armRaised) QVERIFY(!Extent(other, {kSkin}, QRect(0, 60, 19, 30), true).isNull());
}

// The bunches reach within two pixels of the left and right edges.
void TestPictures::figureFillsThePictureFromSideToSide() {
  const QImage image = Load(QStringLiteral("zupi_normal.png"));
  const QRect figure = Extent(image, kBody, image.rect(), true);
  QVERIFY(figure.left() <= 2);
  QVERIFY(figure.right() >= image.width() - 3);
}

// 331 of the icon's 1024 pixels are transparent; a few per cent either way
// still leaves the same silhouette.
void TestPictures::programIconMaskHidesAboutAThird() {
  const QImage icon = Load(QStringLiteral("program_icon.png"));
  int transparent = 0;
  for (int y = 0; y < icon.height(); ++y) {
    for (int x = 0; x < icon.width(); ++x) transparent += !Drawn(icon.pixel(x, y));
  }
  QVERIFY2(std::abs(transparent - 331) <= 10, qPrintable(QString::number(transparent)));
}

QTEST_APPLESS_MAIN(TestPictures)
#include "test_pictures.moc"
