// A whole game with the real sound player when the sound files are missing
// or cut short: the game must play to its end as usual, every sound must
// still be asked for, and the player must pass over the broken files to
// the game's own copies, as it does for missing ones. PULSE_SERVER points
// at a socket nobody listens on, so nothing is heard and no server is needed.
#include <QtTest>

#include <QTemporaryDir>
#include <memory>

#include "game/qo_wav.h"
#include "game/sounds.h"
#include "sound/wave_player.h"
#include "tests/robustness/short_game.h"
#include "tests/support/sound_sandbox.h"

using namespace zupi;

namespace {

const QString kDataDir = QStringLiteral(GROTZEL_BUILD_DATA_DIR);

// Remembers what the game asked for and hands it on to the real player.
class Tap : public WaveOutput {
 public:
  explicit Tap(WaveOutput& player) : player_(player) {}
  void Play(std::string_view name) override {
    asked.insert(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    player_.Play(name);
  }
  void StopAll() override { player_.StopAll(); }
  QSet<QString> asked;

 private:
  WaveOutput& player_;
};

}  // namespace

class BrokenSoundsTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() { test::KeepAwayFromSoundServers(); }

 private slots:
  void init() {
    cwd_ = std::make_unique<test::ScratchDirectory>();
    QVERIFY(cwd_->isCurrent());
  }
  void cleanup() { cwd_.reset(); }

  void aWholeGamePlaysOnWithBrokenSounds_data();
  void aWholeGamePlaysOnWithBrokenSounds();

 private:
  std::unique_ptr<test::ScratchDirectory> cwd_;
};

// Each row: whether the game's own sound folder is there (if so, every
// file in the current directory is its copy cut in half). Which broken
// files the look-up passes over, the sound test checks one by one.
void BrokenSoundsTest::aWholeGamePlaysOnWithBrokenSounds_data() {
  QTest::addColumn<bool>("withGameData");
  QTest::newRow("no sound file anywhere") << false;
  QTest::newRow("every file cut in half") << true;
}

void BrokenSoundsTest::aWholeGamePlaysOnWithBrokenSounds() {
  QFETCH(bool, withGameData);
  for (const std::string_view sound : kAllSounds) {
    const char* name = sound.data();  // the names end in a NUL
    if (!withGameData) break;
    QFile source(kDataDir + '/' + name), file(name);
    QVERIFY2(source.open(QIODevice::ReadOnly) && source.size() > 100, "the generated sounds are built");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(source.readAll().chopped(int(source.size() / 2)));
  }
  QTemporaryDir noSounds;
  WavePlayer player({withGameData ? kDataDir : noSounds.path()});
  Tap tap(player);

  QVERIFY(test::PlayShortGame(tap));
  QCOMPARE(Level, Integer{2});
  QCOMPARE(StageResult, kStageCrashed);
  for (const std::string_view sound : kAllSounds) {
    const char* name = sound.data();  // the names end in a NUL
    QVERIFY2(tap.asked.contains(name), name);
    QCOMPARE(player.Source(name), withGameData ? kDataDir + '/' + name : QString());
  }
  player.StopAll();
}

QTEST_MAIN(BrokenSoundsTest)
#include "test_broken_sounds.moc"
