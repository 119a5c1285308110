// Zupi's head on the certificate: the two bunches behind, the face with
// big brown eyes, blushing cheeks and an open smile, and the hair in front
// with a lighter sheen band running across it. Shapes are paths in
// picture pixels; the face is symmetric about column 193.5.
#include <QtMath>

#include <cmath>
#include <utility>

#include "certificate.h"

namespace pictures::certificate {
namespace {

constexpr double kMiddle = 193.5;
constexpr QRgb kSheen = 0xFFF0743A;
constexpr QRgb kCheek = 0xFFFFA898;  // the skin flushed pink
constexpr QRgb kTongue = 0xFFF07A7A;
constexpr QRgb kLash = 0xFF4A4A4A;

QPainterPath LeftBunch() {
  QPainterPath p;
  p.moveTo(121, 50);
  p.cubicTo(104, 20, 72, 18, 63, 46);
  p.cubicTo(57, 70, 60, 104, 70, 133);
  p.lineTo(80, 112);
  p.lineTo(88, 137);
  p.lineTo(96, 112);
  p.lineTo(106, 130);
  p.lineTo(110, 100);
  p.cubicTo(115, 85, 120, 72, 122, 62);
  p.closeSubpath();
  return p;
}

QPainterPath RightBunch() {
  QPainterPath p;
  p.moveTo(266, 52);
  p.cubicTo(280, 26, 301, 28, 307, 52);
  p.cubicTo(310, 74, 306, 96, 300, 120);
  p.lineTo(293, 104);
  p.lineTo(287, 128);
  p.lineTo(280, 104);
  p.lineTo(273, 116);
  p.lineTo(270, 88);
  p.closeSubpath();
  return p;
}

// The hair that frames the face: the head's dome cut off below by the
// fringe's points and the two side locks.
QPainterPath Hair() {
  QPainterPath dome;
  dome.addEllipse(QRectF(102, 7, 183, 214));
  QPainterPath above;
  above.moveTo(0, 0);
  above.lineTo(350, 0);
  above.lineTo(350, 135);
  const QPointF points[]{{263, 137}, {252, 98},  {241, 112}, {230, 90},  {218, 106}, {206, 86}, {194, 102},
                         {182, 86},  {170, 106}, {158, 90},  {147, 112}, {136, 98},  {124, 137}};
  for (const QPointF& p : points) above.lineTo(p);
  above.lineTo(0, 135);
  above.closeSubpath();
  return dome.intersected(above);
}

QPainterPath FaceShape() {
  QPainterPath p;
  p.moveTo(123, 90);
  p.lineTo(123, 140);
  p.cubicTo(126, 176, 165, 200, kMiddle, 200);
  p.cubicTo(222, 200, 261.5, 176, 264.5, 140);
  p.lineTo(264.5, 90);
  p.cubicTo(264.5, 40, 123, 40, 123, 90);
  return p;
}

// One eye, described for the viewer's left and mirrored for the right;
// the gleams stay on the same side in both.
void DrawEye(QPainter& painter, bool right) {
  const QTransform side = right ? QTransform(-1, 0, 0, 1, 2 * kMiddle, 0) : QTransform();
  QPainterPath lid(QPointF(137, 126));  // the upper lid, outer corner first
  lid.quadTo(141, 109, 159, 108);
  lid.quadTo(176, 107.5, 181, 117);
  QPainterPath lower(QPointF(181, 117));
  lower.cubicTo(183, 136, 177, 154, 160, 155);
  lower.cubicTo(143, 155, 135, 142, 137, 126);
  QPainterPath eye = lid;
  eye.connectPath(lower);
  Fill(painter, side.map(eye), kHighlight);
  QPainterPath iris;
  iris.addEllipse(QRectF(144, 106, 31, 49));
  iris = iris.intersected(eye);
  Fill(painter, side.map(iris), kIris);
  QPainterPath shade;
  shade.addRect(QRectF(140, 100, 40, 24));
  Fill(painter, side.map(iris.intersected(shade)), kIrisShade);
  QPainterPath pupil;
  pupil.addEllipse(QRectF(153, 121, 14, 24));
  Fill(painter, side.map(pupil), kIrisShade);
  Line(painter, side.map(lower), kLine, 2);
  Line(painter, side.map(lid), kLash, 5);
  const double x = right ? 2 * kMiddle - 175 : 144;
  QPainterPath gleam;
  gleam.addEllipse(QRectF(x + 5, 115, 10, 12));
  gleam.addEllipse(QRectF(x + 20, 141, 5, 5));
  Fill(painter, gleam, kHighlight);
}

void DrawCheeks(QPainter& painter) {
  for (bool right : {false, true}) {
    const QTransform side = right ? QTransform(-1, 0, 0, 1, 2 * kMiddle, 0) : QTransform();
    QPainterPath glow;
    glow.addEllipse(QRectF(134, 156, 34, 14));
    Fill(painter, side.map(glow), kCheek);
    QPainterPath strokes;
    for (double x : {142.0, 149.0, 156.0}) {
      strokes.moveTo(x + 4, 158);
      strokes.lineTo(x, 167);
    }
    Line(painter, side.map(strokes), kBlush, 1.8);
  }
}

void DrawMouth(QPainter& painter) {
  QPainterPath mouth;
  mouth.moveTo(176, 170);
  mouth.quadTo(kMiddle, 174, 211, 170);
  mouth.cubicTo(210, 186, 200, 193, kMiddle, 193);
  mouth.cubicTo(187, 193, 177, 186, 176, 170);
  Fill(painter, mouth, kMouth);
  QPainterPath tongue;
  tongue.addEllipse(QRectF(182, 181, 23, 16));
  Fill(painter, mouth.intersected(tongue), kTongue);
  Line(painter, mouth, kLine, kLineWidth);
}

}  // namespace

void DrawHairBehind(QPainter& painter) {
  // The side of each bunch towards the head lies in shadow.
  for (const auto& [bunch, away] : {std::pair{LeftBunch(), -9.0}, std::pair{RightBunch(), 9.0}}) {
    Part(painter, bunch, kHair);
    Fill(painter, bunch - bunch.translated(away, 0), kHairShade);
    Line(painter, bunch, kLine, kLineWidth);
  }
}

void DrawHairFront(QPainter& painter) {
  const QPainterPath hair = Hair();
  Part(painter, hair, kHair);
  // The sheen: a band that follows the curve of the head, its lower edge
  // cut into points like light caught by the strands.
  const QPointF centre(kMiddle, 114);
  const auto onHead = [centre](double degrees, double scale) {
    const double a = qDegreesToRadians(degrees);
    return centre + QPointF(91.5 * scale * std::cos(a), -107 * scale * std::sin(a));
  };
  QPainterPath band;
  band.moveTo(onHead(25, 0.84));
  for (int d = 30; d <= 155; d += 5) band.lineTo(onHead(d, 0.84));
  for (int d = 155; d >= 25; d -= 5) band.lineTo(onHead(d, d % 10 == 0 ? 0.765 : 0.785));
  band.closeSubpath();
  Fill(painter, hair.intersected(band), kSheen);
  Line(painter, hair, kLine, kLineWidth);
  for (double x : {116.0, 272.0}) {
    QPainterPath tie;
    tie.addEllipse(QPointF(x, 60), 8, 9);
    Part(painter, tie, kHairTie);
  }
}

void DrawFace(QPainter& painter) {
  // The chin's shadow on the blouse and collar, then the face with the
  // fringe's shadow on the forehead.
  QPainterPath below;
  below.addRect(QRectF(100, 201, 190, 20));
  Fill(painter, FaceShape().translated(0, 9).intersected(below), kBlouseShade);
  Part(painter, FaceShape(), kSkin);
  Fill(painter, Hair().translated(0, 8).intersected(FaceShape()), kSkinShade);
  DrawCheeks(painter);
  DrawEye(painter, false);
  DrawEye(painter, true);
  QPainterPath nose;
  nose.moveTo(kMiddle - 1, 154);
  nose.lineTo(kMiddle + 1, 158);
  Line(painter, nose, kLine, 2);
  DrawMouth(painter);
}

}  // namespace pictures::certificate
