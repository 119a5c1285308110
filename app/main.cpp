// The program's entry point, the one place that knows every side: it sets
// up the toolkit, the sound and the fonts, builds the host of the game from
// the windows, Qt's event loop, the speaker and the random sequence, and
// hands it to Main, which never returns.
#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "app/data_dirs.h"
#include "app/qt_event_loop.h"
#include "game/program_cycle.h"
#include "game/random.h"
#include "screens/fonts.h"
#include "screens/forms.h"
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
  // While this is the only thread: the toolkit's threads read the environment.
  zupi::PrepareSoundEnvironment();
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
  zupi::QtEventLoop events;
  zupi::WavePlayer speaker(zupi::GameDataDirs());
  zupi::Random random;
  zupi::Forms forms(events, speaker, random);
  zupi::Main({forms, events, speaker, random});
}
