// A whole game with the real sound player when the sound files are missing
// or broken: nothing anywhere, a text file named "dong.wav" in the current
// directory, WAV files cut short, a bare header, an empty file. The game
// must play to its end as usual, every sound must still be asked for, and
// the player must pass over the broken files to the game's own copies, as
// it does for missing ones. PULSE_SERVER points at a
// socket nobody listens on, so nothing is heard and no server is needed.
#include <QtTest>

#include <QTemporaryDir>
#include <memory>

#include "game/qo_wav.h"
#include "game/wave_player.h"
#include "tests/support/sound_sandbox.h"
#include "tests/robustness/short_game.h"

using namespace zupi;

namespace {

const QString kDataDir = QStringLiteral(GROTZEL_BUILD_DATA_DIR);
const char* const kSounds[] = {"nirorop.wav", "pororin.wav", "dong.wav", "zupiwlk.wav"};

// Remembers what the game asked for and hands it on to the real player.
class Tap : public WaveOutput {
 public:
  explicit Tap(WaveOutput& player) : player_(player) { SetWaveOutput(this); }
  ~Tap() override { SetWaveOutput(nullptr); }
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

// Each row: whether the game's own sound folder is there, how the files in
// the current directory are broken (bytes of the good file kept, or text),
// and which names are broken there.
void BrokenSoundsTest::aWholeGamePlaysOnWithBrokenSounds_data() {
  QTest::addColumn<bool>("withGameData");
  QTest::addColumn<int>("keep");  // bytes kept; -1: half of them, -2: a text file instead
  QTest::addColumn<QStringList>("broken");
  const QStringList all = {kSounds[0], kSounds[1], kSounds[2], kSounds[3]};
  QTest::newRow("no sound file anywhere") << false << 0 << all;
  QTest::newRow("text file as dong.wav") << true << -2 << QStringList{"dong.wav"};
  QTest::newRow("every file cut in half") << true << -1 << all;
  QTest::newRow("header only") << true << 44 << QStringList{"zupiwlk.wav"};
  QTest::newRow("empty file") << true << 0 << QStringList{"pororin.wav"};
}

void BrokenSoundsTest::aWholeGamePlaysOnWithBrokenSounds() {
  QFETCH(bool, withGameData);
  QFETCH(int, keep);
  QFETCH(QStringList, broken);
  for (const QString& name : broken) {
    if (!withGameData) break;
    QFile source(kDataDir + '/' + name), file(name);
    QVERIFY2(source.open(QIODevice::ReadOnly) && source.size() > 100, "the generated sounds are built");
    const QByteArray good = source.readAll();
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(keep == -2 ? QByteArray("this is not a sound\n") : good.left(keep == -1 ? good.size() / 2 : keep));
  }
  QTemporaryDir noSounds;
  WavePlayer player({withGameData ? kDataDir : noSounds.path()});
  Tap tap(player);

  test::PlayShortGame();

  QCOMPARE(Level, Integer{2});
  QCOMPARE(StageResult, kStageCrashed);
  QVERIFY(LoadedForm1() == nullptr);
  for (const char* name : kSounds) {
    QVERIFY2(tap.asked.contains(name), name);
    QCOMPARE(player.Source(name), withGameData ? kDataDir + '/' + name : QString());
  }
  player.StopAll();
}

QTEST_MAIN(BrokenSoundsTest)
#include "test_broken_sounds.moc"
