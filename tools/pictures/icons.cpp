// Zupi's two small heads: the 20 x 20 board icon that walks through the
// cave, and the 32 x 32 program icon with her name down its lower right
// edge. Both are drawn like the full figure, from outlined shapes and
// pixel grids, then softened so that they read as reduced drawings. Only
// whole pixels are transparent: the board icon and the icon mask have no
// partial transparency.
#include "pictures.h"
#include "pixel_art.h"
#include "zupi_face.h"

namespace pictures {
namespace {

constexpr QSize kBoard{20, 20};
constexpr QSize kIcon{32, 32};

// Blends every drawn pixel a little with its drawn neighbours, as shrinking
// a larger drawing would; transparent pixels stay transparent.
void Soften(Canvas& canvas) {
  const QImage before = canvas.Image();
  const Mask drawn = canvas.Drawn();
  for (int y = 0; y < before.height(); ++y) {
    for (int x = 0; x < before.width(); ++x) {
      if (!drawn.At(x, y)) continue;
      const QRgb self = before.pixel(x, y);
      int r = 6 * qRed(self), g = 6 * qGreen(self), b = 6 * qBlue(self), weight = 6;
      for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
        if (!drawn.At(x + d.x(), y + d.y())) continue;
        const QRgb n = before.pixel(x + d.x(), y + d.y());
        r += qRed(n), g += qGreen(n), b += qBlue(n), ++weight;
      }
      canvas.Set(x, y, qRgb(r / weight, g / weight, b / weight));
    }
  }
}

// A pair of shapes from the polygon of the left one.
Mask BothSides(const QPolygonF& left) {
  return Polygon(kBoard, left) | Polygon(kBoard, MirrorEdges(left, kBoard.width()));
}

// The board icon's head: the bunches, the hair, the face and the fringe
// over it.
void DrawBoardHead(Canvas& canvas) {
  const QPolygonF bunch{{0.5, 4}, {3, 1.5}, {6, 3}, {5, 10}, {3, 11.5}, {0.5, 9}};
  const QPolygonF fringe{{3, 0}, {3, 5}, {4, 11}, {5.5, 8}, {7, 9.5}, {8.5, 7}, {10, 9.5}, {10, 0}};
  const Mask hair = Ellipse(kBoard, QRect(3, 1, 14, 24)).Clipped(QRect(0, 0, 20, 13));
  const Mask face = Ellipse(kBoard, QRect(4, 5, 12, 13));
  canvas.Part(BothSides(bunch), kHair);
  canvas.Part(hair, kHair);
  canvas.Part(face, kSkin);
  const Mask front = BothSides(fringe) & (hair | face);
  canvas.Outline(front, kOutline, canvas.Where(kSkin));
  canvas.Fill(front, kHair);
}

// The board icon's face, rows 9..15 from column 4: big black eyes with a
// white gleam, pink cheeks and an open smiling mouth.
constexpr std::string_view kBoardFace[]{
    "..KK....KK..",
    "..WK....WK..",
    "..KK....KK..",
    "..KK....KK..",
    "PP........PP",
    "....KMMK....",
    ".....KK.....",
};

// Her name, Zupi, in katakana, one letter above the other, lettered by
// hand for 32 pixels: seven rows each, the dakuten and the handakuten at
// the upper right.
constexpr std::string_view kName[]{
    "....Y.Y",
    "YYYY...",
    "...Y...",
    "..Y....",
    ".YY....",
    "Y..Y...",
    "....Y..",
    ".......",
    "Y....Y.",
    "Y...Y.Y",
    "YY...Y.",
    "Y.Y....",
    "Y......",
    "Y......",
    ".YYYY..",
};

void DrawName(Canvas& canvas) {
  Canvas letters(canvas.Size());
  letters.Stamp({kNameLeft, kNameTop}, kName, {{'Y', kNameLetters}});
  const Mask shape = letters.Where(kNameLetters);
  canvas.Outline(shape, kOutline);
  canvas.Fill(shape, kNameLetters);
}

}  // namespace

QImage DrawBoardIcon() {
  Canvas canvas(kBoard, kBoardIconKey);
  DrawBoardHead(canvas);
  const Palette palette{{'K', kOutline}, {'W', kHighlight}, {'P', 0xFFFF8080}, {'M', kBlush}};
  canvas.Stamp({4, 9}, kBoardFace, palette);
  Soften(canvas);
  canvas.Stamp({4, 9}, kBoardFace, {{'W', kHighlight}});
  return canvas.Image();
}

QImage DrawProgramIcon() {
  // Drawn four times larger and reduced, so every edge is softened the
  // way a shrunk drawing is; the letters are put on afterwards, crisp.
  constexpr int kEnlarge = 4;
  const Drawing drawing = ZupiFace(false);
  QImage face = ReduceToHardMask(Paint(drawing, kIcon.width() * kEnlarge), kEnlarge);
  SnapBlends(face, drawing, 8);
  Canvas canvas(kIcon);
  for (int y = 0; y < kIcon.height(); ++y)
    for (int x = 0; x < kIcon.width(); ++x) canvas.Set(x, y, face.pixel(x, y));
  DrawName(canvas);
  return canvas.Image();
}

}  // namespace pictures
