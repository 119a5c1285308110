// The game flow without a display: one object stands in for the event
// loop, the three windows and the speaker, and with a seeded random
// sequence makes the host the flow runs on. It counts wait passes instead of
// sleeping, delivers the keys and clicks a test plans at the passes it plans
// them, and writes everything the flow asks of the windows and the speaker
// into a journal, each line stamped with its pass ("10 Form3 Image2"). A broken
// expectation, a wait that nothing could end, or a run that goes on too long
// stops the run at once by throwing; Go() catches it and says why.
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/host.h"
#include "game/program_end.h"
#include "player/move_by_key.h"
#include "tests/support/game_state.h"
#include "tests/support/scripted_random.h"

namespace zupi::test {

struct RunStopped {
  std::string why;
};

// Stops the run at once unless `ok`.
inline void Expect(bool ok, const std::string& what) {
  if (!ok) throw RunStopped{what};
}

class ScriptedRun : public EventSource, public Windows, public WaveOutput {
 public:
  static constexpr int kPassLimit = 100000;  // hours of play: a run stuck in waits

  explicit ScriptedRun(std::uint64_t seed = 1) : random(seed) { ResetGameState(); }
  ScriptedRun(const ScriptedRun&) = delete;
  ScriptedRun& operator=(const ScriptedRun&) = delete;

  // Plans `action` for the first handling of events at or after `pass`.
  void At(int pass, std::function<void()> action) { plan_.emplace(pass, std::move(action)); }
  // What the player does when a flag wait begins or goes on: true when it
  // did something; when not, time runs on to the next planned event.
  std::function<bool()> whenIdle;

  // What the flow runs on.
  Host host() { return {*this, *this, *this, random}; }

  // Runs `body` (PlayGame, Main, ...) on the host; returns "" when it
  // returned, "end" when the program ended, or why the run was stopped.
  std::string Go(const std::function<void(const Host&)>& body) {
    try {
      body(host());
      return "";
    } catch (const ProgramEnd&) {
      return "end";
    } catch (const RunStopped& stop) {
      return "pass " + std::to_string(pass_) + ": " + stop.why;
    }
  }

  // The player's hands.
  void Press(Integer key) {
    Expect(game.loaded && game.shown, "a key pressed with no game window shown");
    Note("key " + std::to_string(key));
    MoveByKey(game, *this, key);
  }
  void ClickStart() {
    if (title.loaded && title.revealed.count("Command1")) Form3Command1Click(*this);  // else not there to click
  }
  void ClickOk() {
    if (certificate.loaded && certificate.revealed.count("Command1")) Form2Command1Click();
  }
  void CloseByUser() { CloseRule(*this, *this, kUnloadByUser); }

  // The journal lines that contain `part`.
  std::vector<std::string> Lines(const std::string& part) const {
    std::vector<std::string> lines;
    for (const std::string& line : journal)
      if (line.find(part) != std::string::npos) lines.push_back(line);
    return lines;
  }
  void Note(const std::string& what) { journal.push_back(std::to_string(pass_) + " " + what); }

  // EventSource
  void DoEvents() override {
    while (!plan_.empty() && plan_.begin()->first <= pass_) {
      auto action = std::move(plan_.begin()->second);
      plan_.erase(plan_.begin());
      action();
    }
  }
  void HandleEventsForAPass() override {
    Expect(++pass_ < kPassLimit, "the run goes on without end");
  }
  void WaitForEvents() override {
    Expect(++waits_ < kPassLimit, "the run goes on without end");
    if (!plan_.empty() && plan_.begin()->first <= pass_) return DoEvents();
    if (whenIdle && whenIdle()) return;
    Expect(!plan_.empty(), "waits for an event that nothing plans");
    pass_ = std::max(pass_, plan_.begin()->first);
    DoEvents();
  }
  void EndProgram() override {
    Note("end");
    throw ProgramEnd{};
  }

  // WaveOutput
  void Play(std::string_view name) override { heard.emplace_back(name), Note(heard.back()); }
  void StopAll() override { Note("silence"); }

  // The stand-ins of the three windows.
  struct Form : Window {
    Form(ScriptedRun& run, const char* name) : run_(run), name_(name) {}
    void Show() override { Use("show"), shown = true; }
    void CenterForm() override { Use("centre"); }
    void ShowControl(const char* control) { revealed.insert(control), Use(control); }
    void Use(const std::string& what) {
      Expect(loaded, std::string(name_) + " used while not loaded");
      run_.Note(name_ + (" " + what));
    }
    bool loaded = false, shown = false;
    std::set<std::string> revealed;

   protected:
    ScriptedRun& run_;
    const char* name_;
  };

