// A whole game with the real sound player when the sound files are missing
// or broken: nothing anywhere, a text file named "dong.wav" in the current
// directory, WAV files cut short, a bare header, an empty file. The game
// must play to its end as usual, every sound must still be asked for, and
// the player must refuse exactly the broken files. PULSE_SERVER points at a
// socket nobody listens on, so nothing is heard and no server is needed.
#include <QtTest>

#include <QTemporaryDir>
#include <memory>

#include "game/qo_wav.h"
#include "game/wave_player.h"
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

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

class BrokenSoundsTest : public QObject {
  Q_OBJECT

 public:
  // Before QApplication: no run may reach a real sound server.
  static void initMain() { qputenv("PULSE_SERVER", "unix:/nonexistent/grotzel-test-pulse"); }

 private slots:
  void init() {
    cwd_ = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(cwd_->path()));
  }
  void cleanup() { QDir::setCurrent(QCoreApplication::applicationDirPath()); }

  void aWholeGamePlaysOnWithBrokenSounds_data();
  void aWholeGamePlaysOnWithBrokenSounds();

 private:
  std::unique_ptr<QTemporaryDir> cwd_;
};

void BrokenSoundsTest::aWholeGamePlaysOnWithBrokenSounds_data() {
  QTest::addColumn<bool>("withGameData");          // the game's own folder with its sounds
  QTest::addColumn<QStringList>("broken");         // names that must stay silent
  QTest::newRow("no sound file anywhere") << false << QStringList{kSounds[0], kSounds[1], kSounds[2], kSounds[3]};
  QTest::newRow("text file as dong.wav") << true << QStringList{"dong.wav"};
  QTest::newRow("every file cut in half") << true << QStringList{kSounds[0], kSounds[1], kSounds[2], kSounds[3]};
  QTest::newRow("header only") << true << QStringList{"zupiwlk.wav"};
  QTest::newRow("empty file") << true << QStringList{"pororin.wav"};
}

void BrokenSoundsTest::aWholeGamePlaysOnWithBrokenSounds() {
  QFETCH(bool, withGameData);
  QFETCH(QStringList, broken);
  const QString row = QTest::currentDataTag();
  for (const QString& name : broken) {
    const QByteArray good = ReadAll(kDataDir + '/' + name);
    QVERIFY2(good.size() > 100, "the generated sounds are built");
    if (row.startsWith("text")) Write(name, "this is not a sound\n");
    if (row.startsWith("every")) Write(name, good.left(good.size() / 2));
    if (row.startsWith("header")) Write(name, good.left(44));
    if (row.startsWith("empty")) Write(name, QByteArray());
  }
  QTemporaryDir noSounds;
  WavePlayer player({withGameData ? kDataDir : noSounds.path()});
  Tap tap(player);

  const test::ShortGameResult game = test::PlayShortGame();

  QCOMPARE(game.level, Integer{2});
  QCOMPARE(game.stageResult, kStageCrashed);
  QVERIFY(game.windowUnloaded);
  for (const char* name : kSounds) {
    QVERIFY2(tap.asked.contains(name), name);
    QCOMPARE(player.Source(name).isEmpty(), broken.contains(name));
  }
  player.StopAll();
}

QTEST_MAIN(BrokenSoundsTest)
#include "test_broken_sounds.moc"
