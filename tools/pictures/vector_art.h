// Drawings kept as a list of filled and outlined paths, so that one
// description of Zupi's face serves every size: painted smooth at a menu
// size, painted large and reduced for a small pixel icon, or written out
// as SVG. Coordinates are in the drawing's own units, `Drawing::size`
// units square.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRgb>
#include <QString>

#include <set>
#include <vector>

namespace pictures {

struct Shape {
  QPainterPath path;
  QRgb fill = 0;         // alpha 0: no fill
  QRgb line = 0;         // alpha 0: no outline
  double lineWidth = 0;  // in drawing units, centred on the path
  double opacity = 1;    // of the whole shape, for laid-on tints like blush
};

struct Drawing {
  double size = 32;
  std::vector<Shape> shapes;  // back to front
};

// The drawing painted with antialiasing into a square of `pixels`, with a
// true alpha channel (premultiplied colours converted back to plain ARGB).
QImage Paint(const Drawing& drawing, int pixels);
// The same drawing as an SVG document of `pixels` square.
QString ToSvg(const Drawing& drawing, int pixels);
// Shrinks `large` by the whole factor `factor`, averaging each block of
// pixels by coverage, then makes every pixel either opaque or transparent:
// a pixel at least half covered stays, with its averaged colour.
QImage ReduceToHardMask(const QImage& large, int factor);

// Rounds the colours of the pixels where the drawing's colours blend to
// steps of `step` per channel, which keeps a reduced picture to a small
// palette; pixels of the drawing's own colours keep them exactly.
void SnapBlends(QImage& image, const Drawing& drawing, int step);
void SnapBlends(QImage& image, const std::set<QRgb>& own, int step);

// Path helpers in drawing units.
QPainterPath EllipsePath(QPointF centre, double rx, double ry);
QPainterPath Mirror(const QPainterPath& path, double middle);  // about x = middle

}  // namespace pictures
