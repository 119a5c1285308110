// WavePlayer: the file lookup and the mixer put together. Looking a sound
// up and reading it happen on the mixer's thread, through a loader that
// holds its own copy of the folders, so nothing it touches belongs to the
// window thread.
#include "sound/wave_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string>

namespace zupi {
namespace {

std::string FileNameBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

// Each file is read once, and what was read is what plays: a file checked
// and then read again could have changed in between.
std::optional<FoundWave> LoadWave(const QString& name, const QStringList& dirs) {
  for (const QString& dir : dirs) {
    const QFileInfo file(QDir(dir), name);
    if (!file.isFile()) continue;
    if (std::optional<Wave> wave = ReadWave(FileNameBytes(file.filePath())))
      return FoundWave{file.filePath(), std::move(*wave)};
  }
  return std::nullopt;
}

QStringList SoundFolders(const QStringList& dataDirs) { return QStringList{QDir::currentPath()} + dataDirs; }

// The mixer names the stream through SDL; the icon real SDL 2 leaves to
// PulseAudio's and PipeWire's own variables, and the mixer hands SDL 3. A
// player's own setting wins. PulseAudio is asked to hold 12 ms where the
// mixer's threads can run real-time, and 60 ms where they cannot, which a
// callback made late by a busy machine does not run dry.
void PrepareSoundEnvironment() {
  if (!qEnvironmentVariableIsSet("PULSE_LATENCY_MSEC"))
    qputenv("PULSE_LATENCY_MSEC", SoundThreadsCanRunRealTime() ? "12" : "60");
  if (!qEnvironmentVariableIsSet("PULSE_PROP_application.icon_name"))
    qputenv("PULSE_PROP_application.icon_name", "grotzel");
  // The same icon for SDL 2's PipeWire driver, which names no icon itself.
  if (!qEnvironmentVariableIsSet("PIPEWIRE_PROPS"))
    qputenv("PIPEWIRE_PROPS", "{ application.icon_name = \"" + qgetenv("PULSE_PROP_application.icon_name") + "\" }");
}

WavePlayer::WavePlayer(QStringList dataDirs) {
  mixer_ = std::make_unique<Mixer>([dirs = std::move(dataDirs)](const std::string& name) -> std::optional<Wave> {
    std::optional<FoundWave> found = LoadWave(QString::fromStdString(name), SoundFolders(dirs));
    if (!found) return std::nullopt;
    return std::move(found->wave);
  });
}

WavePlayer::~WavePlayer() = default;

void WavePlayer::Play(std::string_view fileName) { mixer_->Play(std::string(fileName)); }

void WavePlayer::StopAll() { mixer_->Stop(); }

}  // namespace zupi
