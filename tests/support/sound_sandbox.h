// For tests of the real sound player: no run may reach a sound server, and
// each test case works in an empty current directory of its own, where it
// can put broken sound files.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

namespace zupi::test {

// Call from the test's initMain(), before the application object exists.
inline void KeepAwayFromSoundServers() {
  qputenv("PULSE_SERVER", "unix:/nonexistent/grotzel-test-pulse");
}

// Makes an empty directory current for as long as it lives.
class ScratchDirectory {
 public:
  ScratchDirectory() { QDir::setCurrent(dir_.path()); }
  ~ScratchDirectory() { QDir::setCurrent(QCoreApplication::applicationDirPath()); }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  bool isCurrent() const { return QDir::current() == QDir(dir_.path()); }

 private:
  QTemporaryDir dir_;
};

}  // namespace zupi::test