  // The game window, with what shows of it for the rules' checks: the
  // portrait, the icon, the lamps, and what a screen reader was told.
  struct Game : Form, GameWindow {
    using Form::Form;
    void Show() override { Form::Show(); }
    void CenterForm() override { Form::CenterForm(); }
    void SetLabel2(const std::string& caption) override {
      label2 = caption;
      Use("Label2 " + caption.substr(0, caption.find('\r')));
    }
    bool GameOverVisible() const override { return gameOver; }
    void SetGameOverVisible(bool visible) override {
      gameOver = visible;
      Use(visible ? "GAME OVER on" : "GAME OVER off");
    }
    void StageBegins(const std::string& stage) override { Tell(stage); }
    void GameOver() override { Tell("game over"); }
    // How a key's answer is told: "bump at 3,5, 2 lamps left".
    static std::string Answer(KeyAnswer answer, int x, int y, int lampsLeft) {
      return std::array{"step", "bump", "goal"}[int(answer)] + (" at " + std::to_string(x)) + "," +
             std::to_string(y) + ", " + std::to_string(lampsLeft) + " lamps left";
    }
    void KeyAnswered(KeyAnswer answer, int x, int y, int lampsLeft) override {
      Tell(Answer(answer, x, y, lampsLeft));
    }
    void SetBoardBackColor(Colour) override {}
    void SetBoardForeColor(Colour) override {}
    void FillBoardBox(int, int, int, int) override {}
    void FillBoardBoxIn(int, int, int, int, Colour) override {}
    void SetIconLeft(int twips) override { iconLeft = twips; }
    void SetIconTop(int twips) override {
      iconTop = twips;
      Use("icon " + std::to_string(iconLeft / kCellTwips) + "," + std::to_string(twips / kCellTwips));
    }
    void ShowZupi(int index) override { face = index, Use("imgZupi " + std::to_string(index)); }
    void ShowRousoku(int) override {}
    void SetSafeLight(int index, Colour colour) override {
      lamps.at(static_cast<std::size_t>(index)) = colour;
      Use("SafeLight " + std::to_string(index) + (colour == kGreen ? " green" : " red"));
    }
    int RedLamps() const { return int(std::count(lamps.begin(), lamps.end(), kRed)); }
    void Tell(const std::string& what) { told.push_back(what), Use("told " + what); }

    std::string label2;
    bool gameOver = false;
    int iconLeft = 0, iconTop = 0;
    int face = -1;  // none shown yet
    std::array<Colour, kLamps> lamps{kGreen, kGreen, kGreen};
    std::vector<std::string> told;
  };

  struct Title : Form, TitleWindow {
    using Form::Form;
    void Show() override { Form::Show(); }
    void CenterForm() override { Form::CenterForm(); }
    void ShowImage1() override {
      Expect(run_.game.loaded, "the title's picture needs the game window loaded");
      Use("Image1");
    }
    void Reveal(TitlePart part) override { ShowControl(std::array{"Image2", "Label1", "Command1"}[int(part)]); }
  };

  struct Certificate : Form, CertificateWindow {
    using Form::Form;
    void Show() override { Form::Show(); }
    void CenterForm() override { Form::CenterForm(); }
    void SetLabel3(const std::string& caption) override {
      label3 = caption;
      Use("Label3 set");
    }
    void Reveal(CertificatePart part) override {
      ShowControl(std::array{"Label1", "Label2", "Label3", "Command1"}[int(part)]);
    }
    std::string label3;
  };

  // Windows
  GameWindow& LoadForm1() override {
    if (Load(game)) game.gameOver = false;
    return game;
  }
  void UnloadForm1() override { Unload(game); }
  CertificateWindow& LoadForm2() override { return Load(certificate), certificate; }
  void UnloadForm2() override { Unload(certificate); }
  TitleWindow& LoadForm3() override { return Load(title), title; }
  void UnloadForm3() override { Unload(title); }

  Game game{*this, "Form1"};
  Title title{*this, "Form3"};
  Certificate certificate{*this, "Form2"};
  std::vector<std::string> journal;
  std::vector<std::string> heard;  // the sounds played, in order
  SeededRandom random;

 private:
  // A fresh window from its layout, unless it is loaded already.
  bool Load(Form& form) {
    if (form.loaded) return false;
    form.loaded = true;
    form.Use("load");
    return true;
  }
  void Unload(Form& form) {
    form.Use("unload");
    form.loaded = form.shown = false;
    form.revealed.clear();
  }

  std::multimap<int, std::function<void()>> plan_;
  int pass_ = 0;
  int waits_ = 0;
};

}  // namespace zupi::test
