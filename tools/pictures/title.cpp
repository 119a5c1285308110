// The title lettering, 300 x 100 pixels on black, in two lines. Above, a
// small hand-written "Zupi in the", orange for her name and magenta after
// it, stepping unevenly down to the right. Below, the big "Grotzel": "Gro"
// in heavy grey letters lit from the upper left so they stand out, a
// bright green "t", and "zel" in pale mint with a grey shadow. Letters
// are pen strokes along hand-placed paths, drawn with antialiasing; no
// font is used, so the picture is the same on every machine. The lines
// keep to fixed places: the hand-written one to columns 12..188 and rows
// 4..38; "Gro" to columns 26..145 and rows 37..93, "t" to columns
// 164..194, "zel" with its shadow to columns 204..279 and rows 40..90.
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <string_view>

#include "pictures.h"
#include "vector_art.h"

namespace pictures {
namespace {

constexpr QRgb kNameOrange = 0xFFFF9000;
constexpr QRgb kMagenta = 0xFFFF3FE3;
constexpr QRgb kStone = 0xFF808080;
constexpr QRgb kStoneLight = 0xFFF2F2F2;
constexpr QRgb kStoneDark = 0xFF383838;
constexpr QRgb kGreen = 0xFF3CFF00;
constexpr QRgb kMint = 0xFFCCFFEE;

void Stroke(QPainter& painter, const QPainterPath& path, QRgb colour, double width, QPointF offset = {}) {
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
      p.moveTo(1, -21);
      p.quadTo(8, -23, 15, -22);
      p.lineTo(1, -1);
      p.quadTo(8, 1, 16, -1);
      return 17;
    case 'u':
      p.moveTo(0, -13);
      p.lineTo(0, -5);
      p.quadTo(0, 0, 5, 0);
      p.quadTo(10, 0, 10, -6);
      p.lineTo(10, -13);
      p.moveTo(10, -6);
      p.lineTo(11, 0);
      return 13;
    case 'p':
      p.moveTo(0, -13);
      p.lineTo(0, 5);
      p.moveTo(0, -9);
      p.cubicTo(2, -14, 11, -14, 11, -7);
      p.cubicTo(11, 0, 3, 1, 0, -3);
      return 13;
    case 'i':
      p.moveTo(1, -12);
      p.lineTo(1, 0);
      p.moveTo(1.5, -18);
      p.lineTo(1.6, -17.8);
      return 5;
    case 'n':
    case 'h':
      p.moveTo(0, c == 'n' ? -13 : -22);
      p.lineTo(0, 0);
      p.moveTo(0, -8);
      p.cubicTo(2, -14, 10, -14, 10, -8);
      p.lineTo(10, 0);
      return 13;
    case 't':
      p.moveTo(3, -20);
      p.lineTo(3, -4);
      p.quadTo(3, 0, 8, -1);
      p.moveTo(0, -13);
      p.lineTo(8, -13.5);
      return 10;
    case 'e':
      p.moveTo(0, -6);
      p.lineTo(10, -6);
      p.cubicTo(10, -12, 1, -14, 0, -7);
      p.cubicTo(-0.5, 0, 7, 1, 10, -2);
      return 12;
    default:  // a space
      return 8;
  }
}

// A hand's line wavers: every point of a letter is nudged by a small,
// fixed wave, so no stroke is ruler-straight and every run paints alike.
QPainterPath Wobbled(const QPainterPath& letter, double phase) {
  QPainterPath out;
  for (const QPolygonF& stroke : letter.toSubpathPolygons()) {
    QPolygonF moved;
    for (const QPointF& p : stroke) {
      moved << p + QPointF(0.45 * std::sin(p.y() * 0.9 + phase), 0.45 * std::sin(p.x() * 0.8 + 2 * phase));
    }
    out.addPolygon(moved);
  }
  return out;
}

void DrawHandwriting(QPainter& painter) {
  struct Run {
    std::string_view text;
    QRgb colour;
  };
  QTransform hand;
  hand.translate(14, 30.5).scale(1.28, 1.0).shear(-0.26, 0);
  // A hand never holds a letter quite upright, nor writes two alike: per
  // letter a tilt in degrees, a size, a drop below the letter before (the
  // line steps down to the right, unevenly) and a pen pressure.
  constexpr double kTilt[]{-6, 5, -3, 8, 0, -5, 6, -8, 3, -4, 6};
  constexpr double kSize[]{1.08, 0.92, 1.02, 0.95, 1, 1.06, 0.94, 1.05, 1.1, 0.93, 0.98};
  constexpr double kDrop[]{0, 1.6, 0.2, 1.9, 0, 0.6, 1.8, 0.3, 1.5, 2.2, 1.2};
  constexpr double kPen[]{3.4, 2.9, 3.2, 2.8, 3, 3.3, 2.9, 3.5, 3.1, 2.8, 3.2};
  double x = 0, y = 0;
  int index = 0;
  for (const Run& run : {Run{"Zupi", kNameOrange}, Run{" in the", kMagenta}}) {
    for (char c : run.text) {
      QPainterPath letter;
      const double advance = HandLetter(letter, c) * kSize[index];
      y += kDrop[index];
      QTransform place;
      place.translate(x + advance / 2, y);
      place.rotate(kTilt[index]).scale(kSize[index], kSize[index]).translate(-advance / 2, 0);
      Stroke(painter, hand.map(Wobbled(place.map(letter), index * 1.7)), run.colour, kPen[index]);
      x += advance + 2;
      ++index;
    }
  }
}

// --- the big line ------------------------------------------------------------
// Letters placed directly in picture pixels; the stroke is 9 wide. The
// three colour parts keep fixed columns with gaps between them, so the
// letters are tracked wide throughout, each gap near the width of those
// that part the colours, and the word reads as one.
constexpr double kHeavy = 9;

QPainterPath Gro() {
  QPainterPath p;
  const QRectF g(32, 43.5, 27, 43);
  p.arcMoveTo(g, 40);  // G
  p.arcTo(g, 40, 285);
  p.lineTo(59, 66);
  p.lineTo(49, 66);
  p.moveTo(81, 62);  // r
  p.lineTo(81, 87);
  p.moveTo(81, 72);
  p.cubicTo(83, 64, 86, 61.5, 91, 62);
  p.addEllipse(QRectF(113, 62, 25.5, 25));  // o
  return p;
}

// The green "t" leans on the left of its part, its bar and foot reaching
// right, so it stands close to the "o".
QPainterPath T() {
  QPainterPath p;
  p.moveTo(172, 47);
  p.lineTo(172, 79);
  p.quadTo(172, 87, 189.5, 86.5);
  p.moveTo(168.5, 62);
  p.lineTo(189.5, 62);
  return p;
}

QPainterPath Zel() {
  QPainterPath p;
  p.moveTo(208.5, 62);  // z
  p.lineTo(220, 62);
  p.lineTo(208.5, 86.5);
  p.lineTo(220, 86.5);
  p.moveTo(238.5, 74);  // e
  p.lineTo(255, 74);
  p.arcTo(QRectF(238.5, 61, 16.5, 26), 0, 315);
  p.moveTo(273, 45);  // l
  p.lineTo(273, 86.5);
  return p;
}

void DrawBigLine(QPainter& painter) {
  const QPainterPath grot = Gro();
  Stroke(painter, grot, kStoneDark, kHeavy, {2, 2});
  Stroke(painter, grot, kStoneLight, kHeavy, {-1.5, -1.5});
  Stroke(painter, grot, kStone, kHeavy - 1, {0.5, 0.5});
  Stroke(painter, T(), kGreen, kHeavy);
  const QPainterPath el = Zel();
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
  painter.end();
  // Antialiasing leaves a blend at every edge; a few steps of them are
  // enough and keep the palette small.
  SnapBlends(image, {kNameOrange, kMagenta, kStone, kStoneLight, kStoneDark, kGreen, kMint}, 9);
  return image;
}

}  // namespace pictures
