// Takes the README's screenshots of the three windows from the real game:
// runs the program cycle with an automatic player and grabs each window at
// the moment worth showing — the title, a lit stage, a dark stage after a
// bump, GAME OVER, and the certificate after a game that reached level 10.
// Usage: make_screenshots OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "game/program_cycle.h"
#include "screens/fonts.h"
#include "tests/support/auto_player.h"
#include "tests/support/driver.h"

using namespace zupi;
using namespace zupi::test;

namespace {

QString outDir;
int saved = 0;

void Save(QWidget* window, const char* name) {
  const QString path = QDir(outDir).filePath(QString(name) + ".png");
  if (window->grab().save(path)) {
    std::printf("%s\n", qPrintable(path));
    ++saved;
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_screenshots OUTPUT_DIR\n");
    return 2;
  }
  outDir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(outDir);
  InstallFontSubstitutes();
  QtRun run;
  run.random.Seed(20261206);

  enum class Shot { Title, Lit, Dark, GameOver, Certificate, Done } next = Shot::Title;
  QElapsedTimer stageClock;
  int stepsInLit = 0;
  QTimer driver;  // a look every millisecond, from inside the game's waits
  QObject::connect(&driver, &QTimer::timeout, [&] {
    if (next == Shot::Done) return;
    if (Form2* certificate = run.forms.form2()) {
      if (Control<QWidget>(certificate, "Command1")->isHidden()) return;
      Save(certificate, "certificate");
      next = Shot::Done;
      CloseByUser(certificate);
      return;
    }
    if (Form3* title = run.forms.form3()) {
      if (Control<QWidget>(title, "Command1")->isHidden()) return;
      if (next == Shot::Title) {
        Save(title, "title");
        next = Shot::Lit;
      }
      ClickCommand1(title);
      return;
    }
    Form1* game = run.forms.form1();
    if (game == nullptr || game->isHidden()) return;
    if (next == Shot::GameOver && game->GameOverVisible()) {
      Save(game, "game-over");
      next = Shot::Certificate;
      return;
    }
    if (!IsRunning) return;
    if (next == Shot::Lit) {
      // A few steps in, then wait for the candle to light the passage.
      if (stepsInLit < 6) {
        ++stepsInLit;
        Press(run, KeyTowardsGoal());
        stageClock.start();
      } else if (stageClock.elapsed() > 600) {
        Save(game, "game-lit");
        next = Shot::Dark;
      }
      return;
    }
    if (next == Shot::Dark && IsDark) {
      if (HitCount == 0) {
        const Integer bump = PosX >= 3 ? KeyIntoRock() : 0;
        return Press(run, bump != 0 ? bump : KeyTowardsGoal());
      }
      Save(game, "game-dark");
      next = Shot::GameOver;
      return Press(run, kKeyEscape);
    }
    if (next == Shot::Certificate && Level == 10) return Press(run, kKeyEscape);
    Press(run, KeyTowardsGoal());
  });
  driver.start(1);
  run.Go(Main);
  return saved == 5 ? 0 : 1;
}
