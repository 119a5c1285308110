// Where tests and the benchmark look in the real windows, in pixels at
// scale 1, taken from the layouts: client areas, and the points they check.
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
