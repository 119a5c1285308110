// Waits that keep the windows alive. Rather than the blind 100 ms sleep of a
// pass, the thread blocks in the event loop until the pass's deadline, so a
// key pressed during a wait is handled at once and an idle wait costs no CPU.
#include "game/pacing.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cmath>

#include "game/program_end.h"
#include "screens/window_frame.h"

namespace zupi {
namespace {

std::chrono::milliseconds passLength{100};
constexpr int kTwipsPerPixel = 15;

// Handles events as they come until `length` has passed.
void PumpFor(std::chrono::milliseconds length) {
  QDeadlineTimer deadline(length, Qt::PreciseTimer);
  QTimer wake;  // makes sure the blocking wait returns at the deadline
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);
  while (!ProgramEnded()) {
    const qint64 left = deadline.remainingTime();
    if (left <= 0) break;
    // Re-armed if it fired a hair early, so the loop can never block for good.
    if (!wake.isActive()) wake.start(static_cast<int>(left));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}

// Rounds half to even, as the default floating-point mode does.
int RoundHalfEven(float value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

void DoEvents() {
  if (!ProgramEnded()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

Integer WaitPasses(float seconds) {
  const float product = seconds * 10.0f;  // single precision, as specified
  return static_cast<Integer>(RoundHalfEven(product));
}

void Wait(float seconds) {
  const Integer passes = WaitPasses(seconds);
  for (Integer i = 0; i < passes && !ProgramEnded(); ++i) {
    DoEvents();
    PumpFor(passLength);
    DoEvents();
  }
}

void WaitWhileRunning() {
  while (IsRunning && !ProgramEnded())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void SetWaitPassLength(std::chrono::milliseconds length) { passLength = length; }

int CenteredOffset(int screenTwips, int windowTwips) {
  const int difference = RoundHalfEven(static_cast<float>(screenTwips - windowTwips));
  return difference / 2;  // integer division truncates toward zero
}

void CenterForm(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr || !CanPlaceWindows()) return;  // Wayland places windows itself
  const QRect area = screen->geometry();
  // What stands centred is the outer frame that the window manager draws.
  const QMargins frame = FrameExtents(window);
  const QSize outer = window.size().grownBy(frame);
  const int left = CenteredOffset(area.width() * kTwipsPerPixel, outer.width() * kTwipsPerPixel);
  const int top = CenteredOffset(area.height() * kTwipsPerPixel, outer.height() * kTwipsPerPixel);
  // One move: a window just shown would flash through a half-way place,
  // since the toolkit learns where the manager put it only later.
  MoveFrameTo(window, {area.x() + left / kTwipsPerPixel, area.y() + top / kTwipsPerPixel}, frame);
}

}  // namespace zupi
