// Keeps a window's caption exact in WM_NAME, the caption property that
// window managers older than the UTF-8 one (_NET_WM_NAME) read. The toolkit
// fills it through the locale's multibyte conversion, which under the C
// locale garbles every character beyond ASCII ("おめでとう!!" arrives as
// Latin-1 mojibake); this writes it from UTF-8 whatever the locale. It also
// keeps _NET_WM_NAME to the title alone, which the toolkit would follow
// with the application's display name wherever one is set.
#pragma once

class QWidget;

namespace zupi {

// Rewrites WM_NAME and _NET_WM_NAME of `window` from its caption, once it
// has a native X11 window; does nothing elsewhere.
void WriteCaptionProperty(QWidget& window);

}  // namespace zupi
