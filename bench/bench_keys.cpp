// Key-down to repainted board, inside a real game: PlayGame sets up stage 1-A
// and waits in WaitWhileRunning with the candle ticking, and a driver presses
// arrow keys on the board from a timer, as a keyboard would while the loop
// sleeps. The clock runs from the key press until the window has finished
// the update in which the icon was painted on its new cell. The icon walks
// towards the goal and back along the same way, so it never arrives and
// every key moves it.
#include <QEvent>
#include <QTest>
#include <QTimer>
#include <string>

#include "bench/measures.h"
#include "game/pacing.h"
#include "game/play_game.h"
#include "game/random.h"
#include "player/move_by_key.h"
#include "screens/form1.h"
#include "tests/support/auto_player.h"
#include "tests/support/driver.h"

namespace bench {
namespace {

using zupi::Integer;

constexpr int kWarmUpKeys = 20;
constexpr int kKeys = 1000;

Integer Opposite(Integer code) {
  switch (code) {
    case zupi::kKeyLeft: return zupi::kKeyRight;
    case zupi::kKeyRight: return zupi::kKeyLeft;
    case zupi::kKeyUp: return zupi::kKeyDown;
    default: return zupi::kKeyUp;
  }
}

class KeyDriver : public QObject {
 public:
  KeyDriver() {
    watchdog_.setSingleShot(true);
    watchdog_.setInterval(2000);
    connect(&watchdog_, &QTimer::timeout, this, [this] { Fail("a key was not painted within 2 s"); });
    QTimer::singleShot(1, this, [this] { PressNext(); });
  }

  std::vector<double> latencies;  // ms, after the warm-up
  std::string error;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    Form1* form = run.forms.form1();
    if (!awaiting_ || form == nullptr) return false;
    if (object == Icon(form) && event->type() == QEvent::Paint) {
      iconPainted_ = Icon(form)->pos() == target_;
      return false;
    }
    if (object == form && event->type() == QEvent::UpdateRequest) {
      // Let the window paint and flush now, so the clock stops after it.
      static_cast<QObject*>(form)->event(event);
      if (iconPainted_) Done((Now() - start_) * 1e3);
      return true;
    }
    return false;
  }

 private:
  static QWidget* Icon(Form1* form) { return zupi::test::Control<QWidget>(form, "imgZupiIcon"); }

  void PressNext() {
    Form1* form = run.forms.form1();
    if (form == nullptr || !zupi::IsRunning) {
      QTimer::singleShot(1, this, [this] { PressNext(); });
      return;
    }
    if (!hooked_) {
      form->installEventFilter(this);
      Icon(form)->installEventFilter(this);
      hooked_ = true;
    }
    if (pressed_ == kWarmUpKeys + kKeys) return End();
    const Integer key = NextKey();
    if (key == 0) return Fail("no way to the goal in the cave");
    const QPoint before = Icon(form)->pos();
    iconPainted_ = false;
    awaiting_ = true;
    watchdog_.start();
    start_ = Now();
    QTest::keyPress(zupi::test::Control<QWidget>(form, "Picture1"), zupi::test::QtKey(key));
    target_ = Icon(form)->pos();
    if (target_ == before) Fail("a key did not move the icon");
  }

  // Along the shortest way to the goal, turning back one step before it.
  Integer NextKey() {
    if (!back_) {
      const Integer key = zupi::test::KeyTowardsGoal();
      if (key == 0) return 0;
      if (!(key == zupi::kKeyRight && zupi::PosX == 18)) {
        way_.push_back(key);
        return key;
      }
      back_ = true;
    }
    if (way_.empty()) {
      back_ = false;
      return NextKey();
    }
    const Integer key = Opposite(way_.back());
    way_.pop_back();
    return key;
  }

  void Done(double ms) {
    awaiting_ = false;
    watchdog_.stop();
    if (++pressed_ > kWarmUpKeys) latencies.push_back(ms);
    QTimer::singleShot(1, Qt::PreciseTimer, this, [this] { PressNext(); });
  }

  void Fail(const std::string& why) {
    error = why;
    End();
  }

  // Escape ends the game; its "GAME OVER" blinks in short passes.
  void End() {
    awaiting_ = false;
    watchdog_.stop();
    run.SetPass(std::chrono::milliseconds(1));
    if (run.forms.form1() != nullptr) zupi::test::Press(run, zupi::kKeyEscape);
  }

 public:
  zupi::test::QtRun run{std::chrono::milliseconds(100)};

 private:
  QTimer watchdog_;
  bool hooked_ = false;
  bool awaiting_ = false;
  bool iconPainted_ = false;
  bool back_ = false;
  int pressed_ = 0;
  double start_ = 0;
  QPoint target_;
  std::vector<Integer> way_;
};

}  // namespace

std::vector<Row> MeasureKeyToPaint(Notes& notes) {
  zupi::test::ResetGameState();
  KeyDriver driver;
  driver.run.random.Seed(99);
  zupi::PlayGame(driver.run.host());
  zupi::test::ResetGameState();

  const double median = Median(driver.latencies);
  Row medianRow{"key-down to painted board, median", median, "ms", "", kNone, kNone};
  Row p99{"key-down to painted board, p99", Percentile(driver.latencies, 99), "ms", "", kNone, 2};
  p99.reference = Format(median) + " ms median";
  p99.ratio = p99.value / median;
  if (!driver.error.empty()) {
    notes.push_back("key-down: FAILED: " + driver.error);
    medianRow.value = p99.value = kNone;
  }
  notes.push_back("key-down: " + std::to_string(driver.latencies.size()) +
                  " arrow keys in stage 1-A of PlayGame (candle ticking, no sound), QTest::keyPress "
                  "on the board to the end of the window's update.");
  return {medianRow, p99};
}

}  // namespace bench
