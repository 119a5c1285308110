// Window flags, size, colour and icon of a top-level window.
#include "screens/form_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QIcon>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "game/pacing.h"
#include "screens/pictures/picture_files.h"
#include "screens/query_unload.h"
#include "screens/twips.h"

namespace zupi {
namespace {

// Paints a window's background colour before the window paints itself.
// A palette would do the same, but every window would then bring a palette
// of its own to its buttons, and the style caches each button's look per
// palette: over a long session those looks pile up in memory.
class BackgroundPainter : public QObject {
 public:
  BackgroundPainter(QWidget* form, const QColor& colour) : QObject(form), colour_(colour) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      auto* form = static_cast<QWidget*>(watched);
      QPainter(form).fillRect(form->rect(), colour_);
    }
    return false;  // the window's own painting follows
  }

 private:
  QColor colour_;
};

}  // namespace

void SetUpForm(QWidget* form, const FormStyle& style) {
  // The flags are spelled out, so no maximise button appears whatever the
  // window manager would add by default.
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (style.buttons == TitleButtons::MinimiseAndClose) flags |= Qt::WindowMinimizeButtonHint;
  form->setWindowFlags(flags);
  form->setWindowTitle(style.caption);
  form->setFixedSize(TwipsToPixels(style.widthTwips), TwipsToPixels(style.heightTwips));
  form->setWindowIcon(QIcon(LoadPicture(Picture::ProgramIcon)));

  form->installEventFilter(new BackgroundPainter(form, style.background));
}

void CenterForm(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  // The frame the window manager adds belongs to the window's size; before
  // the first show Qt does not know it yet and we centre the client area.
  const QSize outer = window.frameGeometry().size();
  const int left = CenteredOffset(area.width() * kTwipsPerPixel, outer.width() * kTwipsPerPixel);
  window.move(area.x() + left / kTwipsPerPixel, window.y());
  const int top = CenteredOffset(area.height() * kTwipsPerPixel, outer.height() * kTwipsPerPixel);
  window.move(window.x(), area.y() + top / kTwipsPerPixel);
}

void FormWindow::ShowWindow() {
  show();
  raise();
  activateWindow();
}

void FormWindow::closeEvent(QCloseEvent* event) { QueryUnload(event); }

}  // namespace zupi
