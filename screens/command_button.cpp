// The command buttons of the title and certificate windows. Qt lets a
// button without a default role ignore Enter, which then goes to the window;
// a small filter on the button presses it instead, as the player expects of
// a focused button.
#include "screens/command_button.h"

#include <QEvent>
#include <QKeyEvent>

namespace zupi {
namespace {

class EnterPresses : public QObject {
 public:
  explicit EnterPresses(QPushButton* button) : QObject(button), button_(button) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != button_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers others = key->modifiers() & ~Qt::KeypadModifier;
    if (!enter || others != Qt::NoModifier || key->isAutoRepeat()) return false;
    button_->click();
    return true;
  }

 private:
  QPushButton* button_;
};

}  // namespace

QPushButton* MakeCommandButton(const QString& caption, const QRect& geometry, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  button->setDefault(false);
  button->installEventFilter(new EnterPresses(button));
  return button;
}

}  // namespace zupi
