// What the tests and the benchmark look for in the real windows, in pixels
// at scale 1: the client areas by which they tell the windows apart, and
// the points they look at. Taken from the layouts, never written again.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "screens/layouts.h"

namespace zupi::test {

inline constexpr QSize kGameSize = TwipsSize(kGameWindowTwips);
inline constexpr QSize kCertificateSize = TwipsSize(kCertificateWindowTwips);
inline constexpr QSize kTitleSize = TwipsSize(kTitleWindowTwips);

// Inside the start button, clear of its frame; black until it shows.
inline constexpr QPoint kStartButtonPixel = kStartButtonRect.topLeft() + QPoint(10, 10);
// The middle of the first lamp, which the first bump turns red.
inline constexpr QPoint kFirstLampPixel = kLampRects[0].center();

}  // namespace zupi::test
