// Painting, reducing and writing out the path drawings of vector_art.h.
// The SVG writer walks the same QPainterPath elements that QPainter fills,
// so the scalable icon and the painted ones cannot drift apart.
#include "vector_art.h"

#include <QPainter>
#include <QTextStream>

#include <algorithm>

namespace pictures {
namespace {

QString Colour(QRgb c) { return QStringLiteral("#%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper(); }

// Three decimals are finer than a pixel at any icon size; trailing zeros go.
QString Num(double v) {
  QString s = QString::number(v, 'f', 3);
  while (s.contains(QLatin1Char('.')) && (s.endsWith(QLatin1Char('0')) || s.endsWith(QLatin1Char('.')))) s.chop(1);
  return s == QStringLiteral("-0") ? QStringLiteral("0") : s;
}

// The path as SVG path data. A subpath that ends where it began is closed,
// so its outline joins without a gap.
QString PathData(const QPainterPath& path) {
  QString d;
  QPointF start;
  auto close = [&](int end) {
    if (end > 0 && QPointF(path.elementAt(end - 1)) == start) d += QStringLiteral("Z");
  };
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    switch (e.type) {
      case QPainterPath::MoveToElement:
        close(i);
        start = e;
        d += QStringLiteral("M%1 %2").arg(Num(e.x), Num(e.y));
        break;
      case QPainterPath::LineToElement: d += QStringLiteral("L%1 %2").arg(Num(e.x), Num(e.y)); break;
      case QPainterPath::CurveToElement: {
        const QPainterPath::Element c2 = path.elementAt(i + 1);
        const QPainterPath::Element to = path.elementAt(i + 2);
        d += QStringLiteral("C%1 %2 %3 %4 %5 %6").arg(Num(e.x), Num(e.y), Num(c2.x), Num(c2.y), Num(to.x), Num(to.y));
        i += 2;
        break;
      }
      case QPainterPath::CurveToDataElement: break;
    }
  }
  close(path.elementCount());
  return d;
}

}  // namespace

QImage Paint(const Drawing& drawing, int pixels) {
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(pixels / drawing.size, pixels / drawing.size);
  for (const Shape& s : drawing.shapes) {
    painter.setOpacity(s.opacity);
    painter.setBrush(qAlpha(s.fill) ? QBrush(QColor::fromRgb(s.fill)) : QBrush(Qt::NoBrush));
    if (qAlpha(s.line) && s.lineWidth > 0) {
      painter.setPen(QPen(QColor::fromRgb(s.line), s.lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
      painter.setPen(Qt::NoPen);
    }
    painter.drawPath(s.path);
  }
  painter.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

QString ToSvg(const Drawing& drawing, int pixels) {
  QString out;
  QTextStream svg(&out);
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << pixels << "\" height=\"" << pixels
      << "\" viewBox=\"0 0 " << Num(drawing.size) << ' ' << Num(drawing.size) << "\">\n";
  for (const Shape& s : drawing.shapes) {
    svg << "  <path d=\"" << PathData(s.path) << "\" fill=\""
        << (qAlpha(s.fill) ? Colour(s.fill) : QStringLiteral("none")) << '"';
    if (qAlpha(s.line) && s.lineWidth > 0) {
      svg << " stroke=\"" << Colour(s.line) << "\" stroke-width=\"" << Num(s.lineWidth)
          << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
    }
    if (s.opacity < 1) svg << " opacity=\"" << Num(s.opacity) << '"';
    svg << "/>\n";
  }
  svg << "</svg>\n";
  return out;
}

QImage ReduceToHardMask(const QImage& large, int factor) {
  const QImage src = large.convertToFormat(QImage::Format_ARGB32);
  QImage out(src.width() / factor, src.height() / factor, QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      long a = 0, r = 0, g = 0, b = 0;
      for (int dy = 0; dy < factor; ++dy) {
        for (int dx = 0; dx < factor; ++dx) {
          const QRgb p = src.pixel(x * factor + dx, y * factor + dy);
          a += qAlpha(p), r += qRed(p) * qAlpha(p), g += qGreen(p) * qAlpha(p), b += qBlue(p) * qAlpha(p);
        }
      }
      const bool kept = 2 * a >= 255L * factor * factor;
      out.setPixel(x, y, kept ? qRgb(r / a, g / a, b / a) : 0u);
    }
  }
  return out;
}

void SnapBlends(QImage& image, const Drawing& drawing, int step) {
  std::set<QRgb> own;
  for (const Shape& s : drawing.shapes) own.insert({s.fill | 0xFF000000, s.line | 0xFF000000});
  SnapBlends(image, own, step);
}

void SnapBlends(QImage& image, const std::set<QRgb>& own, int step) {
  auto snap = [step](int c) { return std::min(255, (c + step / 2) / step * step); };
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qAlpha(p) == 0 || own.count(p)) continue;
      image.setPixel(x, y, qRgb(snap(qRed(p)), snap(qGreen(p)), snap(qBlue(p))));
    }
  }
}

QPainterPath EllipsePath(QPointF centre, double rx, double ry) {
  QPainterPath p;
  p.addEllipse(centre, rx, ry);
  return p;
}

QPainterPath Mirror(const QPainterPath& path, double middle) {
  return QTransform(-1, 0, 0, 1, 2 * middle, 0).map(path);
}

}  // namespace pictures
