// How an announcement reaches a screen reader. From Qt 6.8 on, Qt's own
// announcement event, sent from the window: Orca 48 and later speak it
// (and speak the last bump and GAME OVER, which come together, only
// because the window is a frame; see accessibility.cpp). Qt before 6.8 has
// no such event; what Orca and the other AT-SPI readers speak instead is an
// object with the notification role that turns up showing, with the
// message as its name. Here that object is a child widget of no size,
// which never paints and takes neither the focus nor the mouse. Such
// widgets are made only while assistive technology listens, so a game
// without it is the same widget for widget.
#include "screens/announce.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
#include <QWidget>

namespace zupi {

// One announcement: a screen reader asks for the name only after it heard
// the object show, so every message gets an object of its own, which goes
// once it has surely been read.
class Announcement : public QWidget {
  Q_OBJECT

 public:
  Announcement(QWidget* window, const QString& message) : QWidget(window) {
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(message);
    QTimer::singleShot(std::chrono::seconds(10), this, &QObject::deleteLater);
  }
};

void Announce(QWidget* window, const QString& message) {
  if (!QAccessible::isActive()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent event(window, message);
  QAccessible::updateAccessibility(&event);
#else
  (new Announcement(window, message))->show();
#endif
}

QAccessibleInterface* AnnouncementAccessible(QObject* object) {
  auto* notice = qobject_cast<Announcement*>(object);
  return notice ? new QAccessibleWidget(notice, QAccessible::Notification) : nullptr;
}

}  // namespace zupi

#include "announce.moc"
