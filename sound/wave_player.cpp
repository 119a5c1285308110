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

QStringList SearchDirs(const QStringList& dataDirs) { return QStringList{QDir::currentPath()} + dataDirs; }

}  // namespace

QString FindWave(const QString& name, const QStringList& dirs) {
  for (const QString& dir : dirs) {
    const QFileInfo file(QDir(dir), name);
    if (file.isFile() && IsPlayableWave(file.filePath())) return file.filePath();
  }
  return {};
}

bool IsPlayableWave(const QString& path) {
  // A second of sound is enough to know the whole file is there.
  return ReadWave(FileNameBytes(path), 1).has_value();
}

WavePlayer::WavePlayer(QStringList dataDirs) : dataDirs_(std::move(dataDirs)) {
  // The mixer names the stream; the icon only PulseAudio's own variable can
  // give. Set here, before any thread reads the environment.
  if (!qEnvironmentVariableIsSet("PULSE_PROP_application.icon_name"))
    qputenv("PULSE_PROP_application.icon_name", "grotzel");
  mixer_ = std::make_unique<Mixer>([dirs = dataDirs_](const std::string& name) -> std::optional<Wave> {
    const QString path = FindWave(QString::fromStdString(name), SearchDirs(dirs));
    if (path.isEmpty()) return std::nullopt;
    return ReadWave(FileNameBytes(path));
  });
}

WavePlayer::~WavePlayer() = default;

void WavePlayer::Play(std::string_view fileName) { mixer_->Play(std::string(fileName)); }

void WavePlayer::StopAll() { mixer_->Stop(); }

QString WavePlayer::Source(std::string_view fileName) const {
  return FindWave(QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())),
                  SearchDirs(dataDirs_));
}

}  // namespace zupi
