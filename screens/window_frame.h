// The frame a window manager draws around a top-level window, so that the
// game can centre what the player sees (the frame with its title bar) rather
// than the client area inside it. On X11 the manager tells the frame's
// extents on request, before the window is mapped, so a window appears in
// its place at once. Without a manager there is no frame and nothing
// changes; on Wayland the compositor alone places windows.
#pragma once

#include <QMargins>
#include <QPoint>

class QWidget;

namespace zupi {

// The extents of the frame around `window`'s client area: empty without a
// window manager. On X11 a window not yet mapped is created (not shown) and
// the manager is asked for its extents; the answer is awaited briefly.
// Elsewhere the toolkit's frame margins, once it knows them.
QMargins FrameExtents(QWidget& window);

// Moves `window` so that a frame of `extents` around it has its top left
// corner at `frameTopLeft`. Does nothing where the platform places windows
// itself.
void MoveFrameTo(QWidget& window, QPoint frameTopLeft, const QMargins& extents);

// False on platforms (Wayland) where a program cannot place its windows.
bool CanPlaceWindows();

}  // namespace zupi
