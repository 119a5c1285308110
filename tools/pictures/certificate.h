// Shared pieces of the certificate picture, 350 x 400 pixels: the pen and
// the fill helper that give every part of Zupi its soft grey outline, and
// the parts that the other certificate files paint.
#pragma once

#include <QPainter>
#include <QPainterPath>

#include "pictures.h"

namespace pictures::certificate {

constexpr QRgb kLine = 0xFF808080;  // every outline of the waist-up Zupi
constexpr double kLineWidth = 2;

// The shade tone of each flat colour, for the side turned from the light.
constexpr QRgb kHairShade = 0xFFB63800;
constexpr QRgb kSkinShade = 0xFFF2AA8C;
constexpr QRgb kBlouseShade = 0xFF7EB89B;
constexpr QRgb kPinaforeShade = 0xFF725000;

// Fills `path` with `colour` and draws its grey outline.
void Part(QPainter& painter, const QPainterPath& path, QRgb colour);
// Fills `path` flat, without an outline.
void Fill(QPainter& painter, const QPainterPath& path, QRgb colour);
// Draws an open line along `path` in `colour`.
void Line(QPainter& painter, const QPainterPath& path, QRgb colour, double width);

void DrawSky(QPainter& painter);         // pale blue, with clouds
void DrawHairBehind(QPainter& painter);  // bunches and the back of the hair
void DrawHairFront(QPainter& painter);   // fringe and side locks, with sheen
void DrawFace(QPainter& painter);        // face, eyes, blush, open smile
void DrawVSign(QPainter& painter);       // her raised right hand and arm

}  // namespace pictures::certificate
