// The real program as the end-to-end tests start it, and their bounded wait.
#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace e2e {

// Polls until `found` returns something or `ms` pass.
template <typename F>
auto WaitFor(F found, int ms = 10000) -> decltype(found()) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    if (auto w = found()) return w;
    QTest::qWait(20);
  }
  return {};
}

// The real program, started in an empty folder through Qt's platform
// plugin `platform` ("xcb" for X11 even on a Wayland desktop, "wayland").
struct Game {
  explicit Game(const QString& platform = "xcb") {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", platform);
    if (platform == "xcb") env.remove("WAYLAND_DISPLAY");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(cwd.path());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    sinceLaunch.start();
    process.start(QString::fromLocal8Bit(qgetenv("GROTZEL_BINARY")), {});
  }
  // True when the program ends of itself, with status 0, within `ms`.
  bool EndsWithin(int ms) {
    return process.waitForFinished(ms) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
  }
  QTemporaryDir cwd;
  QProcess process;
  QElapsedTimer sinceLaunch;
};

}  // namespace e2e
