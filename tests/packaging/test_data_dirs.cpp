// Where the game looks for its sounds, worked out from the program's own
// folder with no machine's path built in, and the sounds' names, as the
// manual page gives them to players.
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

#include "app/data_dirs.h"
#include "game/sounds.h"

class TestDataDirs : public QObject {
  Q_OBJECT

 private slots:
  void shareFolderFirstThenDataBesideTheProgram_data() {
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QStringList>("dirs");
    QTest::addRow("Debian") << "/usr/games" << QStringList{"/usr/share/games/grotzel", "/usr/games/data"};
    QTest::addRow("make install") << "/usr/local/games/"
                                  << QStringList{"/usr/local/share/games/grotzel", "/usr/local/games/data"};
    QTest::addRow("build tree") << "/home/u/grotzel/build"
                                << QStringList{"/home/u/grotzel/share/games/grotzel", "/home/u/grotzel/build/data"};
    // Where the install rules put the program and the sounds.
    QTest::addRow("install rules") << "/opt/g/" GROTZEL_INSTALL_BINDIR
                                   << QStringList{"/opt/g/" GROTZEL_DATA_SUBDIR,
                                                  "/opt/g/" GROTZEL_INSTALL_BINDIR "/data"};
  }

  void shareFolderFirstThenDataBesideTheProgram() {
    QFETCH(QString, programDir);
    QFETCH(QStringList, dirs);
    QCOMPARE(zupi::DataDirsBeside(programDir), dirs);
  }

  // The build writes the sounds (test_sound reads them) into one folder and
  // the program into another; the program's own lookup must reach them.
  void builtProgramFindsTheBuiltSounds() {
    const QString programDir = QFileInfo(QStringLiteral(GROTZEL_PROGRAM)).absolutePath();
    const QString sounds = QDir::cleanPath(QStringLiteral(GROTZEL_BUILD_DATA_DIR));
    QVERIFY2(zupi::DataDirsBeside(programDir).contains(sounds), qPrintable(sounds));
  }

  // The sounds' names are the player's too: the manual page gives them, for
  // players who drop in sounds of their own.
  void manualPageNamesTheSounds() {
    QFile page(QStringLiteral(GROTZEL_MANUAL_PAGE));
    QVERIFY(page.open(QIODevice::ReadOnly));
    QStringList named, sounds;
    for (const QRegularExpressionMatch& name : QRegularExpression("[a-z]+\\.wav").globalMatch(page.readAll()))
      named << name.captured();
    for (const std::string_view sound : zupi::kAllSounds) sounds << QString::fromUtf8(sound);
    named.sort(), sounds.sort();
    QCOMPARE(named, sounds);
  }
};

QTEST_GUILESS_MAIN(TestDataDirs)
#include "test_data_dirs.moc"
