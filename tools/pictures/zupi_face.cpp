// Zupi's face in close-up on a 32-unit square, symmetric about x = 15.5
// but for the gleams in her eyes (the light comes from the upper left) and
// her name down the right edge. The face keeps clear of columns 26 and
// beyond below the bunches so the name has the edge to itself.
#include "zupi_face.h"

#include "pictures.h"

namespace pictures {
namespace {

constexpr double kMiddle = 15.5;
constexpr double kLine = 0.9;
constexpr QRgb kNameEdge = 0xFF1A1000;
constexpr QRgb kHairShade = 0xFF9A2E00;

Shape Filled(const QPainterPath& path, QRgb fill, double line = kLine) { return {path, fill, kOutline, line, 1}; }

Shape Stroked(const QPainterPath& path, QRgb colour, double width) { return {path, 0, colour, width, 1}; }

// A shape and its mirror image as one path.
QPainterPath BothSides(const QPainterPath& left) { return left + Mirror(left, kMiddle); }

// A bunch of hair from its tie out to the upper corner, fanning out to a
// round end.
QPainterPath Bunch() {
  QPainterPath p(QPointF(9.4, 6));
  p.cubicTo(7.8, 3.8, 5.8, 2, 1.8, 1.2);
  p.quadTo(2.8, 2.8, 2.2, 3.8);
  p.quadTo(1.2, 4.8, 1, 6.4);
  p.quadTo(2, 6.8, 2, 7.9);
  p.quadTo(2, 9.2, 1.8, 10.2);
  p.cubicTo(3.8, 10.2, 5.8, 10.2, 7.2, 11);
  p.closeSubpath();
  return p;
}

// Darker strands running along the bunch.
QPainterPath Strands() {
  QPainterPath p(QPointF(7.6, 7.6));
  p.quadTo(4.6, 4.2, 2.2, 3.2);
  p.moveTo(7.2, 9.6);
  p.quadTo(4, 8.8, 1.8, 7);
  return p;
}

QPainterPath BackHair() { return EllipsePath({kMiddle, 15.2}, 11.1, 11.9); }

// The hair in front: the dome of the head down to the pointed fringe,
// with a lock falling down each side of the face.
QPainterPath Fringe() {
  QPolygonF outline{{2, 1}, {29, 1}, {29, 22.5}, {27.4, 23.4}, {25.1, 23}};
  const QPolygonF points{{24.6, 15.2}, {23, 12.6},   {21.7, 14.9}, {19.9, 11.9}, {18.1, 14.3},
                         {15.5, 11.3}, {12.9, 14.3}, {11.1, 11.9}, {9.3, 14.9},  {8, 12.6},
                         {6.4, 15.2},  {5.9, 23},    {3.6, 23.4},  {2, 22.5}};
  outline << points;
  QPainterPath p;
  p.addPolygon(outline);
  p.closeSubpath();
  return p.intersected(BackHair());
}

QPainterPath Dress() {
  QPainterPath p(QPointF(8.6, 32.6));
  p.cubicTo(9, 29.8, 11.4, 28, kMiddle, 28);
  p.cubicTo(19.6, 28, 22, 29.8, 22.4, 32.6);
  p.closeSubpath();
  return p;
}

void AddEyes(std::vector<Shape>& s) {
  const QPointF centre(11.3, 19.7);
  const QPainterPath eye = EllipsePath(centre, 2.6, 3.2);
  QPainterPath top;
  top.addRect(QRectF(0, 0, 32, 18.1));
  QPainterPath lash(QPointF(8.3, 18.6));
  lash.quadTo(11.2, 14.6, 14.3, 18.0);
  s.push_back(Filled(BothSides(eye), kIris, 0.7));
  s.push_back({BothSides(eye.intersected(top)), kIrisShade, 0, 0, 1});
  s.push_back({BothSides(EllipsePath(centre + QPointF(0, 0.7), 1.1, 1.7)), kIrisShade, 0, 0, 1});
  s.push_back(Stroked(BothSides(lash), kOutline, 1.3));
  for (double dx : {0.0, 8.4}) {
    s.push_back({EllipsePath(centre + QPointF(dx - 0.9, -1.0), 0.95, 0.95), kHighlight, 0, 0, 1});
    s.push_back({EllipsePath(centre + QPointF(dx + 1.0, 1.6), 0.5, 0.5), kHighlight, 0, 0, 1});
  }
}

// "ズピ" written top to bottom in the square's lower right corner.
QPainterPath NameStrokes() {
  QPainterPath p(QPointF(25.7, 18.8));  // ズ
  p.lineTo(29.3, 18.8);
  p.quadTo(28.6, 21.6, 25.7, 23.5);
  p.moveTo(27.7, 21.5);
  p.lineTo(29.7, 23.5);
  p.moveTo(30.1, 17.4);
  p.lineTo(30.5, 18.3);
  p.moveTo(31.1, 17.1);
  p.lineTo(31.5, 18);
  p.moveTo(25.9, 25.2);  // ピ
  p.lineTo(25.9, 30.2);
  p.quadTo(25.9, 31, 26.9, 31);
  p.lineTo(29.7, 31);
  p.moveTo(25.9, 28.1);
  p.lineTo(28.7, 27.1);
  p.addEllipse(QPointF(30.5, 25.7), 0.75, 0.75);
  return p;
}

}  // namespace

Drawing ZupiFace(bool name, double lineScale) {
  Drawing d;
  auto& s = d.shapes;
  s.push_back(Filled(BothSides(Bunch()), kHair));
  s.push_back(Stroked(BothSides(Strands()), kHairShade, 0.55));
  s.push_back(Filled(BackHair(), kHair));
  s.push_back(Filled(Dress(), kPinafore));
  s.push_back(Filled(EllipsePath({kMiddle, 18.5}, 10, 9.8), kSkin));
  s.push_back(Filled(Fringe(), kHair));
  s.push_back(Filled(BothSides(EllipsePath({8.6, 8.6}, 1.5, 1.5)), kHairTie, 0.6));
  AddEyes(s);
  s.push_back({BothSides(EllipsePath({8.7, 23.9}, 1.9, 0.95)), kBlush, 0, 0, 0.55});
  QPainterPath smile(QPointF(14.2, 25.1));
  smile.quadTo(kMiddle, 26.5, 16.8, 25.1);
  s.push_back(Stroked(smile, kOutline, 0.6));
  for (Shape& shape : s) shape.lineWidth *= lineScale;
  if (name) {
    s.push_back(Stroked(NameStrokes(), kNameEdge, 2.0));
    s.push_back(Stroked(NameStrokes(), kNameLetters, 0.9));
  }
  return d;
}

namespace {

// The board head is symmetric about x = 10, the middle of 20 pixels.
constexpr double kBoardMiddle = 10;

QPainterPath BoardBunch() {
  QPainterPath p(QPointF(4.4, 3.9));
  p.cubicTo(2.2, 2.2, 0.3, 3.4, 0.4, 6.4);
  p.cubicTo(0.5, 9, 1.4, 11, 2.4, 12.2);
  p.lineTo(2.9, 10.2);
  p.cubicTo(3.5, 8.6, 4, 7, 4.2, 5.8);
  p.closeSubpath();
  return p;
}

QPainterPath BoardFringe(const QPainterPath& hair) {
  QPolygonF outline{{0, 0}, {20, 0}, {20, 12}, {16.6, 12.4}, {15.8, 8.6}};
  outline << QPolygonF{{14.6, 7},  {13.4, 8.8}, {11.8, 6.6}, {10, 8.4},   {8.2, 6.6},
                       {6.6, 8.8}, {5.4, 7},    {4.2, 8.6},  {3.4, 12.4}, {0, 12}};
  QPainterPath p;
  p.addPolygon(outline);
  p.closeSubpath();
  return p.intersected(hair);
}

}  // namespace

Drawing ZupiBoardHead() {
  Drawing d;
  d.size = 20;
  auto& s = d.shapes;
  auto both = [](const QPainterPath& left) { return left + Mirror(left, kBoardMiddle); };
  const QPainterPath hair = EllipsePath({kBoardMiddle, 8.9}, 6.6, 7.4);
  s.push_back({both(BoardBunch()), kHair, kOutline, 0.7, 1});
  s.push_back({hair, kHair, kOutline, 0.7, 1});
  s.push_back({EllipsePath({kBoardMiddle, 11.8}, 5.7, 5.6), kSkin, kOutline, 0.7, 1});
  s.push_back({BoardFringe(hair), kHair, kOutline, 0.7, 1});
  s.push_back({both(EllipsePath({4.2, 5.2}, 0.9, 0.9)), kHairTie, kOutline, 0.4, 1});
  s.push_back({both(EllipsePath({5.9, 14.3}, 1.3, 0.75)), kBlush, 0, 0, 0.45});
  QPainterPath mouth(QPointF(8.5, 14.2));
  mouth.lineTo(11.5, 14.2);
  mouth.quadTo(11.3, 16.6, kBoardMiddle, 16.6);
  mouth.quadTo(8.7, 16.6, 8.5, 14.2);
  s.push_back({mouth, kMouth, kOutline, 0.5, 1});
  return d;
}

}  // namespace pictures
