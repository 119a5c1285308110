// Tests for the sound module: the generated sound files, the look-up of a
// bare file name, the WAV check that keeps broken files away from
// QSoundEffect, and the player with broken files and no sound server.
// PULSE_SERVER points nowhere, so nothing is heard while the tests run.
#include <QtTest>

#include <QTemporaryDir>
#include <memory>
#include <stdexcept>

#include "game/qo_wav.h"
#include "game/wave_player.h"

using namespace zupi;

namespace {

const QString kDataDir = QStringLiteral(GROTZEL_BUILD_DATA_DIR);

QByteArray Le(quint32 value, int bytes) {
  QByteArray out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xff);
  return out;
}

// A WAV file of silence: `declared` data bytes in the header, `actual` after it.
QByteArray WaveBytes(int declared, int actual, int format = 1, int channels = 1,
                     int bits = 16, const QByteArray& chunkBeforeData = {}) {
  const int frame = channels * bits / 8;
  QByteArray fmt = Le(format, 2) + Le(channels, 2) + Le(22050, 4) + Le(22050 * frame, 4) +
                   Le(frame, 2) + Le(bits, 2);
  QByteArray body = "WAVEfmt " + Le(16, 4) + fmt + chunkBeforeData + "data" + Le(declared, 4) +
                    QByteArray(actual, '\0');
  return "RIFF" + Le(body.size(), 4) + body;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// The format and samples of a WAV file with the 44-byte header that
// make_sounds writes.
struct Pcm {
  int format = 0, channels = 0, rate = 0, bits = 0;
  QList<qint16> samples;
};
Pcm ReadPcm(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray b = file.readAll();
  if (b.size() < 44 || b.mid(36, 4) != "data") return {};
  const char* h = b.constData();
  Pcm pcm{qFromLittleEndian<quint16>(h + 20), qFromLittleEndian<quint16>(h + 22),
          int(qFromLittleEndian<quint32>(h + 24)), qFromLittleEndian<quint16>(h + 34), {}};
  for (qsizetype i = 44; i + 1 < b.size(); i += 2) pcm.samples << qFromLittleEndian<qint16>(h + i);
  return pcm;
}

struct ThrowingOutput : WaveOutput {
  int calls = 0;
  void Play(std::string_view) override { ++calls; throw std::runtime_error("no speaker"); }
  void StopAll() override {}
};

}  // namespace

class SoundTest : public QObject {
  Q_OBJECT

 public:
  // Before QCoreApplication: no test run may reach a real sound server.
  static void initMain() { qputenv("PULSE_SERVER", "unix:/nonexistent/grotzel-test-pulse"); }

