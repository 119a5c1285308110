// Small tools for drawing flat-coloured pixel art in a QImage: pixel masks
// built from simple shapes (a pixel belongs to a shape when its centre
// does), outlined parts painted back to front, and pixel grids written as
// text, one character per pixel, so a face or a flame can be edited by eye.
#pragma once

#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QRect>
#include <QRgb>

#include <map>
#include <span>
#include <string_view>
#include <vector>

namespace pictures {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

// A set of pixels of a picture of a fixed size.
class Mask {
 public:
  Mask(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool At(int x, int y) const;  // false outside the picture
  void Set(int x, int y, bool on = true);

  Mask operator|(const Mask& other) const;
  Mask operator&(const Mask& other) const;
  Mask operator-(const Mask& other) const;
  // The pixels outside the mask that touch it edge to edge: a one-pixel
  // outline without fat corners.
  Mask Ring() const;
  Mask Mirrored() const;           // left and right swapped
  Mask Clipped(QRect keep) const;  // only the pixels inside `keep`
  Mask Shifted(int dx, int dy) const;
  bool Empty() const;

 private:
  int width_;
  int height_;
  std::vector<unsigned char> bits_;
};

// Shapes, in pixel units. `cells` names the first and last column and row
// that the shape reaches, so extents can be read straight off the code.
Mask Ellipse(QSize size, QRect cells);
// A polygon given by pixel edges: (0,0) is the top-left corner of pixel
// (0,0), so a square (2,2)-(5,2)-(5,5)-(2,5) covers columns and rows 2..4.
Mask Polygon(QSize size, const QPolygonF& corners);
// Every pixel whose centre lies within `radius` of the segment a-b, with a
// and b given as pixel positions (pixel (3,4) has its centre at (3,4)).
Mask Capsule(QSize size, QPointF a, QPointF b, double radius);
Mask Box(QSize size, QRect cells);
// A polygon in pixel edges reflected onto the other half of a picture
// `width` pixels wide.
QPolygonF MirrorEdges(const QPolygonF& corners, int width);

// Characters of a pixel grid mapped to colours; '.' and ' ' leave the
// picture as it is.
using Palette = std::map<char, QRgb>;
using Grid = std::span<const std::string_view>;

class Canvas {
 public:
  explicit Canvas(QSize size, QRgb background = 0x00000000);

  QSize Size() const { return image_.size(); }
  const QImage& Image() const { return image_; }
  QRgb Pixel(int x, int y) const { return image_.pixel(x, y); }

  void Set(int x, int y, QRgb colour);  // ignores pixels outside
  void Fill(const Mask& mask, QRgb colour);
  // Colours the outline ring of `mask`, only where `where` allows it.
  void Outline(const Mask& mask, QRgb colour);
  void Outline(const Mask& mask, QRgb colour, const Mask& where);
  // A part painted over what lies below: its outline, then its body.
  void Part(const Mask& mask, QRgb colour, QRgb line = kBlack);
  // Writes a text grid with its top-left character at `at`.
  void Stamp(QPoint at, Grid rows, const Palette& palette, bool mirror = false);
  // The pixels that currently have `colour`.
  Mask Where(QRgb colour) const;
  Mask Drawn() const;  // every pixel that is not transparent

 private:
  QImage image_;
};

}  // namespace pictures
