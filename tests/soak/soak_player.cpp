// The soak's automatic player: what it does on each window, how it plans a
// game and a stage, and how it finds the way through a cave.
#include "tests/soak/soak_player.h"

#include <QFile>
#include <malloc.h>
// Its size in use is declared for Qt's own tests only, but exported.
#define Q_TEST_QPIXMAPCACHE
#include <QPixmapCache>
#include <QTest>
#include <algorithm>

#include "screens/form1.h"
#include "screens/form2.h"
#include "screens/form3.h"
#include "tests/support/auto_player.h"
#include "tests/support/driver.h"

namespace zupi::soak {
namespace {

// A stage that takes this many keys is stuck: the player gives up on it.
constexpr long kStuckKeys = 20000;

// Keys that mean nothing on the board, pressed now and then.
constexpr Qt::Key kIdleKeys[] = {Qt::Key_Space, Qt::Key_A,   Qt::Key_Z,      Qt::Key_Q,
                                 Qt::Key_5,     Qt::Key_Tab, Qt::Key_Return, Qt::Key_F1};

// The lit stage's way to the goal as Qt keys; empty when there is none.
std::vector<Qt::Key> WayToGoal() {
  std::vector<Qt::Key> way;
  for (Integer code : test::WayToGoal()) way.push_back(test::QtKey(code));
  return way;
}

// An arrow that runs into rock from the player's cell, or Key_unknown.
Qt::Key KeyIntoRock() { return test::QtKey(test::KeyIntoRock()); }

// Whether a window's control is on show.
bool Shown(const QWidget* form, const char* control) {
  return !test::Control<QWidget>(form, control)->isHidden();
}

}  // namespace

MemoryReading ReadMemory() {
  // Hand the allocator's free pages back first, so the reading follows the
  // memory in use rather than how fragmented the heap happens to be (under
  // heaptrack a long run leaks nothing per game, yet the raw figure wanders
  // by a megabyte from run to run).
  malloc_trim(0);
  MemoryReading reading;
  const struct mallinfo2 heap = mallinfo2();
  reading.heapInUseKb = static_cast<long>((heap.uordblks + heap.hblkhd) / 1024);
  reading.pixmapCacheMb = QPixmapCache::totalUsed();
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return reading;
  for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
    auto kb = [&line](int label) { return line.mid(label).trimmed().split(' ').value(0).toLong(); };
    if (line.startsWith("VmRSS:")) reading.residentKb = kb(6);
    if (line.startsWith("RssAnon:")) reading.anonymousKb = kb(8);
    if (line.startsWith("RssFile:")) reading.fileKb = kb(8);
  }
  return reading;
}

SoakPlayer::SoakPlayer(int games, int keysPerTick, std::uint32_t seed, GameChecks& checks)
    : games_(games), keysPerTick_(keysPerTick), rng_(seed), checks_(checks) {}

void SoakPlayer::Step() {
  if (closed_) return;
  if (Form2* certificate = test::Loaded<Form2>()) return OnCertificate(*certificate);
  if (Form3* title = test::Loaded<Form3>()) return OnTitle(*title);
  Form1* form = test::Loaded<Form1>();
  if (form == nullptr || form->isHidden()) return;
  if (IsRunning) return OnStage(*form);
  OnPause(*form);
}

void SoakPlayer::OnTitle(Form3& title) {
  if (!Shown(&title, "Command1")) return;
  if (tally_.games > 0) {  // the last game ended as planned, certified exactly from level 10
    checks_.Expect(Level == plan_.endLevel, "the game ends on the planned level");
    checks_.Expect(certificateSeen_ == (plan_.endLevel > 9), "a certificate exactly from level 10");
  }
  if (tally_.games == std::min(kWarmUpGames, games_)) memoryWarm_ = ReadMemory();
  if (tally_.games == games_) {
    memoryEnd_ = games_ <= kWarmUpGames ? memoryWarm_ : ReadMemory();
    closed_ = true;
    test::CloseByUser(&title);
    return;
  }
  plan_ = PlanGame();
  certificateSeen_ = false;
  ++tally_.games;
  test::ClickCommand1(&title);
}

void SoakPlayer::OnCertificate(Form2& certificate) {
  if (!Shown(&certificate, "Command1") || certificateSeen_) return;
  certificateSeen_ = true;
  ++tally_.certificates;
  test::ClickCommand1(&certificate);
}

