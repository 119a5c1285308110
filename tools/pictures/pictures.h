// The game's pictures, each painted by one function, and the colours they
// share. Zupi's colours are fixed by her design and the same in every
// drawing of her; the key colours only ever stand behind transparent pixels.
#pragma once

#include <QImage>
#include <QRgb>

#include "screens/pictures/picture_list.h"

namespace pictures {

// Zupi.
constexpr QRgb kHair = 0xFFD94300;
constexpr QRgb kSkin = 0xFFFFC1A2;
constexpr QRgb kPinafore = 0xFF8D6300;
constexpr QRgb kBlouse = 0xFF96CFB2;
constexpr QRgb kShoes = 0xFF3300C0;
constexpr QRgb kHairTie = 0xFFC2C2C2;
constexpr QRgb kOutline = 0xFF000000;
constexpr QRgb kIris = 0xFFB36400;
constexpr QRgb kIrisShade = 0xFF5D5D5D;
constexpr QRgb kHighlight = 0xFFFFFFFF;
constexpr QRgb kBlush = 0xFFFF3333;
constexpr QRgb kMouth = 0xFFFF9999;
constexpr QRgb kStartleLines = 0xFF3933FF;
constexpr QRgb kNameLetters = 0xFFE6FF3F;

// Candle.
constexpr QRgb kWax = 0xFFD7D7D7;
constexpr QRgb kHolder = 0xFF5D5D5D;
constexpr QRgb kFlameEdge = 0xFFFF6666;
constexpr QRgb kFlameCore = 0xFFFFEA99;

// Transparent pixels carry these colours with alpha 0.
constexpr QRgb kBoardIconKey = 0x000000FF;
constexpr QRgb kFigureKey = 0x00110041;

// The four reactions, in the order of the portrait's source pictures.
enum class Reaction { kNormal = 0, kStartled = 1, kHurt = 2, kWink = 3 };
// The three candle pictures, in the order of their source pictures.
enum class Flame { kUnlit = 0, kUpright = 1, kBentLeft = 2 };

QImage DrawZupi(Reaction reaction);  // 100 x 200, transparent around
QImage DrawBoardIcon();              // 20 x 20, transparent around
QImage DrawProgramIcon();            // 32 x 32, one-bit transparency
QImage DrawCandle(Flame flame);      // 50 x 50, opaque
QImage DrawTitle();                  // 300 x 100, opaque
QImage DrawCertificate();            // 350 x 400, opaque

// The game's picture `picture`, painted by its drawing above.
QImage DrawPicture(zupi::Picture picture);

}  // namespace pictures
