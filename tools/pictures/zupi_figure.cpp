// Zupi standing, 100 x 200 pixels: the hair with its two bunches, the bare
// face, the blouse and pinafore dress, the arms, legs and shoes. Parts are
// painted back to front, each with its own black outline, so a part in
// front draws the line that separates it from the one behind. The left
// half of the figure is described once and mirrored for the right.
//
// Where the parts lie is part of her design, so keep to it when editing:
// hair outline from row 7, hair rows 8..61, eyes 48..69, blouse 99..137,
// pinafore rows 93..161 and columns 18..81, legs down to 186, shoes with
// their outlines 187..194, bunches two pixels from the picture's edges.
#include "zupi_parts.h"

namespace pictures {
namespace {

constexpr QSize kSize = kFigureSize;

Mask BothSides(const Mask& left) { return left | left.Mirrored(); }

// A bunch springs up and out from the side of the head and falls in
// three points.
Mask LeftBunch() {
  const QPolygonF outline{{23, 25}, {20, 17}, {15, 13},     {9, 14},  {5, 19},  {3, 27},  {3, 37},  {4, 45}, {6, 52},
                          {5, 59},  {9, 54},  {11.5, 62.2}, {13, 54}, {17, 59}, {18, 50}, {21, 44}, {23, 36}};
  return Polygon(kSize, outline);
}

// Strands of hair: thin lines that follow the fall of the hair.
Mask LeftStrands() {
  return Capsule(kSize, {9, 22}, {6, 34}, 0.5) | Capsule(kSize, {13, 40}, {12, 50}, 0.5) |
         Capsule(kSize, {39, 13}, {32, 20}, 0.5) | Capsule(kSize, {44, 11}, {41, 16}, 0.5);
}

Mask HairDome() {
  const Mask dome = Ellipse(kSize, QRect(14, 8, 72, 84));
  const QPolygonF leftEnds{{0, 0}, {50, 0}, {50, 60}, {22, 60}, {20, 54}, {17, 62}, {14, 50}, {0, 50}};
  const Mask keep = BothSides(Polygon(kSize, leftEnds));
  return dome & keep;
}

Mask Face() { return Ellipse(kSize, QRect(19, 27, 62, 65)); }

// Fringe and side locks, lying over the face.
Mask Fringe() {
  const QPolygonF left{{15, 0},  {15, 26}, {17, 48}, {20, 62}, {24, 50}, {27, 40},
                       {31, 47}, {36, 37}, {41, 46}, {46, 36}, {50, 45}, {50, 0}};
  return Polygon(kSize, left) | Polygon(kSize, MirrorEdges(left, kSize.width()));
}

void DrawHead(Canvas& canvas) {
  const Mask bunches = BothSides(LeftBunch());
  const Mask strands = BothSides(LeftStrands());
  canvas.Part(bunches, kHair);
  canvas.Fill(strands & bunches, kOutline);
  canvas.Part(HairDome(), kHair);
  canvas.Part(Face(), kSkin);
  const Mask fringe = Fringe() & (HairDome() | Face());
  canvas.Outline(fringe, kOutline, canvas.Where(kSkin));
  canvas.Fill(fringe, kHair);
  canvas.Fill(strands & HairDome(), kOutline);
  canvas.Part(BothSides(Ellipse(kSize, QRect(17, 23, 6, 8))), kHairTie);
}

void DrawLegs(Canvas& canvas) {
  const QPolygonF leg{{39, 156}, {48, 156}, {47, 187}, {40, 187}};
  canvas.Part(Polygon(kSize, leg) | Polygon(kSize, MirrorEdges(leg, kSize.width())), kSkin);
  canvas.Part(BothSides(Ellipse(kSize, QRect(34, 188, 15, 6))), kShoes);
  canvas.Fill(BothSides(Box(kSize, QRect(40, 184, 7, 1))), kOutline);  // shoe straps
}

void DrawDress(Canvas& canvas) {
  const QPolygonF blouse{{31, 104}, {35, 99}, {65, 99}, {69, 104}, {64, 113}, {36, 113}};
  canvas.Part(Polygon(kSize, blouse), kBlouse);
  const QPolygonF pinafore{{37, 96},  {39, 93},  {61, 93},  {63, 96},  {64, 116},
                           {82, 157}, {80, 162}, {20, 162}, {18, 157}, {36, 116}};
  canvas.Part(Polygon(kSize, pinafore), kPinafore);
  canvas.Fill(Box(kSize, QRect(36, 117, 28, 1)), kOutline);               // the waist seam
  canvas.Part(BothSides(Ellipse(kSize, QRect(40, 96, 3, 3))), kHairTie);  // buttons
  const QPolygonF pocket{{43, 136}, {57, 136}, {57, 144}, {54, 147}, {46, 147}, {43, 144}};
  canvas.Part(Polygon(kSize, pocket), kPinafore);
}

// An arm hanging at her side; described for the viewer's left.
void DrawHangingArm(Canvas& canvas, bool right) {
  const auto side = [right](const Mask& m) { return right ? m.Mirrored() : m; };
  canvas.Part(side(Ellipse(kSize, QRect(20, 134, 10, 11))), kSkin);
  canvas.Part(side(Capsule(kSize, {31, 105}, {26, 127}, 6)), kBlouse);
  canvas.Part(side(Ellipse(kSize, QRect(19, 129, 13, 9))), kBlouse);
}

}  // namespace

QImage DrawZupi(Reaction reaction) {
  Canvas canvas(kSize, kFigureKey);
  DrawLegs(canvas);
  DrawDress(canvas);
  if (reaction != Reaction::kWink) DrawHangingArm(canvas, false);
  DrawHangingArm(canvas, true);
  DrawHead(canvas);
  DrawFace(canvas, reaction);
  if (reaction == Reaction::kWink) DrawRaisedArm(canvas);
  return canvas.Image();
}

}  // namespace pictures
