// Zupi's head as paths: the face in close-up, the one description behind
// the 32 x 32 program icon and the menu icons drawn for larger sizes, and
// the small head that walks the board.
#pragma once

#include "vector_art.h"

namespace pictures {

// The face on a 32-unit square: hair with a bunch at each upper corner,
// brown eyes, blush, a small smile and the top of her dress at the bottom.
// With `name`, her name "ズピ" runs down the lower right edge as strokes;
// the pixel icon letters it by hand instead, as strokes that thin would
// blur at 32 pixels. Outlines are `lineScale` times their width at 32
// pixels: a line one pixel wide there would be heavy at 256.
Drawing ZupiFace(bool name, double lineScale = 1);

// Her head from the front on a 20-unit square, for the board icon: hair
// with a bunch standing off each side, big black eyes, pink cheeks and an
// open smiling mouth.
Drawing ZupiBoardHead();

// The outline scale of the menu icons, drawn at 64 pixels and more.
constexpr double kMenuLineScale = 0.7;

// Where the name stands on the 32-unit square: columns 25..31, rows 17..31.
constexpr int kNameLeft = 25;
constexpr int kNameTop = 17;

}  // namespace pictures
