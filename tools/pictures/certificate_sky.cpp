// The sky behind the certificate's Zupi: pale blue, lighter towards the
// bottom, with grey-white clouds. Each cloud is a cluster of puffs, a grey
// underside below a lit top with one tone between, all flat.
#include <vector>

#include "certificate.h"

namespace pictures::certificate {
namespace {

constexpr QRgb kSkyTop = 0xFF80BCEB;
constexpr QRgb kSkyBottom = 0xFFF2F9FE;
constexpr QRgb kCloudLit = 0xFFF9FAFB;
constexpr QRgb kCloudShade = 0xFFCDD3DA;
constexpr QRgb kCloudMid = 0xFFE4E8EC;
constexpr int kSkyBands = 145;

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

}  // namespace

void DrawSky(QPainter& painter) {
  // The blue lightens towards the bottom in flat bands, a few rows each.
  const int width = painter.device()->width(), height = painter.device()->height();
  for (int band = 0; band < kSkyBands; ++band) {
    const double t = band / double(kSkyBands - 1);
    const auto mix = [t](int a, int b) { return int(a + (b - a) * t + 0.5); };
    const QColor blue(mix(qRed(kSkyTop), qRed(kSkyBottom)), mix(qGreen(kSkyTop), qGreen(kSkyBottom)),
                      mix(qBlue(kSkyTop), qBlue(kSkyBottom)));
    const int top = band * height / kSkyBands, bottom = (band + 1) * height / kSkyBands;
    painter.fillRect(QRect(0, top, width, bottom - top), blue);
  }
  // Each cloud: its grey underside, then the lit puffs a little higher.
  for (const auto& cloud : Clouds()) {
    PaintPuffs(painter, cloud, {0, 0}, kCloudShade);
    PaintPuffs(painter, cloud, {-1, -2.5}, kCloudMid);
    PaintPuffs(painter, cloud, {-2, -5}, kCloudLit);
  }
}

}  // namespace pictures::certificate
