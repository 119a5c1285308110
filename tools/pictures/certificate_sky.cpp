// The sky behind the certificate's Zupi: pale blue, lighter towards the
// bottom, with soft grey-white clouds. Each cloud is a cluster of puffs,
// a grey underside below a lit top, blurred so that its edges melt into
// the blue.
#include <QImage>
#include <QLinearGradient>

#include <algorithm>
#include <vector>

#include "certificate.h"

namespace pictures::certificate {
namespace {

constexpr QRgb kSkyTop = 0xFF9DCDF0;
constexpr QRgb kSkyBottom = 0xFFDDEFFB;
constexpr QRgb kCloudLit = 0xFFF9FAFB;
constexpr QRgb kCloudShade = 0xFFCDD3DA;

struct Puff {
  double x, y, r;
};

// Each cloud: a few puffs around a centre, in picture pixels.
const std::vector<std::vector<Puff>>& Clouds() {
  static const std::vector<std::vector<Puff>> clouds{
      {{20, 70, 18}, {45, 58, 24}, {75, 62, 20}, {98, 72, 14}, {58, 78, 16}},
      {{282, 28, 14}, {305, 18, 18}, {332, 24, 16}, {348, 34, 12}},
      {{322, 170, 16}, {340, 158, 18}, {350, 182, 14}},
      {{-4, 292, 16}, {18, 282, 20}, {40, 296, 14}},
      {{330, 330, 18}, {350, 318, 16}, {345, 350, 14}},
      {{150, 10, 10}, {170, 4, 13}, {192, 8, 10}},
  };
  return clouds;
}

void PaintPuffs(QPainter& painter, const std::vector<Puff>& cloud, QPointF shift, QRgb colour) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgb(colour));
  for (const Puff& p : cloud) painter.drawEllipse(QPointF(p.x, p.y) + shift, p.r, p.r);
}

// A box blur of the given radius along rows, then along columns, on a
// premultiplied image; three passes would approach a Gaussian, one is
// soft enough for clouds.
void Blur(QImage& image, int radius) {
  const int w = image.width(), h = image.height();
  for (int pass = 0; pass < 2; ++pass) {
    const QImage src = image.copy();
    const bool rows = pass == 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        int sum[4] = {0, 0, 0, 0}, n = 0;
        for (int d = -radius; d <= radius; ++d) {
          const int sx = rows ? std::clamp(x + d, 0, w - 1) : x;
          const int sy = rows ? y : std::clamp(y + d, 0, h - 1);
          const QRgb p = src.pixel(sx, sy);
          sum[0] += qAlpha(p), sum[1] += qRed(p), sum[2] += qGreen(p), sum[3] += qBlue(p), ++n;
        }
        image.setPixel(x, y, qRgba(sum[1] / n, sum[2] / n, sum[3] / n, sum[0] / n));
      }
    }
  }
}

}  // namespace

void DrawSky(QPainter& painter) {
  const QRect area(0, 0, painter.device()->width(), painter.device()->height());
  QLinearGradient blue(0, 0, 0, area.height());
  blue.setColorAt(0, QColor::fromRgb(kSkyTop));
  blue.setColorAt(1, QColor::fromRgb(kSkyBottom));
  painter.fillRect(area, blue);

  QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  QPainter clouds(&layer);
  clouds.setRenderHint(QPainter::Antialiasing);
  for (const auto& cloud : Clouds()) {
    PaintPuffs(clouds, cloud, {0, 0}, kCloudShade);
    PaintPuffs(clouds, cloud, {-2, -5}, kCloudLit);
  }
  clouds.end();
  Blur(layer, 2);
  painter.drawImage(0, 0, layer);
}

}  // namespace pictures::certificate
