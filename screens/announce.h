// Announcements: a short message that a screen reader speaks at once,
// whatever has the focus, and that nobody sees. The game announces the
// stage at its start, each bump, the goal and the end of the game.
#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;
class QWidget;

namespace zupi {

// Has `message` spoken for `window`. Does nothing while no assistive
// technology listens.
void Announce(QWidget* window, const QString& message);

// The accessible interface of the object that carries the announcements of
// its window, or nullptr when `object` is not one.
QAccessibleInterface* AnnouncementAccessible(QObject* object);

}  // namespace zupi
