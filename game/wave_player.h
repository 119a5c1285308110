// The Qt side of the sound module: WavePlayer plays the game's WAV files
// through QSoundEffect, one sound at a time, and never fails. A bare file
// name is looked up in the current directory first, so a player can drop
// in sounds of their own, then in the game's data folders. The lookup and
// the file check are free functions so that they can be tested alone.
#pragma once

#include <QSoundEffect>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "game/qo_wav.h"

namespace zupi {

// The path of `name` in the first of `dirs` that holds a file of that name;
// empty when none does.
QString FindWave(const QString& name, const QStringList& dirs);

// True when `path` is a complete mono or stereo 8- or 16-bit PCM WAV file.
// QSoundEffect waits for ever on data that is cut short, and while it waits
// no other effect can be destroyed, so such files must never reach it.
bool IsPlayableWave(const QString& path);

// The game's data folders, in search order: <prefix>/share/grotzel beside
// the running program, then the build tree's data folder.
QStringList DefaultWaveDirs();

// Plays through QSoundEffect. Needs a QCoreApplication; create it once and
// destroy it only when the program ends, because destroying an effect may
// process events.
class WavePlayer : public WaveOutput {
 public:
  // Searches the current directory, then `dataDirs`; preloads the game's
  // four sounds.
  explicit WavePlayer(QStringList dataDirs = DefaultWaveDirs());
  ~WavePlayer() override;
  WavePlayer(const WavePlayer&) = delete;
  WavePlayer& operator=(const WavePlayer&) = delete;

  void Play(std::string_view fileName) override;
  void StopAll() override;

  // The file that `fileName` plays from; empty when it has none to play.
  QString Source(std::string_view fileName) const;

 private:
  struct Sound {
    bool tried = false;   // whether a file was looked for yet
    QString path;         // the file last tried; empty if none was found
    qint64 stamp = 0;     // its modification time then, in ms
    std::unique_ptr<QSoundEffect> effect;  // null unless the file was playable
  };
  QSoundEffect* EffectFor(const QString& name);

  QStringList dataDirs_;
  std::map<QString, Sound> sounds_;
  // Effects whose file failed: kept, not destroyed, until the player goes.
  std::vector<std::unique_ptr<QSoundEffect>> retired_;
  QSoundEffect* playing_ = nullptr;
};

}  // namespace zupi
