// Main, the title sequence and the certificate sequence. The windows' button
// handlers only clear IsRunning (and play a sound); these sequences do the
// rest between waits.
#include "game/program_cycle.h"

#include <QString>

#include "game/messages.h"
#include "game/pacing.h"
#include "game/play_game.h"
#include "game/program_end.h"
#include "game/qo_wav.h"
#include "game/random.h"
#include "screens/form1.h"
#include "screens/form2.h"
#include "screens/form3.h"

namespace zupi {

void Main() {
  Randomize();
  while (!ProgramEnded()) {
    ShowTitle();
    if (ProgramEnded()) return;
    PlayGame();
    if (ProgramEnded()) return;
    if (Level > 9) ShowCertificate();
  }
}

void ShowTitle() {
  Form1* game = LoadForm1();  // the source of the character picture; its candle starts
  Form3* title = LoadForm3();
  CenterForm(*title);
  title->ShowWindow();
  title->Image1->setPicture(game->imgZupiSRC[kZupiNormal]->picture());
  Wait(1.0f);
  if (ProgramEnded()) return;
  PlayWave("dong.wav");
  title->Image2->show();
  title->Label1->show();
  title->Command1->show();
  IsRunning = true;
  WaitWhileRunning();
  if (ProgramEnded()) return;
  UnloadForm3();
}

void ShowCertificate() {
  IsRunning = true;
  LoadForm1();
  Form2* certificate = LoadForm2();
  CenterForm(*certificate);
  certificate->ShowWindow();
  Wait(0.8f);
  if (ProgramEnded()) return;
  certificate->Label1->show();
  PlayWave("pororin.wav");
  Wait(0.8f);
  if (ProgramEnded()) return;
  certificate->Label2->show();
  PlayWave("dong.wav");
  certificate->Label3->setCaption(QString::fromStdString(CertificateText(Level)));
  certificate->Label3->show();
  certificate->Command1->show();
  WaitWhileRunning();
  if (ProgramEnded()) return;
  UnloadForm2();
}

}  // namespace zupi
