// The program's entry point, the one place that knows both sides: it sets
// up the toolkit, the sound and the fonts, installs the windows and Qt's
// event loop under the game flow, then hands over to Main, which never
// returns.
#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/command_line.h"
#include "app/data_dirs.h"
#include "app/qt_event_loop.h"
#include "game/event_source.h"
#include "game/program_cycle.h"
#include "game/program_end.h"
#include "game/qo_wav.h"
#include "game/windows.h"
#include "screens/fonts.h"
#include "screens/forms.h"
#include "screens/query_unload.h"
#include "sound/wave_player.h"

namespace {

QByteArray displayTrouble;  // what the platform said before it gave up
bool applicationStands = false;

// Without a display Qt aborts with advice to reinstall; a player deserves
// one plain line and an ordinary failure status instead.
void MessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
  const QByteArray text = message.toLocal8Bit();
  if (type == QtFatalMsg) {
    const QByteArray reason = displayTrouble.isEmpty() ? text.split('\n').value(0) : displayTrouble;
    std::fprintf(stderr, "grotzel: cannot open a display: %s\n", reason.constData());
    std::fflush(stderr);
    std::_Exit(1);
  }
  // Until the application object stands, whatever the platform says is the
  // prelude to that failure; keep the first line for it.
  if (!applicationStands) {
    if (displayTrouble.isEmpty()) displayTrouble = text.split('\n').value(0).trimmed();
    return;
  }
  // A game has no console: the toolkit's chatter (no sound server, and the
  // like) is for developers only.
  if (type >= QtCriticalMsg || qEnvironmentVariableIsSet("GROTZEL_DEBUG"))
    std::fprintf(stderr, "%s\n", text.constData());
}

}  // namespace

int main(int argc, char* argv[]) {
  // --help and --version answer before any display is opened.
  if (const auto status = zupi::HandleCommandLine(argc, argv)) return *status;
  qInstallMessageHandler(MessageHandler);
  QApplication app(argc, argv);
  applicationStands = true;
  QApplication::setApplicationName("grotzel");
  // No display name: Qt would append it to every caption that differs from
  // it. The task bar takes the name from the desktop entry.
  QApplication::setApplicationVersion(zupi::GameVersion());
  QApplication::setDesktopFileName("grotzel");
  QApplication::setQuitOnLastWindowClosed(false);  // the cycle unloads windows itself

  zupi::InstallFontSubstitutes();
  auto player = std::make_unique<zupi::WavePlayer>(zupi::GameDataDirs());
  zupi::SetWaveOutput(player.get());
  zupi::SetQueryUnloadHandler(zupi::CloseRule);
  zupi::QtEventLoop events;
  zupi::SetEventSource(&events);
  zupi::Forms forms;
  zupi::SetWindows(&forms);

  zupi::Main();
}
