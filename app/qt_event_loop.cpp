// The waits on Qt's event loop, and the end of the process.
#include "app/qt_event_loop.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace zupi {

namespace {

// The game never enters exec(), where Qt would delete what was deleted
// later; the waits are the only event loop, and no handler is running when
// they return, so they delete it.
void DeleteWhatWasDeletedLater() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

void QtEventLoop::DoEvents() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  DeleteWhatWasDeletedLater();
}

void QtEventLoop::HandleEventsForAPass() {
  QDeadlineTimer deadline(pass_, Qt::PreciseTimer);
  QTimer wake;  // makes sure the blocking wait returns at the deadline
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);
  for (qint64 left = deadline.remainingTime(); left > 0; left = deadline.remainingTime()) {
    // Re-armed if it fired a hair early, so the loop can never block for good.
    if (!wake.isActive()) wake.start(static_cast<int>(left));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}

void QtEventLoop::WaitForEvents() {
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  DeleteWhatWasDeletedLater();
}

void QtEventLoop::HideEveryWindow() {
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
}

void QtEventLoop::EndProgram() {
  HideEveryWindow();
  std::fflush(nullptr);
  std::_Exit(0);
}

}  // namespace zupi
