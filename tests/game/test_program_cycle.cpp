// The program cycle on the real windows: the title's reveal and start, the
// certificate's reveal and text, the certificate only after a game that
// reached level 10, and the close rule: a close by the user ends the program
// in every phase and nothing of the game runs after it, while the program's
// own unloads pass.
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

void UnloadAll() {
  UnloadForm1();
  UnloadForm2();
  UnloadForm3();
}

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
  void cleanup() { UnloadAll(); }

  void titleShowsItsButtonOnlyAfterThePause();
  void certificateRevealsTextThenButton();
  void certificateFollowsOnlyAGameThatReachedLevel10();
  void closingByTheUserEndsEveryPhase_data();
  void closingByTheUserEndsEveryPhase();
};

void ProgramCycleTest::titleShowsItsButtonOnlyAfterThePause() {
  RecordingSpeaker speaker;
  bool sawEarly = false, clicked = false;
  Driver driver([&] {
    Form3* title = LoadedForm3();
    if (title == nullptr || clicked) return;
    QVERIFY(LoadedForm1() != nullptr && LoadedForm1()->isHidden());  // loaded, unseen
    QCOMPARE(title->Image1->picture().cacheKey(),
             LoadedForm1()->imgZupiSRC[kZupiNormal]->picture().cacheKey());
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
  QVERIFY(!IsRunning);
}

void ProgramCycleTest::certificateRevealsTextThenButton() {
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
      if (Shown(certificate->Label2)) QVERIFY(Shown(certificate->Label1));
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
  QCOMPARE(Level, Integer{12});
}

void ProgramCycleTest::certificateFollowsOnlyAGameThatReachedLevel10() {
  RecordingSpeaker speaker;
  int games = 0, titles = 0;
  std::vector<int> certificateLevels;
  bool inTitle = false;
  Driver driver([&] {
    if (Form2* certificate = LoadedForm2()) {
      if (Shown(certificate->Command1)) {
        certificateLevels.push_back(Level);
        QTest::mouseClick(certificate->Command1, Qt::LeftButton);
      }
      return;
    }
    if (Form3* title = LoadedForm3()) {
      if (!inTitle) ++titles;
      inTitle = true;
      if (!Shown(title->Command1)) return;
      if (games == 2) {
        CloseByUser(title);  // the third title: enough
        return;
      }
      ++games;
      QTest::mouseClick(title->Command1, Qt::LeftButton);
      return;
    }
    inTitle = false;
    if (LoadedForm1() == nullptr || !IsRunning) return;
    // The first game ends at once on level 1, the second on level 10.
    if (games == 1 || Level == 10) Press(kKeyEscape);
    else Press(KeyTowardsGoal());
  });
  Main();
  QVERIFY(ProgramEnded());
  QCOMPARE(titles, 3);
  QCOMPARE(certificateLevels, std::vector<int>{10});
}

void ProgramCycleTest::closingByTheUserEndsEveryPhase_data() {
  QTest::addColumn<QString>("phase");
  for (const char* phase : {"title pause", "title wait", "stage", "goal sequence", "game over", "certificate"})
    QTest::newRow(phase) << QString(phase);
}

void ProgramCycleTest::closingByTheUserEndsEveryPhase() {
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
      QTest::mouseClick(title->Command1, Qt::LeftButton);
      return;
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
  QCOMPARE(speaker.played.size(), soundsAtClose);  // nothing of the game ran after the close
  QCOMPARE(Level, levelAtClose);
  QCOMPARE(speaker.stops, 1);
  for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY(!window->isVisible());
}

QTEST_MAIN(ProgramCycleTest)
#include "test_program_cycle.moc"
