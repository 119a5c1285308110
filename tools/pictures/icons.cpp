// Zupi's two small heads: the 20 x 20 board icon that walks through the
// cave, and the 32 x 32 program icon with her name down its lower right
// edge. Both are path drawings (zupi_face.cpp) painted four times larger
// and reduced, so their edges are softened like a shrunk drawing's; the
// eyes and the name are then set by hand as pixel grids, which stay sharp
// where a reduced line would blur. Only whole pixels are transparent: the
// board icon and the icon mask have no partial transparency.
#include "pictures.h"
#include "pixel_art.h"
#include "zupi_face.h"

namespace pictures {
namespace {

constexpr QSize kBoard{20, 20};
constexpr QSize kIcon{32, 32};

// The board icon's eyes, rows 10..13 from column 6: big and black with a
// white gleam, put on after the reduction so that they stay sharp.
constexpr std::string_view kBoardEyes[]{
    ".K.....K.",
    "KWK...KWK",
    "KKK...KKK",
    ".K.....K.",
};

// A drawing painted `enlarge` times larger and reduced to `size` with soft
// edges and hard transparency, its blends rounded to `step`; transparent
// pixels get `key`.
Canvas Reduced(const Drawing& drawing, QSize size, int enlarge, QRgb key, int step) {
  QImage small = ReduceToHardMask(Paint(drawing, size.width() * enlarge), enlarge);
  SnapBlends(small, drawing, step);
  Canvas canvas(size, key);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      if (qAlpha(small.pixel(x, y))) canvas.Set(x, y, small.pixel(x, y));
  return canvas;
}

// The program icon's left eye, rows 16..22 from column 8; the right eye,
// from column 17, is its mirror image but for the gleams, which keep
// their side. Stamped after the reduction: brown iris under a heavy black
// lid, shaded grey below it, two white gleams.
constexpr std::string_view kIconEye[]{
    "SKKKKS", "KKKKKK", "KWGGGK", "KBBGBK", "KBBBBK", "KBBBWK", "SKBBKS",
};

// Her name, Zupi, in katakana, one letter above the other, lettered by
// hand for 32 pixels: seven rows each, the dakuten and the handakuten at
// the upper right.
constexpr std::string_view kName[]{
    "....Y.Y", "YYYY...", "...Y...", "..Y....", ".YY....", "Y..Y...", "....Y..", ".......",
    "Y....Y.", "Y...Y.Y", "YY...Y.", "Y.Y....", "Y......", "Y......", ".YYYY..",
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
  Canvas canvas = Reduced(ZupiBoardHead(), kBoard, 4, kBoardIconKey, 8);
  canvas.Stamp({6, 10}, kBoardEyes, {{'K', kOutline}, {'W', kHighlight}});
  return canvas.Image();
}

QImage DrawProgramIcon() {
  // Drawn four times larger and reduced, so every edge is softened the
  // way a shrunk drawing is; the eyes and letters are put on afterwards,
  // crisp.
  Canvas canvas = Reduced(ZupiFace(false), kIcon, 4, 0, 5);
  const Palette eye{{'K', kOutline}, {'B', kIris}, {'G', kIrisShade}, {'S', kSkin}};
  for (int x : {8, 17}) {
    canvas.Stamp({x, 16}, kIconEye, eye, x > 16);
    canvas.Stamp({x, 16}, kIconEye, {{'W', kHighlight}});
  }
  DrawName(canvas);
  return canvas.Image();
}

}  // namespace pictures
