// Main, the title sequence, the certificate sequence and the two button
// handlers. The handlers only clear IsRunning (and play a sound); the
// sequences do the rest between waits.
#include "game/program_cycle.h"

#include <cstdio>
#include <cstdlib>

#include "game/messages.h"
#include "game/pacing.h"
#include "game/play_game.h"
#include "game/qo_wav.h"
#include "game/random.h"
#include "game/sounds.h"
#include "game/windows.h"

namespace zupi {
namespace {

Windows* windows = nullptr;

// The first level that earns the certificate.
constexpr Integer kCertificateLevel = 10;

}  // namespace

void SetWindows(Windows* w) { windows = w; }

Windows& CurrentWindows() {
  if (windows == nullptr) {
    std::fputs("grotzel: no windows installed\n", stderr);
    std::abort();
  }
  return *windows;
}

void Main() {
  Randomize();
  for (;;) {
    ShowTitle();
    PlayGame();
    if (Level >= kCertificateLevel) ShowCertificate();
  }
}

void ShowTitle() {
  Windows& w = CurrentWindows();
  w.LoadForm1();  // the source of the character picture; its candle starts
  TitleWindow& title = w.LoadForm3();
  title.CenterForm();
  title.Show();
  title.ShowImage1();
  Wait(1.0f);
  PlayWave(kDongWav);
  title.Reveal(TitlePart::Image2);
  title.Reveal(TitlePart::Label1);
  title.Reveal(TitlePart::Command1);
  IsRunning = true;
  WaitWhileRunning();
  w.UnloadForm3();
}

void ShowCertificate() {
  Windows& w = CurrentWindows();
  IsRunning = true;
  w.LoadForm1();
  CertificateWindow& certificate = w.LoadForm2();
  certificate.CenterForm();
  certificate.Show();
  Wait(0.8f);
  certificate.Reveal(CertificatePart::Label1);
  PlayWave(kPororinWav);
  Wait(0.8f);
  certificate.Reveal(CertificatePart::Label2);
  PlayWave(kDongWav);
  certificate.SetLabel3(CertificateText(Level));
  certificate.Reveal(CertificatePart::Label3);
  certificate.Reveal(CertificatePart::Command1);
  WaitWhileRunning();
  w.UnloadForm2();
}

// The sound goes on playing while the title closes and the game begins.
void Form3Command1Click() {
  IsRunning = false;
  PlayWave(kNiroropWav);
}

void Form2Command1Click() { IsRunning = false; }

}  // namespace zupi
