// WavePlayer: the game's sounds through QSoundEffect. Each file name gets
// one effect that lives as long as the player; playing a sound stops the
// one before it. Files are checked before QSoundEffect sees them, and a
// file that failed is not tried again until it changes, so a broken or
// missing sound costs a few file look-ups per call and stays silent.
#include "game/wave_player.h"

#include "game/data_dirs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QUrl>
#include <QtEndian>

namespace zupi {
namespace {

// Off unless asked for (QT_LOGGING_RULES="grotzel.sound.debug=true"):
// a missing sound is not worth a line on every start.
Q_LOGGING_CATEGORY(lcSound, "grotzel.sound", QtWarningMsg)

const char* const kGameSounds[] = {"nirorop.wav", "pororin.wav", "dong.wav", "zupiwlk.wav"};

quint16 Le16(const QByteArray& bytes, int at) {
  return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// An effect whose file could not be decoded stays in Error, or drops to
// Null at the next play(), and ignores play() from then on.
bool Failed(const QSoundEffect& effect) {
  return effect.status() == QSoundEffect::Error || effect.status() == QSoundEffect::Null;
}

}  // namespace

QString FindWave(const QString& name, const QStringList& dirs) {
  for (const QString& dir : dirs) {
    const QFileInfo file(QDir(dir), name);
    if (file.isFile()) return file.filePath();
  }
  return {};
}

bool IsPlayableWave(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray riff = file.read(12);
  if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") return false;
  int frameBytes = 0;
  for (;;) {
    const QByteArray head = file.read(8);
    if (head.size() < 8) return false;
    const qint64 size = qFromLittleEndian<quint32>(head.constData() + 4);
    if (head.startsWith("fmt ")) {
      const QByteArray fmt = file.peek(16);
      if (fmt.size() < 16) return false;
      const int format = Le16(fmt, 0), channels = Le16(fmt, 2), bits = Le16(fmt, 14);
      if (format != 1 || channels < 1 || channels > 2 || (bits != 8 && bits != 16)) return false;
      frameBytes = channels * bits / 8;
    } else if (head.startsWith("data")) {
      // A part frame at the end keeps the decoder waiting just as a cut does.
      return frameBytes > 0 && size > 0 && size % frameBytes == 0 &&
             size <= file.size() - file.pos();
    }
    if (!file.seek(file.pos() + size + (size & 1))) return false;  // chunks pad to even
  }
}

QStringList DefaultWaveDirs() { return GameDataDirs(); }

WavePlayer::WavePlayer(QStringList dataDirs) : dataDirs_(std::move(dataDirs)) {
  for (const char* name : kGameSounds) EffectFor(QString::fromLatin1(name));
}

WavePlayer::~WavePlayer() { StopAll(); }

void WavePlayer::Play(std::string_view fileName) {
  QSoundEffect* effect =
      EffectFor(QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())));
  // The new sound replaces the old one even when it cannot play itself.
  if (playing_ != nullptr && playing_ != effect) playing_->stop();
  playing_ = effect;
  if (effect == nullptr) return;
  effect->stop();  // so that a sound played twice in a row starts again
  effect->play();
}

void WavePlayer::StopAll() {
  for (auto& [name, sound] : sounds_) {
    if (sound.effect) sound.effect->stop();
  }
  playing_ = nullptr;
}

QString WavePlayer::Source(std::string_view fileName) const {
  const auto it =
      sounds_.find(QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())));
  if (it == sounds_.end() || !it->second.effect || Failed(*it->second.effect)) return {};
  return it->second.path;
}

QSoundEffect* WavePlayer::EffectFor(const QString& name) {
  Sound& sound = sounds_[name];
  if (sound.effect && !Failed(*sound.effect)) return sound.effect.get();

  const QString path = FindWave(name, QStringList{QDir::currentPath()} + dataDirs_);
  const qint64 stamp =
      path.isEmpty() ? 0 : QFileInfo(path).lastModified().toMSecsSinceEpoch();
  if (sound.tried && path == sound.path && stamp == sound.stamp) return nullptr;
  sound.tried = true;
  sound.path = path;
  sound.stamp = stamp;
  // Destroying an effect may process events, and this may run in a handler.
  if (sound.effect) retired_.push_back(std::move(sound.effect));

  if (path.isEmpty() || !IsPlayableWave(path)) {
    qCDebug(lcSound) << "no playable file for" << name << path;
    return nullptr;
  }
  sound.effect = std::make_unique<QSoundEffect>();
  sound.effect->setSource(QUrl::fromLocalFile(path));
  return sound.effect.get();
}

}  // namespace zupi
