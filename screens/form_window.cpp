// Window flags, size, colour and icon of a top-level window.
#include "screens/form_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <cmath>

#include "game/program_end.h"
#include "screens/accessibility.h"
#include "screens/pictures/picture_files.h"
#include "screens/query_unload.h"
#include "screens/twips.h"
#include "screens/window_caption.h"
#include "screens/window_frame.h"

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
  // First: Qt 6.8 asks for the window's accessible interface as soon as
  // the caption is set, even with no screen reader, and keeps what it got
  // for the window's life, so the windows' own must be known by then.
  InstallAccessibility();
  // The flags are spelled out, so no maximise button appears whatever the
  // window manager would add by default.
  Qt::WindowFlags flags =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (style.buttons == TitleButtons::MinimiseAndClose) flags |= Qt::WindowMinimizeButtonHint;
  form->setWindowFlags(flags);
  form->setWindowTitle(style.caption);
  form->setFixedSize(TwipsSize(style.clientTwips));
  form->setWindowIcon(QIcon(LoadPicture(Picture::ProgramIcon)));

  form->installEventFilter(new BackgroundPainter(form, style.background));
}

void CenterForm(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr || !CanPlaceWindows()) return;  // Wayland places windows itself
  // What stands centred is the outer frame that the window manager draws.
  const QMargins frame = FrameExtents(window);
  // One move: a window just shown would flash through a half-way place,
  // since the toolkit learns where the manager put it only later.
  MoveFrameTo(window, CenteredFrameTopLeft(screen->geometry(), window.size().grownBy(frame)), frame);
}

QPoint CenteredFrameTopLeft(const QRect& screen, const QSize& outer) {
  const int left = CenteredOffset(screen.width() * kTwipsPerPixel, outer.width() * kTwipsPerPixel);
  const int top = CenteredOffset(screen.height() * kTwipsPerPixel, outer.height() * kTwipsPerPixel);
  return {screen.x() + left / kTwipsPerPixel, screen.y() + top / kTwipsPerPixel};
}

int CenteredOffset(int screenTwips, int windowTwips) {
  // nearbyint rounds half to even in the default rounding mode.
  const int difference = static_cast<int>(std::nearbyint(static_cast<float>(screenTwips - windowTwips)));
  return difference / 2;  // integer division truncates toward zero
}

void FormWindow::ShowWindow() {
  show();
  raise();
  activateWindow();
}

bool FormWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  // The toolkit writes the caption properties when it makes the native
  // window (again), shows it or changes the caption: put them right after it.
  const QEvent::Type type = event->type();
  if (type == QEvent::WinIdChange || type == QEvent::Show || type == QEvent::WindowTitleChange)
    WriteCaptionProperty(*this);
  // Qt's Wayland plugin, when it draws the frame itself, can drop what the
  // controls painted before the surface was first shown (the first
  // stage's message stays blank): every exposure paints them afresh.
  if (type == QEvent::Show && windowHandle() != nullptr && QGuiApplication::platformName() == "wayland")
    windowHandle()->installEventFilter(this);  // once: a second install replaces the first
  // Newer Qt Wayland plugins (6.8 on) take a compositor's size for the window
  // with Qt's frame even below the fixed size: a compositor that turns on
  // Qt's frame on a shown window (sway's `border csd`) sends the size the
  // window had without it, and the frame then cuts the title's start button
  // off. Ask for the fixed size again; the compositor follows a floating
  // window's own size.
  if (type == QEvent::Resize && minimumSize() == maximumSize() && size() != minimumSize() &&
      QGuiApplication::platformName() == "wayland")
    resize(minimumSize());
  return handled;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle() && event->type() == QEvent::Expose)
    for (QWidget* control : findChildren<QWidget*>()) control->update();
  return QWidget::eventFilter(watched, event);
}

void FormWindow::Unload() {
  unloadingByCode_ = true;
  close();
  unloadingByCode_ = false;
}

void FormWindow::closeEvent(QCloseEvent* event) {
  QueryUnload(event, unloadingByCode_, [this](int mode) { CloseRule(host_.events, host_.sound, mode); });
}

}  // namespace zupi
