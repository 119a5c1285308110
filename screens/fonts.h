// The fonts of the window layouts. The layouts name Japanese Windows faces
// ("ＭＳ Ｐゴシック", "MS UI Gothic") that a Linux desktop lacks, and
// fontconfig maps those names to a Latin face; the substitutes installed here
// make them resolve to a Japanese Gothic face instead.
#pragma once

#include <QFont>
#include <QString>

namespace zupi {

// Registers IPAPGothic, then Noto Sans CJK JP, as substitutes for the
// Japanese face names of the layouts, in their Japanese and ASCII spellings.
// Safe to call more than once.
void InstallFontSubstitutes();

// A font as a layout gives it: face name exactly as written there, size in
// points, weight and style. The size is fixed in pixels at the layouts' 96
// dots per inch, so text keeps its proportion to the pixel-sized controls
// whatever the desktop's font DPI (every size of the layouts comes out as a
// whole pixel count: 9 pt = 12 px, 9.75 pt = 13 px, 32.25 pt = 43 px).
QFont DesignFont(const QString& face, double points, bool bold, bool italic = false);

// The font of a control that sets none of its own: "MS UI Gothic", 9 points.
QFont WindowDefaultFont();

}  // namespace zupi
