// The program cycle on the real windows: the title's and certificate's
// reveal order, the certificate only after a game that reached level 10,
// and the close rule: a close by the user ends the program in every phase
// and nothing of the game runs after it, while the program's own unloads
// pass.
#include <QtTest>

#include "game/messages.h"
#include "game/pacing.h"
#include "game/program_cycle.h"
#include "game/program_end.h"
#include "game/random.h"
#include "screens/form1.h"
#include "screens/form2.h"
#include "screens/form3.h"
#include "screens/query_unload.h"
#include "tests/support/auto_player.h"
#include "tests/support/driver.h"
#include "tests/support/recorders.h"

using namespace zupi;
using namespace zupi::test;

namespace {

bool Shown(const QWidget* w) { return !w->isHidden(); }

}  // namespace

class ProgramCycleTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    SetWaitPassLength(std::chrono::milliseconds(1));
    SetEndAction([] {});
    SetQueryUnloadHandler(CloseRule);
  }
  void init() {
    ResetGameState();
    ResetProgramEnd();
  }
  void cleanup() {
    UnloadForm1();
    UnloadForm2();
    UnloadForm3();
  }

  // The title: picture and text and the "dong" only after the pause, the
  // button last; the game window loaded behind it, unseen.
  void titleShowsItsButtonOnlyAfterThePause() {
    RecordingSpeaker speaker;
    bool sawEarly = false, clicked = false;
    Driver driver([&] {
      Form3* title = LoadedForm3();
      if (title == nullptr || clicked) return;
      QVERIFY(LoadedForm1() != nullptr && LoadedForm1()->isHidden());
      if (!Shown(title->Command1)) {
        sawEarly = true;
        QVERIFY(!Shown(title->Image2) && !Shown(title->Label1));
        QVERIFY(speaker.played.empty());
        return;
      }
      QVERIFY(Shown(title->Image2) && Shown(title->Label1));
      QCOMPARE(speaker.played, std::vector<std::string>{"dong.wav"});
      clicked = true;
      QTest::mouseClick(title->Command1, Qt::LeftButton);
    });
    ShowTitle();
    QVERIFY(sawEarly && clicked);
    QVERIFY(LoadedForm3() == nullptr);
    QCOMPARE(speaker.Last(), std::string("nirorop.wav"));
  }

  // The certificate: Label1 before Label2, Label3 with the level and the
  // button last, after the fanfare and the "dong".
  void certificateRevealsTextThenButton() {
    RecordingSpeaker speaker;
    Level = 12;
    bool clicked = false;
    int stepsBeforeButton = 0;
    Driver driver([&] {
      Form2* certificate = LoadedForm2();
      if (certificate == nullptr || clicked) return;
      if (!Shown(certificate->Command1)) {
        ++stepsBeforeButton;
        QVERIFY(!Shown(certificate->Label3));
        QVERIFY(Shown(certificate->Label1) || !Shown(certificate->Label2));
        return;
      }
      QCOMPARE(certificate->Label3->caption(), QString::fromStdString(CertificateText(12)));
      QVERIFY(Shown(certificate->Label1) && Shown(certificate->Label2) && Shown(certificate->Label3));
      QCOMPARE(speaker.played, (std::vector<std::string>{"pororin.wav", "dong.wav"}));
      clicked = true;
      QTest::mouseClick(certificate->Command1, Qt::LeftButton);
    });
    ShowCertificate();
    QVERIFY(clicked && stepsBeforeButton > 0);
    QVERIFY(LoadedForm2() == nullptr);
    QVERIFY(LoadedForm1() != nullptr);  // reloaded for the next title, hidden
  }

  // Games ending on level 1 and level 10: only the second earns the
  // certificate, and each game comes back to the title.
  void certificateFollowsOnlyAGameThatReachedLevel10() {
    RecordingSpeaker speaker;
    int games = 0, titles = 0;
    std::vector<int> certificateLevels;
    bool inTitle = false;
    Driver driver([&] {
      if (Form2* certificate = LoadedForm2()) {
        if (!Shown(certificate->Command1)) return;
        certificateLevels.push_back(Level);
        return QTest::mouseClick(certificate->Command1, Qt::LeftButton);
      }
      if (Form3* title = LoadedForm3()) {
        titles += !inTitle;
        inTitle = true;
        if (!Shown(title->Command1)) return;
        if (games == 2) return CloseByUser(title);  // the third title: enough
        ++games;
        return QTest::mouseClick(title->Command1, Qt::LeftButton);
      }
      inTitle = false;
      if (LoadedForm1() == nullptr || !IsRunning) return;
      Press(games == 1 || Level == 10 ? kKeyEscape : KeyTowardsGoal());
    });
    Main();
    QVERIFY(ProgramEnded());
    QCOMPARE(titles, 3);
    QCOMPARE(certificateLevels, std::vector<int>{10});
  }

  // A close by the user in any phase ends the program: the sound stops
  // once, every window goes, and no sound or level change follows.
  void closingByTheUserEndsEveryPhase_data() {
    QTest::addColumn<QString>("phase");
    for (const char* phase : {"title pause", "title wait", "stage", "goal sequence", "game over", "certificate"})
      QTest::newRow(phase) << QString(phase);
  }
  void closingByTheUserEndsEveryPhase() {
    QFETCH(QString, phase);
    RecordingSpeaker speaker;
    bool closed = false;
    std::size_t soundsAtClose = 0;
    Integer levelAtClose = 0;
    auto close = [&](QWidget* window) {
      closed = true;
      soundsAtClose = speaker.played.size();
      levelAtClose = Level;
      CloseByUser(window);
    };
    Driver driver([&] {
      if (closed) return;
      if (Form2* certificate = LoadedForm2()) {
        if (phase == "certificate") close(certificate);
        return;
      }
      if (Form3* title = LoadedForm3()) {
        if (phase == "title pause") return close(title);
        if (!Shown(title->Command1)) return;
        if (phase == "title wait") return close(title);
        return QTest::mouseClick(title->Command1, Qt::LeftButton);
      }
      Form1* game = LoadedForm1();
      if (game == nullptr || game->isHidden()) return;
      if (IsRunning) {
        if (phase == "stage") return close(game);
        if (phase == "game over" || (phase == "certificate" && Level == 10)) return Press(kKeyEscape);
        return Press(KeyTowardsGoal());
      }
      if (phase == "goal sequence" && StageResult == kStageGoal) return close(game);
      if (phase == "game over" && Shown(game->lblGameOver)) return close(game);
    });
    Main();
    QVERIFY(closed);
    QVERIFY(ProgramEnded());
    QCOMPARE(speaker.played.size(), soundsAtClose);
    QCOMPARE(Level, levelAtClose);
    QCOMPARE(speaker.stops, 1);
    for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY(!window->isVisible());
  }
};

QTEST_MAIN(ProgramCycleTest)
#include "test_program_cycle.moc"
