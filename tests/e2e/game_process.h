// What both end-to-end tests share: starting the real binary on the X
// server of the test, whatever platform the caller's environment names, and
// polling for a window to turn up.
#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <optional>

namespace e2e {

inline QString GameBinary() { return QString::fromLocal8Bit(qgetenv("GROTZEL_BINARY")); }

// Starts the game in `directory` on the X server of $DISPLAY.
inline void StartGame(QProcess& game, const QString& directory) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "xcb");
  env.remove("WAYLAND_DISPLAY");
  game.setProcessEnvironment(env);
  game.setWorkingDirectory(directory);
  game.setProcessChannelMode(QProcess::ForwardedChannels);
  game.start(GameBinary(), {});
}

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

}  // namespace e2e