 private slots:
  // Each test runs in an empty current directory of its own.
  void init() {
    cwd_ = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(cwd_->path()));
  }
  void cleanup() { QDir::setCurrent(QCoreApplication::applicationDirPath()); }

  // QSoundEffect needs 16-bit PCM; a step sound that clicks or booms on
  // every step, or a silent file, would be a build fault nobody hears in CI.
  void generatedSoundsAreShortQuietMono16BitPcm_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"nirorop.wav", "pororin.wav", "dong.wav", "zupiwlk.wav"})
      QTest::newRow(name) << QString::fromLatin1(name);
  }
  void generatedSoundsAreShortQuietMono16BitPcm() {
    QFETCH(QString, name);
    const QString path = kDataDir + '/' + name;
    const Pcm pcm = ReadPcm(path);
    QCOMPARE(pcm.format, 1);
    QCOMPARE(pcm.channels, 1);
    QCOMPARE(pcm.bits, 16);
    QVERIFY(pcm.rate == 44100 || pcm.rate == 22050);
    QVERIFY(!pcm.samples.isEmpty() && pcm.samples.size() < pcm.rate * 3 / 2);
    int peak = 0;
    for (qint16 s : pcm.samples) peak = qMax(peak, qAbs(int(s)));
    QVERIFY2(peak > 1600, "silent");
    QVERIFY2(peak < 32000, "clipped");
    QVERIFY2(qAbs(pcm.samples.first()) < 300 && qAbs(pcm.samples.last()) < 300, "clicks");
    QVERIFY(IsPlayableWave(path));
  }

  // A cut or odd-sized data chunk leaves QSoundEffect loading for ever,
  // which then blocks the destruction of every other effect.
  void wavCheckRejectsWhatTheDecoderWouldStallOn_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("playable");
    QTest::newRow("complete") << WaveBytes(1000, 1000) << true;
    QTest::newRow("8-bit stereo") << WaveBytes(1000, 1000, 1, 2, 8) << true;
    QTest::newRow("chunk before data") << WaveBytes(8, 8, 1, 1, 16, "LIST" + Le(3, 4) + "abc" + '\0') << true;
    QTest::newRow("cut short") << WaveBytes(4000, 1000) << false;
    QTest::newRow("part frame") << WaveBytes(1001, 1001) << false;
    QTest::newRow("no samples") << WaveBytes(0, 0) << false;
    QTest::newRow("float samples") << WaveBytes(1000, 1000, 3, 1, 32) << false;
    QTest::newRow("header only") << WaveBytes(1000, 1000).left(30) << false;
    QTest::newRow("text") << QByteArray("not a sound at all\n") << false;
    QTest::newRow("empty") << QByteArray() << false;
  }
  void wavCheckRejectsWhatTheDecoderWouldStallOn() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, playable);
    WriteFile("x.wav", bytes);
    QCOMPARE(IsPlayableWave("x.wav"), playable);
    QVERIFY(!IsPlayableWave("missing.wav"));
  }

  void lookupTakesTheFirstFolderThatHoldsTheFile() {
    QTemporaryDir a, b;
    QDir(a.path()).mkdir("x.wav");  // a folder of that name does not count
    WriteFile(b.filePath("x.wav"), "b");
    QCOMPARE(FindWave("x.wav", {a.path(), b.path()}), b.filePath("x.wav"));
    QVERIFY(QDir(a.path()).rmdir("x.wav"));
    WriteFile(a.filePath("x.wav"), "a");
    QCOMPARE(FindWave("x.wav", {a.path(), b.path()}), a.filePath("x.wav"));
    QCOMPARE(FindWave("x.wav", {b.path(), a.path()}), b.filePath("x.wav"));
    QVERIFY(FindWave("z.wav", {a.path(), b.path()}).isEmpty());
  }

  void playWaveIsHarmlessWithoutOutputOrWithAFailingOne() {
    SetWaveOutput(nullptr);
    PlayWave("dong.wav");
    ThrowingOutput failing;
    SetWaveOutput(&failing);
    PlayWave("dong.wav");
    SetWaveOutput(nullptr);
    QCOMPARE(failing.calls, 1);
  }

  // Files in the current directory win over the game's own, even broken
  // ones; those stay silent, and the player still goes away cleanly.
  void playerLooksInTheCurrentDirFirstAndSkipsBrokenFiles() {
    WriteFile("dong.wav", "not a sound\n");
    WriteFile("pororin.wav", WaveBytes(40000, 1000));
    WriteFile("nirorop.wav", WaveBytes(1000, 1000));
    {
      WavePlayer player({kDataDir});
      QVERIFY(player.Source("dong.wav").isEmpty());
      QVERIFY(player.Source("pororin.wav").isEmpty());
      QCOMPARE(player.Source("nirorop.wav"), QDir::current().filePath("nirorop.wav"));
      QCOMPARE(player.Source("zupiwlk.wav"), kDataDir + "/zupiwlk.wav");
      for (const char* name : {"dong.wav", "pororin.wav", "nirorop.wav", "zupiwlk.wav", "none.wav",
                               "dong.wav", "none.wav", "nirorop.wav"})
        player.Play(name);
      QVERIFY(player.Source("none.wav").isEmpty());
      player.StopAll();
    }
  }

  // Without a server there is no device: effects load but never finish
  // playing. Replaying and stopping must still work, and the player must
  // still go away without hanging.
  void playerPlaysTheGameSoundsWithoutASoundServer() {
    WavePlayer player({kDataDir});
    SetWaveOutput(&player);
    for (const char* name : {"nirorop.wav", "pororin.wav", "dong.wav", "zupiwlk.wav"}) {
      QCOMPARE(player.Source(name), kDataDir + '/' + name);
      PlayWave(name);
      PlayWave(name);
    }
    QTest::qWait(200);  // lets the samples finish loading before the replays
    PlayWave("zupiwlk.wav");
    PlayWave("dong.wav");
    QCOMPARE(player.Source("dong.wav"), kDataDir + "/dong.wav");
    player.StopAll();
    SetWaveOutput(nullptr);
  }

 private:
  std::unique_ptr<QTemporaryDir> cwd_;
};

QTEST_GUILESS_MAIN(SoundTest)
#include "test_sound.moc"
