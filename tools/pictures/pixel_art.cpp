// Masks, shapes and the canvas of pixel_art.h. Shapes test pixel centres,
// which keeps them symmetric and makes their extents exact; ellipses get
// half a pixel of slack so that their extreme rows and columns are reached.
#include "pixel_art.h"

#include <algorithm>
#include <cmath>

namespace pictures {

Mask::Mask(int width, int height) : width_(width), height_(height), bits_(static_cast<size_t>(width * height), 0) {}

bool Mask::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  return bits_[static_cast<size_t>(y * width_ + x)] != 0;
}

void Mask::Set(int x, int y, bool on) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  bits_[static_cast<size_t>(y * width_ + x)] = on ? 1 : 0;
}

Mask Mask::operator|(const Mask& other) const {
  Mask out = *this;
  for (size_t i = 0; i < bits_.size(); ++i) out.bits_[i] = bits_[i] | other.bits_[i];
  return out;
}

Mask Mask::operator&(const Mask& other) const {
  Mask out = *this;
  for (size_t i = 0; i < bits_.size(); ++i) out.bits_[i] = bits_[i] & other.bits_[i];
  return out;
}

Mask Mask::operator-(const Mask& other) const {
  Mask out = *this;
  for (size_t i = 0; i < bits_.size(); ++i) out.bits_[i] = bits_[i] & !other.bits_[i];
  return out;
}

Mask Mask::Ring() const {
  Mask out(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (!At(x, y) && (At(x - 1, y) || At(x + 1, y) || At(x, y - 1) || At(x, y + 1))) { out.Set(x, y); }
    }
  }
  return out;
}

Mask Mask::Mirrored() const {
  Mask out(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) out.Set(width_ - 1 - x, y, At(x, y));
  }
  return out;
}

Mask Mask::Clipped(QRect keep) const {
  Mask out(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) out.Set(x, y, At(x, y) && keep.contains(x, y));
  }
  return out;
}

Mask Mask::Shifted(int dx, int dy) const {
  Mask out(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) out.Set(x + dx, y + dy, At(x, y));
  }
  return out;
}

bool Mask::Empty() const {
  return std::none_of(bits_.begin(), bits_.end(), [](unsigned char b) { return b != 0; });
}

Mask Ellipse(QSize size, QRect cells) {
  Mask out(size.width(), size.height());
  const double cx = cells.left() + (cells.width() - 1) / 2.0;
  const double cy = cells.top() + (cells.height() - 1) / 2.0;
  const double rx = cells.width() / 2.0;
  const double ry = cells.height() / 2.0;
  for (int y = cells.top(); y <= cells.bottom(); ++y) {
    for (int x = cells.left(); x <= cells.right(); ++x) {
      const double dx = (x - cx) / rx;
      const double dy = (y - cy) / ry;
      if (dx * dx + dy * dy <= 1.0) out.Set(x, y);
    }
  }
  return out;
}

Mask Polygon(QSize size, const QPolygonF& corners) {
  Mask out(size.width(), size.height());
  const QRect bounds = corners.boundingRect().toAlignedRect().intersected(QRect(QPoint(), size));
  for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
    for (int x = bounds.left(); x <= bounds.right(); ++x) {
      if (corners.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill)) out.Set(x, y);
    }
  }
  return out;
}

Mask Capsule(QSize size, QPointF a, QPointF b, double radius) {
  Mask out(size.width(), size.height());
  const QPointF ab = b - a;
  const double length2 = QPointF::dotProduct(ab, ab);
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      const QPointF p(x, y);
      double t = length2 > 0 ? QPointF::dotProduct(p - a, ab) / length2 : 0.0;
      t = std::clamp(t, 0.0, 1.0);
      const QPointF d = p - (a + t * ab);
      if (QPointF::dotProduct(d, d) <= radius * radius) out.Set(x, y);
    }
  }
  return out;
}

Mask Box(QSize size, QRect cells) {
  Mask out(size.width(), size.height());
  for (int y = cells.top(); y <= cells.bottom(); ++y) {
    for (int x = cells.left(); x <= cells.right(); ++x) out.Set(x, y);
  }
  return out;
}

QPolygonF MirrorEdges(const QPolygonF& corners, int width) {
  QPolygonF out;
  for (const QPointF& p : corners) out << QPointF(width - p.x(), p.y());
  return out;
}

Canvas::Canvas(QSize size, QRgb background) : image_(size, QImage::Format_ARGB32) { image_.fill(background); }

void Canvas::Set(int x, int y, QRgb colour) {
  if (image_.rect().contains(x, y)) image_.setPixel(x, y, colour);
}

void Canvas::Fill(const Mask& mask, QRgb colour) {
  for (int y = 0; y < image_.height(); ++y) {
    for (int x = 0; x < image_.width(); ++x) {
      if (mask.At(x, y)) image_.setPixel(x, y, colour);
    }
  }
}

void Canvas::Outline(const Mask& mask, QRgb colour) { Fill(mask.Ring(), colour); }

void Canvas::Outline(const Mask& mask, QRgb colour, const Mask& where) { Fill(mask.Ring() & where, colour); }

void Canvas::Part(const Mask& mask, QRgb colour, QRgb line) {
  Outline(mask, line);
  Fill(mask, colour);
}

void Canvas::Stamp(QPoint at, Grid rows, const Palette& palette, bool mirror) {
  int y = at.y();
  for (std::string_view row : rows) {
    const int width = static_cast<int>(row.size());
    for (int i = 0; i < width; ++i) {
      const auto found = palette.find(row[static_cast<size_t>(mirror ? width - 1 - i : i)]);
      const int x = at.x() + i;
      if (found != palette.end() && image_.rect().contains(x, y)) { image_.setPixel(x, y, found->second); }
    }
    ++y;
  }
}

Mask Canvas::Where(QRgb colour) const {
  Mask out(image_.width(), image_.height());
  for (int y = 0; y < image_.height(); ++y) {
    for (int x = 0; x < image_.width(); ++x) out.Set(x, y, image_.pixel(x, y) == colour);
  }
  return out;
}

Mask Canvas::Drawn() const {
  Mask out(image_.width(), image_.height());
  for (int y = 0; y < image_.height(); ++y) {
    for (int x = 0; x < image_.width(); ++x) out.Set(x, y, qAlpha(image_.pixel(x, y)) != 0);
  }
  return out;
}

}  // namespace pictures