// Mostly short games, a good share into the middle levels, a few to the
// certificate; the second game always reaches it, so that every window has
// been shown before memory is first measured.
SoakPlayer::Plan SoakPlayer::PlanGame() {
  Plan plan;
  const double kind = std::uniform_real_distribution<double>(0, 1)(rng_);
  if (tally_.games == 1 || kind < 0.03)
    plan.endLevel = static_cast<Integer>(Between(10, 11));
  else if (kind < 0.30)
    plan.endLevel = static_cast<Integer>(Between(4, 9));
  else
    plan.endLevel = static_cast<Integer>(Between(1, 3));
  plan.endInDark = Chance(0.5);
  plan.byBumps = Chance(0.5);
  return plan;
}

void SoakPlayer::BeginStage(Form1& form) {
  stage_ = Stage{};
  stage_.game = tally_.games;
  stage_.level = Level;
  stage_.dark = IsDark;
  ++tally_.stages;
  checks_.AtStageStart(form);
  if (!IsDark) way_ = WayToGoal();  // the dark stage walks it again
  stage_.last = Level == plan_.endLevel && IsDark == plan_.endInDark;
  const int bumps = Between(0, 2);
  for (int i = 0; i < bumps && !way_.empty(); ++i)
    stage_.bumpsAt.push_back(static_cast<std::size_t>(Between(0, static_cast<int>(way_.size()) - 1)));
  std::sort(stage_.bumpsAt.begin(), stage_.bumpsAt.end(), std::greater<>());
  if (!way_.empty()) stage_.endAt = static_cast<std::size_t>(Between(0, static_cast<int>(way_.size()) - 1));
}

void SoakPlayer::OnStage(Form1& form) {
  if (stage_.game != tally_.games || stage_.level != Level || stage_.dark != IsDark)
    BeginStage(form);
  for (int i = 0; i < keysPerTick_ && IsRunning; ++i) {
    bool escape = false;
    const Qt::Key key = NextKey(escape);
    const BeforeKey before = checks_.Snapshot();
    Press(form, key);
    checks_.AfterKey(form, before, escape);
    if (HitCount > before.hits) ++tally_.bumps;
  }
}

// The next key of the stage: the way, a planned bump, now and then a key
// that means nothing, and in the game's last stage the planned ending.
Qt::Key SoakPlayer::NextKey(bool& escape) {
  if (++stage_.keys > kStuckKeys || way_.empty()) {
    if (stage_.keys == kStuckKeys + 1) checks_.Fail("a stage is played to its end");
    escape = true;
    return Qt::Key_Escape;
  }
  if (stage_.last && stage_.next >= stage_.endAt) {
    const Qt::Key rock = KeyIntoRock();
    if (!plan_.byBumps || (rock == Qt::Key_unknown && stage_.next + 1 >= way_.size())) {
      escape = true;
      return Qt::Key_Escape;
    }
    if (rock != Qt::Key_unknown) return rock;
  }
  if (Chance(0.03)) return kIdleKeys[Between(0, static_cast<int>(std::size(kIdleKeys)) - 1)];
  if (!stage_.bumpsAt.empty() && stage_.bumpsAt.back() <= stage_.next) {
    stage_.bumpsAt.pop_back();
    const Qt::Key rock = KeyIntoRock();
    if (rock != Qt::Key_unknown && HitCount < 2) return rock;
  }
  return way_[std::min(stage_.next++, way_.size() - 1)];
}

// Between stages and while "GAME OVER" blinks: now and then a key, which
// the game must ignore.
void SoakPlayer::OnPause(Form1& form) {
  if (!Chance(0.05)) return;
  constexpr Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Left, Qt::Key_Right, Qt::Key_Space, Qt::Key_G};
  const BeforeKey before = checks_.Snapshot();
  Press(form, keys[Between(0, static_cast<int>(std::size(keys)) - 1)]);
  checks_.AfterKey(form, before, false);
}

void SoakPlayer::Press(Form1& form, Qt::Key key) {
  ++tally_.keys;
  QTest::keyClick(test::Control<QWidget>(&form, "Picture1"), key);
}

}  // namespace zupi::soak
