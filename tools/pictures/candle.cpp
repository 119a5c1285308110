// The candle beside the board, 50 x 50 pixels on black: a wax candle in a
// saucer-shaped holder with a loop handle on the left, seen a little from
// above. The three pictures share candle and holder and differ only in the
// flame: none, upright, or blown over to the left. Flames are pixel grids
// (E the red-pink edge, Y the pale yellow core). Fixed places: wax in
// columns 26..34 and rows 16..40, wick up to row 14, holder in columns
// 4..45 and rows 25..45, flames in rows 0..13.
#include "pictures.h"
#include "pixel_art.h"

namespace pictures {
namespace {

constexpr QSize kSize{50, 50};

// Greys of the wax and of the metal holder, beside the two named ones.
constexpr QRgb kWaxLight = 0xFFF2F2F2;
constexpr QRgb kWaxShade = 0xFFABABAB;
constexpr QRgb kWaxPool = 0xFFBDBDBD;
constexpr QRgb kWick = 0xFF808080;
constexpr QRgb kWickTip = 0xFF2E2E2E;
constexpr QRgb kHolderDark = 0xFF3A3A3A;
constexpr QRgb kHolderInside = 0xFF4B4B4B;
constexpr QRgb kHolderLip = 0xFF8A8A8A;
constexpr QRgb kHolderShine = 0xFFA8A8A8;
constexpr QRgb kCandleShadow = 0xFF333333;

constexpr std::string_view kUprightFlame[]{
    "....E....", "....E....", "...EYE...", "...EYE...", "..EYYYE..", "..EYYYE..", ".EYYYYYE.",
    ".EYYYYYE.", "EYYYYYYYE", "EYYYYYYYE", "EYYYYYYYE", ".EYYYYYE.", ".EEYYYEE.", "...EEE...",
};
constexpr std::string_view kBentFlame[]{
    "EE........", ".EE.......", ".EYEE.....", "..EYYE....", "..EYYYE...", "..EYYYYE..", "..EYYYYYE.",
    "..EYYYYYE.", "..EYYYYYYE", "..EYYYYYYE", "..EYYYYYYE", "...EYYYYE.", "...EEYYEE.", ".....EEE..",
};

// The loop handle: a ring on the left rim, lit from above.
void DrawHandle(Canvas& canvas) {
  const Mask ring = Ellipse(kSize, QRect(4, 25, 13, 12)) - Ellipse(kSize, QRect(7, 28, 7, 6));
  canvas.Fill(ring, kHolder);
  const Mask inner = ring - ring.Ring().Shifted(0, 1) - ring.Ring().Shifted(1, 0);
  canvas.Fill(inner.Clipped(QRect(0, 26, 50, 2)) | inner.Clipped(QRect(5, 26, 2, 6)), kHolderShine);
  canvas.Fill(ring.Clipped(QRect(0, 34, 50, 3)), kHolderDark);
}

// The saucer: its underside, the rim, the hollow and a shining front lip.
void DrawSaucer(Canvas& canvas) {
  canvas.Fill(Ellipse(kSize, QRect(17, 34, 26, 12)), kHolder);
  canvas.Fill(Ellipse(kSize, QRect(18, 34, 24, 11)), kHolderDark);
  const Mask rim = Ellipse(kSize, QRect(14, 30, 32, 13));
  const Mask hollow = Ellipse(kSize, QRect(16, 31, 28, 10));
  canvas.Fill(rim, kHolder);
  canvas.Fill((rim - hollow).Clipped(QRect(0, 38, 50, 12)), kHolderLip);
  canvas.Fill(hollow, kHolderInside);
  canvas.Fill(Ellipse(kSize, QRect(27, 38, 13, 4)), kCandleShadow);
}

void DrawWaxCandle(Canvas& canvas) {
  const Mask body = Box(kSize, QRect(26, 18, 9, 21)) | Ellipse(kSize, QRect(26, 37, 9, 4));
  canvas.Fill(body, kWax);
  canvas.Fill(body.Clipped(QRect(27, 0, 1, 50)), kWaxLight);
  canvas.Fill(body.Clipped(QRect(32, 0, 3, 50)), kWaxShade);
  canvas.Fill(Ellipse(kSize, QRect(26, 16, 9, 4)), kWax);
  canvas.Fill(Ellipse(kSize, QRect(27, 17, 7, 2)), kWaxPool);
  canvas.Fill(Box(kSize, QRect(30, 15, 1, 3)), kWick);
  canvas.Fill(Box(kSize, QRect(30, 14, 1, 1)), kWickTip);
}

}  // namespace

QImage DrawCandle(Flame flame) {
  Canvas canvas(kSize, kBlack);
  DrawHandle(canvas);
  DrawSaucer(canvas);
  DrawWaxCandle(canvas);
  const Palette palette{{'E', kFlameEdge}, {'Y', kFlameCore}};
  if (flame == Flame::kUpright) canvas.Stamp({26, 0}, kUprightFlame, palette);
  if (flame == Flame::kBentLeft) canvas.Stamp({24, 0}, kBentFlame, palette);
  return canvas.Image().convertToFormat(QImage::Format_RGB32);
}

}  // namespace pictures
