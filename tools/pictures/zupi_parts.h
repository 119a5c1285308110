// The pieces that make up the full-length drawings of Zupi: the body and
// hair that all four share, and the faces and raised arm that tell them
// apart. zupi_figure.cpp puts them together.
#pragma once

#include "pictures.h"
#include "pixel_art.h"

namespace pictures {

constexpr QSize kFigureSize{100, 200};

// Paints the face (eyes, cheeks, mouth) of one reaction over the bare face.
void DrawFace(Canvas& canvas, Reaction reaction);
// Her right arm, on the viewer's left, raised with a thumbs-up beside her
// face; drawn over the finished figure.
void DrawRaisedArm(Canvas& canvas);

}  // namespace pictures
