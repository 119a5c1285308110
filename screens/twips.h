// Twips, the unit in which the window layouts are written, and their
// conversion to pixels. 15 twips make one pixel at the layouts' scale (96
// dots per inch), the scale at which every stored picture exactly fills its
// image control. Everything that turns twips into pixels goes through here,
// so controls, board squares and the player's icon all land on the same grid.
#pragma once

#include <QRect>
#include <QSize>

namespace zupi {

inline constexpr int kTwipsPerPixel = 15;

// The nearest pixel. 15 is odd, so a whole number of twips never lies
// exactly halfway between two pixels and no tie rule is needed.
constexpr int TwipsToPixels(int twips) {
  const int shifted = twips + kTwipsPerPixel / 2;
  // Floor division, so negative positions round the same way.
  return shifted >= 0 ? shifted / kTwipsPerPixel : -((-shifted + kTwipsPerPixel - 1) / kTwipsPerPixel);
}

// A layout rectangle in pixels. Each edge is converted on its own, so two
// rectangles that meet in twips also meet in pixels.
constexpr QRect TwipsRect(int left, int top, int width, int height) {
  const int x = TwipsToPixels(left);
  const int y = TwipsToPixels(top);
  return QRect(x, y, TwipsToPixels(left + width) - x, TwipsToPixels(top + height) - y);
}

// A window's client area in pixels.
constexpr QSize TwipsSize(const QSize& twips) {
  return QSize(TwipsToPixels(twips.width()), TwipsToPixels(twips.height()));
}

}  // namespace zupi
