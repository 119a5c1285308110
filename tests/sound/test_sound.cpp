// The sound module without a server (nothing is heard): the generated
// files, the WAV reader that refuses broken files and bounds their cost, the
// player's look-up, and the environment the sound server reads.
#include <QtTest>

#include <sys/inotify.h>
#include <unistd.h>

#include <memory>
#include <stdexcept>

#include "game/qo_wav.h"
#include "game/sounds.h"
#include "sound/wave_file.h"
#include "sound/wave_player.h"
#include "tests/support/sound_sandbox.h"

using namespace zupi;

namespace {

const QString kDataDir = QStringLiteral(GROTZEL_BUILD_DATA_DIR);

QByteArray Le(quint32 value, int bytes) {
  QByteArray out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xff);
  return out;
}

// A WAV file of silence: `declared` data bytes in the header, `actual` after it.
QByteArray WaveBytes(int declared, int actual, int format = 1, int bits = 16, const QByteArray& chunkBeforeData = {}) {
  const int frame = bits / 8;
  const QByteArray fmt = Le(format, 2) + Le(1, 2) + Le(22050, 4) + Le(22050 * frame, 4) + Le(frame, 2) + Le(bits, 2);
  const QByteArray body =
      "WAVEfmt " + Le(16, 4) + fmt + chunkBeforeData + "data" + Le(declared, 4) + QByteArray(actual, '\0');
  return "RIFF" + Le(body.size(), 4) + body;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

struct ThrowingOutput : WaveOutput {
  void Play(std::string_view) override { throw std::runtime_error("no speaker"); }
  void StopAll() override {}
};

}  // namespace

class SoundTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() { test::KeepAwayFromSoundServers(); }

 private slots:
  void init() { cwd_ = std::make_unique<test::ScratchDirectory>(); }
  void cleanup() { cwd_.reset(); }

  // The mixer is fed 16-bit PCM; a silent, clipped or clicking sound
  // would be a build fault nobody hears in CI. make_sounds writes a plain
  // 44-byte header.
  void generatedSoundsAreAudible16BitPcm() {
    for (const std::string_view sound : kAllSounds) {
      const char* name = sound.data();  // the names end in a NUL
      QFile file(kDataDir + '/' + name);
      QVERIFY2(file.open(QIODevice::ReadOnly), name);
      const QByteArray b = file.readAll();
      QVERIFY(b.size() > 44 && b.mid(36, 4) == "data");
      QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 20), 1);  // PCM
      QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 34), 16);
      QList<qint16> samples;
      for (qsizetype i = 44; i + 1 < b.size(); i += 2) samples << qFromLittleEndian<qint16>(b.constData() + i);
      int peak = 0;
      for (qint16 s : samples) peak = qMax(peak, qAbs(int(s)));
      QVERIFY2(peak > 1600 && peak < 32000, name);
      QVERIFY2(qAbs(samples.first()) < 300 && qAbs(samples.last()) < 300, "clicks");
      QVERIFY(LoadWave(name, {kDataDir}));
    }
  }

  // A cut, odd-sized or foreign file is refused, never half played.
  void wavCheckRefusesBrokenFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("playable");
    QTest::newRow("complete") << WaveBytes(1000, 1000) << true;
    QTest::newRow("chunk before data") << WaveBytes(8, 8, 1, 16, "LIST" + Le(3, 4) + "abc" + '\0') << true;
    QTest::newRow("cut short") << WaveBytes(4000, 1000) << false;
    QTest::newRow("part frame") << WaveBytes(1001, 1001) << false;
    QTest::newRow("no samples") << WaveBytes(0, 0) << false;
    QTest::newRow("float samples") << WaveBytes(1000, 1000, 3, 32) << false;
    QTest::newRow("header only") << WaveBytes(1000, 1000).left(30) << false;
    QTest::newRow("text") << QByteArray("not a sound at all\n") << false;
    QTest::newRow("empty") << QByteArray() << false;
  }
  void wavCheckRefusesBrokenFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, playable);
    WriteFile("x.wav", bytes);
    QCOMPARE(LoadWave("x.wav", {QDir::currentPath()}).has_value(), playable);
  }

  // A file may say it holds a gigabyte of sound: only the first minute is
  // read, and a short file is read whole.
  void readingAWaveIsBoundedByItsLength_data() {
    QTest::addColumn<qint64>("dataBytes");
    QTest::addColumn<qint64>("expected");
    const qint64 minute = qint64(kMaxWaveSeconds) * 22050 * 2;
    QTest::newRow("a second") << qint64(44100) << qint64(44100);
    QTest::newRow("1 GiB") << (qint64(1) << 30) << minute;
  }
  void readingAWaveIsBoundedByItsLength() {
    QFETCH(qint64, dataBytes);
    QFETCH(qint64, expected);
    QFile file("big.wav");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(WaveBytes(0, 0).left(40) + Le(quint32(dataBytes), 4));
    QVERIFY(file.resize(44 + dataBytes));  // sparse: costs no disk
    file.close();
    const std::optional<Wave> wave = ReadWave("big.wav");
    QVERIFY(wave.has_value());
    QCOMPARE(qint64(wave->samples.size()), expected);
    QCOMPARE(wave->sampleRate, 22050);
  }

  // A failing speaker must never stop the game.
  void playWaveIsHarmlessWithAFailingOutput() {
    ThrowingOutput failing;
    PlayWave(failing, kDongWav);
  }

  // The current directory is searched before the game's folders; a broken
  // file there is passed over for the game's own copy, as a missing one is.
  // Without a server, replaying, stopping and destroying must not hang.
  void playerPrefersTheCurrentDirAndSurvivesBrokenFiles() {
    WriteFile("dong.wav", "not a sound\n");
    WriteFile("pororin.wav", WaveBytes(40000, 1000));
    WriteFile("nirorop.wav", WaveBytes(1000, 1000));
    const auto source = [](std::string_view name) {  // the file that would play
      const std::optional<FoundWave> found = LoadWave(QString::fromUtf8(name), SoundFolders({kDataDir}));
      return found ? found->path : QString();
    };
    QCOMPARE(source(kDongWav), kDataDir + "/dong.wav");
    QCOMPARE(source(kPororinWav), kDataDir + "/pororin.wav");
    QCOMPARE(source(kNiroropWav), QDir::current().filePath("nirorop.wav"));
    QCOMPARE(source(kZupiwlkWav), kDataDir + "/zupiwlk.wav");
    WavePlayer player({kDataDir});
    for (const std::string_view name : kAllSounds)
      PlayWave(player, name), PlayWave(player, name);  // a replay before the sample has loaded
    PlayWave(player, "none.wav");
    QVERIFY(source("none.wav").isEmpty());
    QTest::qWait(200);
    for (const std::string_view name : kAllSounds) PlayWave(player, name);
    player.StopAll();
  }

  // A file checked and then read again could change in between and play
  // nothing: the look-up opens each file once and plays what it read.
  void eachFileIsReadOnce() {
    QVERIFY(QFile::copy(kDataDir + "/dong.wav", "dong.wav"));
    const int watch = inotify_init1(IN_NONBLOCK);
    // Closes too: the kernel folds an open straight after an unread open into one.
    QVERIFY(watch >= 0 && inotify_add_watch(watch, ".", IN_OPEN | IN_CLOSE) >= 0);
    const std::optional<FoundWave> found = LoadWave("dong.wav", SoundFolders({kDataDir}));
    alignas(inotify_event) char events[4096];
    const ssize_t length = read(watch, events, sizeof events);
    close(watch);
    QVERIFY(found && found->path == QDir::current().filePath("dong.wav"));
    QVERIFY(!found->wave.samples.empty());
    int opens = 0;
    for (ssize_t at = 0; at < length;) {
      const auto* event = reinterpret_cast<const inotify_event*>(events + at);
      opens += (event->mask & IN_OPEN) && event->len > 0 && QByteArray(event->name) == "dong.wav";
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
    QCOMPARE(opens, 1);
  }

  // The icon and the server's buffer are set before any thread starts; the
  // player, made once threads run, must not write the environment. The
  // buffer is small only where sound can run real-time; a player's own win.
  void thePlayerLeavesTheEnvironmentAlone() {
    const char* icon = "PULSE_PROP_application.icon_name";
    const char* buffer = "PULSE_LATENCY_MSEC";
    qunsetenv(icon);
    qunsetenv(buffer);
    { WavePlayer player({kDataDir}); }
    QVERIFY(!qEnvironmentVariableIsSet(icon));
    QVERIFY(!qEnvironmentVariableIsSet(buffer));
    PrepareSoundEnvironment();
    QCOMPARE(qgetenv(icon), QByteArray("grotzel"));
    if (geteuid() == 0) QCOMPARE(qgetenv(buffer), QByteArray("12"));
    qputenv(icon, "a-players-own");
    qputenv(buffer, "30");
    PrepareSoundEnvironment();
    QCOMPARE(qgetenv(icon), QByteArray("a-players-own"));
    QCOMPARE(qgetenv(buffer), QByteArray("30"));
    qunsetenv(buffer);
    qputenv("SDL_THREAD_PRIORITY_POLICY", "other");  // SDL's to set, so not known to be real-time
    PrepareSoundEnvironment();
    qunsetenv("SDL_THREAD_PRIORITY_POLICY");
    QCOMPARE(qgetenv(buffer), QByteArray("60"));
  }

 private:
  std::unique_ptr<test::ScratchDirectory> cwd_;
};

QTEST_GUILESS_MAIN(SoundTest)
#include "test_sound.moc"
