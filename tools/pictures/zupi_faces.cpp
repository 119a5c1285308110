// Zupi's four faces and her raised thumbs-up arm. Eyes, cheeks and the
// small closed mouth are pixel grids (K outline, B iris, G iris shading,
// W white, R blush); the eye grid describes the eye on the viewer's left
// and is mirrored for the other one. Highlights are stamped unmirrored, so
// the light falls from the same side on both eyes. Open mouths, the
// startled eyes and the arm are outlined shapes.
#include <cmath>
#include <numbers>

#include "zupi_parts.h"

namespace pictures {
namespace {

const Palette& ZupiPalette() {
  static const Palette palette{{'K', kOutline}, {'B', kIris}, {'G', kIrisShade}, {'W', kHighlight}, {'R', kBlush}};
  return palette;
}

constexpr QSize kSize = kFigureSize;
constexpr int kEyeTop = 48;
constexpr int kLeftEyeX = 28;   // the eye grids are 16 wide: columns 28..43
constexpr int kRightEyeX = 56;  // and 56..71, mirror images about the middle

// An open eye, rows 48..69; the thick upper lid flicks out at the corner.
constexpr std::string_view kOpenEye[]{
    ".....KKKKKK.....", "...KKKKKKKKKK...", ".KKKKKKKKKKKKKK.", "KKKKKKKKKKKKKKKK", "K.KGGGGGGGGGGKKK",
    "..KGGGGGGGGGGGK.", ".KGGGGGGGGGGGGK.", ".KGGGGGGGGGGGGK.", ".KBGGGGKKGGGGBK.", ".KBBGGKKKKGGBBK.",
    ".KBBBBKKKKBBBBK.", ".KBBBBKKKKBBBBK.", ".KBBBBKKKKBBBBK.", ".KBBBBKKKKBBBBK.", ".KBBBBBKKBBBBBK.",
    ".KBBBBBBBBBBBBK.", ".KBBBBBBBBBBBBK.", "..KBBBBBBBBBBK..", "..KBBBBBBBBBBK..", "...KBBBBBBBBK...",
    "....KKBBBBKK....", "......KKKK......",
};
// Light on the eye: a big spot up on the left and a small one down right.
constexpr std::string_view kEyeLight[]{
    ".WW.......", "WWWW......", "WWWW......", ".WW.......", "..........",
    "..........", "..........", "........WW", "........WW",
};
constexpr std::string_view kBlush[]{"..R..R..R", ".R..R..R.", "R..R..R.."};
constexpr std::string_view kCatMouth[]{"K..KK..K", ".KK..KK."};

void OpenEye(Canvas& canvas, bool right) {
  const int x = right ? kRightEyeX : kLeftEyeX;
  canvas.Stamp({x, kEyeTop}, kOpenEye, ZupiPalette(), right);
  canvas.Stamp({x + 3, kEyeTop + 6}, kEyeLight, ZupiPalette());
}

void Blush(Canvas& canvas) {
  canvas.Stamp({27, 71}, kBlush, ZupiPalette());
  canvas.Stamp({64, 71}, kBlush, ZupiPalette());
}

Mask Both(const Mask& left) { return left | left.Mirrored(); }

void NormalFace(Canvas& canvas) {
  OpenEye(canvas, false);
  OpenEye(canvas, true);
  Blush(canvas);
  canvas.Stamp({46, 79}, kCatMouth, ZupiPalette());
}

// Blank round eyes, wide open mouth, and three lines of dismay.
void StartledFace(Canvas& canvas) {
  canvas.Part(Both(Ellipse(kSize, QRect(29, 50, 14, 16))), kHighlight, kIrisShade);
  canvas.Part(Ellipse(kSize, QRect(44, 75, 12, 11)), kMouth);
  for (int x : {61, 64, 67}) canvas.Fill(Box(kSize, QRect(x, 37, 1, 8)), kStartleLines);
}

// A mouth whose top and bottom edges wave together, as in a grimace.
Mask WavyMouth() {
  QPolygonF edge;
  const auto wave = [](double x) { return 1.4 * std::sin((x - 41) * 2 * std::numbers::pi / 9); };
  for (double x = 41; x <= 59; x += 0.5) edge << QPointF(x, 78 + wave(x));
  for (double x = 59; x >= 41; x -= 0.5) edge << QPointF(x, 83.5 + wave(x));
  return Polygon(kSize, edge);
}

// Eyes squeezed shut, each two lines crossing at the end nearest the nose.
void HurtFace(Canvas& canvas) {
  const Mask eye = Capsule(kSize, {30, 52}, {43, 60}, 1.1) | Capsule(kSize, {30, 67}, {43, 58}, 1.1);
  canvas.Fill(Both(eye), kOutline);
  canvas.Part(WavyMouth(), kMouth);
}

// The eye on the viewer's right shut in an upward arc, mouth open laughing.
void WinkFace(Canvas& canvas) {
  OpenEye(canvas, false);
  const Mask arc = Ellipse(kSize, QRect(56, 54, 16, 16)) - Ellipse(kSize, QRect(58, 56, 12, 12));
  canvas.Fill(arc.Clipped(QRect(0, 0, 100, 62)), kOutline);
  Blush(canvas);
  canvas.Part(Ellipse(kSize, QRect(43, 68, 14, 19)).Clipped(QRect(0, 76, 100, 20)), kMouth);
}

}  // namespace

void DrawFace(Canvas& canvas, Reaction reaction) {
  switch (reaction) {
    case Reaction::kNormal: NormalFace(canvas); break;
    case Reaction::kStartled: StartledFace(canvas); break;
    case Reaction::kHurt: HurtFace(canvas); break;
    case Reaction::kWink: WinkFace(canvas); break;
  }
}

void DrawRaisedArm(Canvas& canvas) {
  const Mask sleeve = Capsule(kSize, {30, 104}, {18, 110}, 5.5) | Capsule(kSize, {17, 109}, {14, 90}, 5);
  canvas.Part(sleeve, kBlouse);
  canvas.Part(Ellipse(kSize, QRect(7, 73, 13, 12)), kSkin);
  canvas.Part(Ellipse(kSize, QRect(8, 84, 13, 8)), kBlouse);
  canvas.Part(Capsule(kSize, {13, 66}, {13, 73}, 2.4), kSkin);
  for (int y : {77, 80}) canvas.Fill(Box(kSize, QRect(9, y, 7, 1)), kOutline);
}

}  // namespace pictures
