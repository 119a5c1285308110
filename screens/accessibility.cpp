// The windows' accessible interfaces. A window lists its controls as Qt
// would, except those left out of the tree and with the lamp group in the
// place of the first lamp. The group has no widget: it is made when first
// asked for and lives as long as its window's interface.
#include "screens/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "game/zupi.h"
#include "screens/accessible_board.h"
#include "screens/announce.h"
#include "screens/controls.h"

namespace zupi {
namespace {

QString LampName(int index) { return QStringLiteral("SafeLight(%1)").arg(index); }

// Frames, lamps (they are the group) and the source pictures, which lie
// outside the window and only lend their pictures.
bool LeftOut(const QString& name) {
  return name == QLatin1String("Shape1") || name.startsWith(QLatin1String("SafeLight(")) ||
         name.contains(QLatin1String("SRC("));
}

class LampGroup : public QAccessibleInterface {
 public:
  explicit LampGroup(QWidget* form) : form_(form) {}

  bool isValid() const override { return !form_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return form_ ? form_->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(form_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::Grouping; }

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return {};
    int green = 0;
    for (const ShapeControl* lamp : lamps()) green += lamp->fillColor() == QColorOf(kGreen);
    return QStringLiteral("ライフ 残り %1").arg(green);
  }
  QRect rect() const override {
    QRect all;
    for (const ShapeControl* lamp : lamps()) all |= QRect(lamp->mapToGlobal(QPoint(0, 0)), lamp->size());
    return all;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.invisible = !form_ || !form_->isVisible();
    return s;
  }

 private:
  QList<ShapeControl*> lamps() const {
    QList<ShapeControl*> found;
    for (int i = 0; form_ && i < kLamps; ++i)
      if (auto* lamp = form_->findChild<ShapeControl*>(LampName(i))) found.append(lamp);
    return found;
  }

  QPointer<QWidget> form_;
};

class Form : public QAccessibleWidget {
 public:
  // A window, a frame to AT-SPI: Orca 48 and later drop an announcement
  // that follows another within 0.1 s (the last bump, then GAME OVER)
  // unless it comes from a frame.
  explicit Form(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}
  ~Form() override {
    if (lamps_ != 0) QAccessible::deleteAccessibleInterface(lamps_);
  }

  int childCount() const override { return static_cast<int>(controls().size()); }
  QAccessibleInterface* child(int index) const override { return controls().value(index); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return static_cast<int>(controls().indexOf(const_cast<QAccessibleInterface*>(child)));
  }

  // The lamp group, or nullptr for a window without lamps.
  QAccessibleInterface* lamps() const {
    if (lamps_ == 0 && widget()->findChild<QWidget*>(LampName(0)) != nullptr)
      lamps_ = QAccessible::registerAccessibleInterface(new LampGroup(widget()));
    return lamps_ != 0 ? QAccessible::accessibleInterface(lamps_) : nullptr;
  }

 private:
  QList<QAccessibleInterface*> controls() const {
    QList<QAccessibleInterface*> found;
    for (QObject* child : widget()->children()) {
      auto* control = qobject_cast<QWidget*>(child);
      if (control == nullptr || control->isWindow()) continue;
      const QString name = control->objectName();
      if (name == LampName(0)) found.append(lamps());
      if (!LeftOut(name)) found.append(QAccessible::queryAccessibleInterface(control));
    }
    return found;
  }

  mutable QAccessible::Id lamps_ = 0;
};

QAccessibleInterface* Factory(const QString& key, QObject* object) {
  if (key == QLatin1String("Form1") || key == QLatin1String("Form2") || key == QLatin1String("Form3"))
    return new Form(static_cast<QWidget*>(object));
  if (key == QLatin1String("BoardBox")) return BoardAccessible(object);
  if (key == QLatin1String("zupi::Announcement")) return AnnouncementAccessible(object);
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = (QAccessible::installFactory(Factory), true);
  Q_UNUSED(installed);
}

void LampsChanged(QWidget* form) {
  if (!QAccessible::isActive()) return;
  auto* window = dynamic_cast<Form*>(QAccessible::queryAccessibleInterface(form));
  QAccessibleInterface* group = window ? window->lamps() : nullptr;
  if (group == nullptr) return;
  QAccessibleEvent event(group, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace zupi
