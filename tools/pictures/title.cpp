// The title lettering, 300 x 100 pixels on black, in two lines. Above, a
// small hand-written "Zupi in the", orange for her name and magenta after
// it, each letter a little lower than the one before. Below, the big
// "Grotzel": "Grot" in heavy grey letters lit from the upper left so they
// stand out, a bright green "z", and "el" in pale mint with a grey shadow.
// Letters are pen strokes along hand-placed paths, drawn with antialiasing;
// no font is used, so the picture is the same on every machine. The
// lines keep to fixed places: the hand-written one to columns 12..188 and
// rows 4..38; "Grot" to columns 26..145 and rows 37..93, "z" to columns
// 164..194, "el" with its shadow to columns 204..279 and rows 40..90.
#include <QPainter>
#include <QPainterPath>

#include <string_view>

#include "pictures.h"

namespace pictures {
namespace {

constexpr QRgb kNameOrange = 0xFFFF9000;
constexpr QRgb kMagenta = 0xFFFF3FE3;
constexpr QRgb kStone = 0xFF808080;
constexpr QRgb kStoneLight = 0xFFF2F2F2;
constexpr QRgb kStoneDark = 0xFF383838;
constexpr QRgb kGreen = 0xFF3CFF00;
constexpr QRgb kMint = 0xFFCCFFEE;

void Stroke(QPainter& painter, const QPainterPath& path, QRgb colour, double width,
            QPointF offset = {}) {
  painter.setPen(QPen(QColor::fromRgb(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path.translated(offset));
}

// --- the hand-written line --------------------------------------------------
// A small letter drawn from the left end of its baseline, y pointing down:
// x-height 13, ascenders 22, descenders 7. Returns its advance.
double HandLetter(QPainterPath& p, char c) {
  switch (c) {
    case 'Z':
      p.moveTo(1, -21); p.quadTo(8, -23, 15, -22); p.lineTo(1, -1); p.quadTo(8, 1, 16, -1);
      return 17;
    case 'u':
      p.moveTo(0, -13); p.lineTo(0, -5); p.quadTo(0, 0, 5, 0); p.quadTo(10, 0, 10, -6);
      p.lineTo(10, -13); p.moveTo(10, -6); p.lineTo(11, 0);
      return 13;
    case 'p':
      p.moveTo(0, -13); p.lineTo(0, 5); p.moveTo(0, -9);
      p.cubicTo(2, -14, 11, -14, 11, -7); p.cubicTo(11, 0, 3, 1, 0, -3);
      return 13;
    case 'i':
      p.moveTo(1, -12); p.lineTo(1, 0); p.moveTo(1.5, -18); p.lineTo(1.6, -17.8);
      return 5;
    case 'n':
    case 'h':
      p.moveTo(0, c == 'n' ? -13 : -22); p.lineTo(0, 0); p.moveTo(0, -8);
      p.cubicTo(2, -14, 10, -14, 10, -8); p.lineTo(10, 0);
      return 13;
    case 't':
      p.moveTo(3, -20); p.lineTo(3, -4); p.quadTo(3, 0, 8, -1);
      p.moveTo(0, -13); p.lineTo(8, -13.5);
      return 10;
    case 'e':
      p.moveTo(0, -6); p.lineTo(10, -6); p.cubicTo(10, -12, 1, -14, 0, -7);
      p.cubicTo(-0.5, 0, 7, 1, 10, -2);
      return 12;
    default:  // a space
      return 8;
  }
}

void DrawHandwriting(QPainter& painter) {
  struct Run { std::string_view text; QRgb colour; };
  QTransform hand;
  hand.translate(12, 28.5).scale(1.301, 1.03).shear(-0.18, 0);
  // A hand never holds a letter quite upright: a fixed tilt per letter,
  // in degrees, keeps the line lively and the picture the same every run.
  constexpr double kTilt[]{-4, 3, -2, 5, 0, -3, 4, -5, 2, -2, 3};
  double x = 0;
  int index = 0;
  for (const Run& run : {Run{"Zupi", kNameOrange}, Run{" in the", kMagenta}}) {
    QPainterPath path;
    for (char c : run.text) {
      QPainterPath letter;
      const double advance = HandLetter(letter, c);
      // Each letter sits a little lower than the one before, as a line
      // written without ruling drifts.
      QTransform place;
      place.translate(x + advance / 2, 0.95 * index);
      place.rotate(kTilt[index]).translate(-advance / 2, 0);
      path.addPath(place.map(letter));
      x += advance + 2;
      ++index;
    }
    Stroke(painter, hand.map(path), run.colour, 3.2);
  }
}

// --- the big line ------------------------------------------------------------
// Letters placed directly in picture pixels; the stroke is 10 wide.
constexpr double kHeavy = 10;

QPainterPath Grot() {
  QPainterPath p;
  const QRectF g(32.5, 43.5, 32, 43.5);
  p.arcMoveTo(g, 40);  // G
  p.arcTo(g, 40, 285);
  p.lineTo(64, 66);
  p.lineTo(53, 66);
  p.moveTo(76, 62);  // r
  p.lineTo(76, 87);
  p.moveTo(76, 72);
  p.cubicTo(78, 63, 83, 61, 88, 62);
  p.addEllipse(QRectF(99.5, 62, 16, 25));  // o
  p.moveTo(131, 47);  // t
  p.lineTo(131, 80);
  p.quadTo(131, 87, 139, 86.5);
  p.moveTo(126, 62);
  p.lineTo(139, 62);
  return p;
}

QPainterPath Z() {
  QPainterPath p;
  p.moveTo(169, 62);
  p.lineTo(190, 62);
  p.lineTo(169, 86.5);
  p.lineTo(190, 86.5);
  return p;
}

QPainterPath El() {
  QPainterPath p;
  p.moveTo(209, 71);  // e
  p.lineTo(239, 71);
  p.arcTo(QRectF(209, 61, 30, 23), 10, 295);
  p.moveTo(262, 45);  // l
  p.lineTo(262, 77);
  p.quadTo(262, 84, 273, 83.5);
  return p;
}

void DrawBigLine(QPainter& painter) {
  const QPainterPath grot = Grot();
  Stroke(painter, grot, kStoneDark, kHeavy, {2, 2});
  Stroke(painter, grot, kStoneLight, kHeavy, {-1.5, -1.5});
  Stroke(painter, grot, kStone, kHeavy - 1, {0.5, 0.5});
  Stroke(painter, Z(), kGreen, kHeavy);
  const QPainterPath el = El();
  Stroke(painter, el, kStone, kHeavy, {1.5, 1.5});
  Stroke(painter, el, kMint, kHeavy);
}

}  // namespace

QImage DrawTitle() {
  QImage image(300, 100, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawHandwriting(painter);
  DrawBigLine(painter);
  return image;
}

}  // namespace pictures
