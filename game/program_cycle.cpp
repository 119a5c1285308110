// Main, the title sequence, the certificate sequence and the two button
// handlers. The handlers only clear IsRunning (and play a sound); the
// sequences do the rest between waits.
#include "game/program_cycle.h"

#include "game/messages.h"
#include "game/pacing.h"
#include "game/play_game.h"
#include "game/sounds.h"

namespace zupi {
namespace {

// The first level that earns the certificate.
constexpr Integer kCertificateLevel = 10;

}  // namespace

void Main(const Host& host) {
  host.random.Randomize();
  for (;;) {
    ShowTitle(host);
    PlayGame(host);
    if (Level >= kCertificateLevel) ShowCertificate(host);
  }
}

void ShowTitle(const Host& host) {
  host.windows.LoadForm1();  // the source of the character picture; its candle starts
  TitleWindow& title = host.windows.LoadForm3();
  title.CenterForm();
  title.Show();
  title.ShowImage1();
  Wait(host.events, 1.0f);
  PlayWave(host.sound, kDongWav);
  title.Reveal(TitlePart::Image2);
  title.Reveal(TitlePart::Label1);
  title.Reveal(TitlePart::Command1);
  IsRunning = true;
  WaitWhileRunning(host.events);
  host.windows.UnloadForm3();
}

void ShowCertificate(const Host& host) {
  IsRunning = true;
  host.windows.LoadForm1();
  CertificateWindow& certificate = host.windows.LoadForm2();
  certificate.CenterForm();
  certificate.Show();
  Wait(host.events, 0.8f);
  certificate.Reveal(CertificatePart::Label1);
  PlayWave(host.sound, kPororinWav);
  Wait(host.events, 0.8f);
  certificate.Reveal(CertificatePart::Label2);
  PlayWave(host.sound, kDongWav);
  certificate.SetLabel3(CertificateText(Level));
  certificate.Reveal(CertificatePart::Label3);
  certificate.Reveal(CertificatePart::Command1);
  WaitWhileRunning(host.events);
  host.windows.UnloadForm2();
}

// The sound goes on playing while the title closes and the game begins.
void Form3Command1Click(WaveOutput& sound) {
  IsRunning = false;
  PlayWave(sound, kNiroropWav);
}

void Form2Command1Click() { IsRunning = false; }

}  // namespace zupi
