// The certificate picture, 350 x 400 pixels: Zupi from the waist up
// against a pale sky, smiling and blushing, her right hand raised in a V
// sign at the left with a little spiral on each fingertip. She is painted
// as flat pixel art with grey outlines, back to front: sky, bunches,
// body, face, hair, then the raised arm. Her places are fixed: hair in
// columns 62..305 and rows 9..134, face in columns 125..262, the V-sign
// hand in columns 6..78 and rows 131..235, clothes from row 203 down.
#include <cmath>
#include <initializer_list>

#include "certificate.h"

namespace pictures::certificate {

namespace {

constexpr QRgb kSpiral = 0xFFFF4A1A;

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath p;
  p.addPolygon(QPolygonF(points));
  p.closeSubpath();
  return p;
}

QPainterPath RightOf(double x) {
  QPainterPath p;
  p.addRect(QRectF(x, 0, 350 - x, 410));
  return p;
}

void DrawBody(QPainter& painter) {
  const QPainterPath blouse = Polygon({{160, 201.5},
                                       {227, 201.5},
                                       {252, 214},
                                       {298, 236},
                                       {312, 270},
                                       {320, 402},
                                       {66, 402},
                                       {76, 270},
                                       {92, 236},
                                       {135, 214}});
  Part(painter, blouse, kBlouse);
  Fill(painter, blouse.intersected(RightOf(286)), kBlouseShade);
  Line(painter, blouse, kLine, kLineWidth);
  QPainterPath rightArm(QPointF(286, 262));  // her left arm, hanging at her side
  rightArm.cubicTo(280, 300, 280, 350, 284, 402);
  Line(painter, rightArm, kLine, kLineWidth);
  const QPainterPath pinafore = Polygon({{150, 248}, {237, 248}, {250, 402}, {137, 402}});
  Part(painter, pinafore, kPinafore);
  Fill(painter, pinafore.intersected(RightOf(226)), kPinaforeShade);
  Line(painter, pinafore, kLine, kLineWidth);
  for (bool right : {false, true}) {
    const QTransform side = right ? QTransform(-1, 0, 0, 1, 387, 0) : QTransform();
    Part(painter, side.map(Polygon({{140, 212}, {156, 208}, {166, 250}, {150, 250}})), kPinafore);
    QPainterPath button;
    button.addEllipse(QPointF(158, 256), 5, 5);
    Part(painter, side.map(button), kHairTie);
    QPainterPath collar;
    collar.moveTo(193.5, 208);
    collar.cubicTo(180, 203, 150, 203, 152, 217);
    collar.cubicTo(154, 235, 180, 237, 193.5, 217);
    collar.closeSubpath();
    Part(painter, side.map(collar), kBlouse);
  }
}

// A small spiral winding out from a fingertip.
QPainterPath Spiral(QPointF centre) {
  QPainterPath p(centre);
  for (int step = 1; step <= 40; ++step) {
    const double a = step * 0.45;
    const double r = step * 0.16;
    p.lineTo(centre + QPointF(r * std::cos(a), r * std::sin(a)));
  }
  return p;
}

}  // namespace

void Part(QPainter& painter, const QPainterPath& path, QRgb colour) {
  painter.setPen(QPen(QColor::fromRgb(kLine), kLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(QColor::fromRgb(colour));
  painter.drawPath(path);
}

void Fill(QPainter& painter, const QPainterPath& path, QRgb colour) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgba(colour));
  painter.drawPath(path);
}

void Line(QPainter& painter, const QPainterPath& path, QRgb colour, double width) {
  painter.setPen(QPen(QColor::fromRgb(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
}

void DrawVSign(QPainter& painter) {
  QPainterPathStroker arm;
  arm.setWidth(44);
  arm.setCapStyle(Qt::RoundCap);
  arm.setJoinStyle(Qt::RoundJoin);
  QPainterPath bone(QPointF(118, 252));
  bone.lineTo(62, 338);
  bone.lineTo(46, 250);
  Part(painter, arm.createStroke(bone).simplified(), kBlouse);

  // The hand: palm, the two raised fingers, the other two curled under
  // the thumb, and the cuff over the wrist.
  QPainterPath palm;
  palm.addEllipse(QRectF(24, 184, 48, 56));
  QPainterPathStroker finger;
  finger.setWidth(15);
  finger.setCapStyle(Qt::RoundCap);
  QPainterPath fingers(QPointF(36, 198));
  fingers.lineTo(11.5, 137);
  fingers.moveTo(55, 196);
  fingers.lineTo(64, 137);
  Part(painter, (palm + finger.createStroke(fingers)).simplified(), kSkin);
  QPainterPath curled;
  curled.addEllipse(QRectF(52, 200, 29, 15));
  curled.addEllipse(QRectF(50, 213, 26, 14));
  Part(painter, curled, kSkin);
  QPainterPath thumb(QPointF(34, 223));
  thumb.lineTo(60, 208);
  QPainterPathStroker thick;
  thick.setWidth(13);
  thick.setCapStyle(Qt::RoundCap);
  Part(painter, thick.createStroke(thumb), kSkin);
  QPainterPath cuff;
  cuff.addEllipse(QRectF(22, 237, 52, 22));
  Part(painter, cuff, kBlouse);
  Line(painter, Spiral({12, 141}), kSpiral, 1.6);
  Line(painter, Spiral({64, 141}), kSpiral, 1.6);
}

}  // namespace pictures::certificate

namespace pictures {

QImage DrawCertificate() {
  QImage image(350, 400, QImage::Format_RGB32);
  QPainter painter(&image);
  // No antialiasing: every part is one flat colour with a hard grey edge,
  // like the sprites beside it, and stays crisp when the window is scaled.
  certificate::DrawSky(painter);
  certificate::DrawHairBehind(painter);
  certificate::DrawBody(painter);
  certificate::DrawFace(painter);
  certificate::DrawHairFront(painter);
  certificate::DrawVSign(painter);
  return image;
}

}  // namespace pictures
