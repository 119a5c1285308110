// The sound module's real speaker: WavePlayer plays the game's WAV files
// through the mixer, one sound at a time, and never fails or waits. A bare
// file name is looked up in the current directory first, so a player can
// drop in sounds of their own, then in the game's data folders; a file that
// cannot be played is passed over as if it were missing. The lookup is a
// free function so that it can be tested alone.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <string_view>

#include "game/qo_wav.h"
#include "sound/mixer.h"

namespace zupi {

// A sound as the player finds it: the file, and what was read from it.
struct FoundWave {
  QString path;
  Wave wave;
};

// `name` read from the first of `dirs` that holds a playable file of that
// name, each file read once; nothing when none does.
std::optional<FoundWave> LoadWave(const QString& name, const QStringList& dirs);

// Where the player looks for a sound, in order: the folder the game was
// started from, so a player's own file wins, then the game's `dataDirs`.
QStringList SoundFolders(const QStringList& dataDirs);

// Tells the sound server the game's icon and the buffer to keep through
// the environment, unless the user set them there. Call before any thread starts, before the
// application object: the environment is not safe to change while another
// thread may read it.
void PrepareSoundEnvironment();

// Plays through the mixer. Play and StopAll cost the caller microseconds,
// whatever the sound server does.
class WavePlayer : public WaveOutput {
 public:
  // Searches the current directory, then `dataDirs` (the game's own
  // folders, which the program's start works out).
  explicit WavePlayer(QStringList dataDirs);
  ~WavePlayer() override;
  WavePlayer(const WavePlayer&) = delete;
  WavePlayer& operator=(const WavePlayer&) = delete;

  void Play(std::string_view fileName) override;
  void StopAll() override;

 private:
  std::unique_ptr<Mixer> mixer_;
};

}  // namespace zupi
