// The game flow without a display: one object stands in for the event
// loop, the three windows and the speaker. It counts wait passes (100 ms
// each) instead of sleeping, delivers the keys and clicks a test plans, and
// writes down what a player notices whenever the flow hands over to the
// event loop, as real windows paint only then: what shows anew and what
// went, the sounds, what a screen reader was told ("1.0 shows start
// button", "1.0 hears dong.wav"). A broken expectation, a wait nothing could
// end, or a run without end stops the run by throwing; Go() says why.
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
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

// A caption as a player reads it: its lines, trimmed, one space between.
inline std::string Read(const std::string& caption) {
  std::string text;
  for (char c : caption) {
    if (c == '\r' || ((c == '\n' || c == ' ') && (text.empty() || text.back() == ' '))) continue;
    text += c == '\n' ? ' ' : c;
  }
  return text;
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
    std::string end;
    try {
      body(host());
    } catch (const ProgramEnd&) { end = "end"; } catch (const RunStopped& stop) {
      end = "pass " + std::to_string(pass_) + ": " + stop.why;
    }
    Notice();
    return end;
  }

  // The player's hands.
  void Press(Integer key) {
    Expect(game.loaded && game.shown, "a key pressed with no game window shown");
    MoveByKey(game, *this, key);
  }
  void ClickStart() {
    if (title.loaded && title.revealed.count(int(TitlePart::Command1))) Form3Command1Click(*this);  // else not there
  }
  void ClickOk() {
    if (certificate.loaded && certificate.revealed.count(int(CertificatePart::Command1))) Form2Command1Click();
  }
  void CloseByUser() { CloseRule(*this, *this, kUnloadByUser); }

  std::vector<std::string> Noticed(const std::string& part) const {
    std::vector<std::string> lines;
    for (const std::string& line : noticed)
      if (line.find(part) != std::string::npos) lines.push_back(line);
    return lines;
  }

  // EventSource: every handling of events is a moment the windows paint.
  void DoEvents() override {
    Notice();
    while (!plan_.empty() && plan_.begin()->first <= pass_) {
      auto action = std::move(plan_.begin()->second);
      plan_.erase(plan_.begin());
      action();
    }
  }
  void HandleEventsForAPass() override {
    Notice();
    Expect(++pass_ < kPassLimit, "the run goes on without end");
  }
  void WaitForEvents() override {
    Notice();
    Expect(++waits_ < kPassLimit, "the run goes on without end");
    if (!plan_.empty() && plan_.begin()->first <= pass_) return DoEvents();
    if (whenIdle && whenIdle()) return;
    Expect(!plan_.empty(), "waits for an event that nothing plans");
    pass_ = std::max(pass_, plan_.begin()->first);
    DoEvents();
  }
  void EndProgram() override {
    for (Form* form : forms_) form->shown = false;
    ended_ = true;
    throw ProgramEnd{};
  }

  // WaveOutput
  void Play(std::string_view name) override { heard.emplace_back(name); }
  void StopAll() override { heard.emplace_back("silence"); }

  // The three windows, fresh on each load. What shows of one is a row of
  // fixed places, the window first, "" where nothing shows; none while hidden.
  struct Form : Window {
    Form(ScriptedRun& run, const char* name) : name(name), run_(run) { run.forms_.push_back(this); }
    void Show() override { Use(), shown = true; }
    void CenterForm() override { Use(), centred = true; }
    void Use() const { Expect(loaded, name + " used while not loaded"); }
    virtual void Fresh() { shown = centred = false, revealed.clear(); }
    virtual std::vector<std::string> Parts() const = 0;
    std::vector<std::string> Seen() const {
      if (!shown) return {};
      std::vector<std::string> seen = Parts();
      seen.insert(seen.begin(), name + (centred ? ", centred" : ""));
      return seen;
    }
    // `how` when `part` is revealed.
    std::string Revealed(int part, std::string how) const { return revealed.count(part) ? how : ""; }
    bool loaded = false, shown = false, centred = false;
    std::set<int> revealed;
    const std::string name;

   protected:
    ScriptedRun& run_;
  };

  struct Game : Form, GameWindow {
    using Form::Form;
    void Show() override { Form::Show(); }
    void CenterForm() override { Form::CenterForm(); }
    void SetLabel2(const std::string& caption) override { Use(), label2 = caption; }
    bool GameOverVisible() const override { return gameOver; }
    void SetGameOverVisible(bool visible) override { Use(), gameOver = visible; }
    void StageBegins(const std::string& stage) override { Tell(stage); }
    void GameOver() override { Tell("game over"); }
    // "bump at 3,5, life 2"
    void KeyAnswered(KeyAnswer answer, int x, int y, int lampsLeft) override {
      Tell(std::array{"step", "bump", "goal"}[int(answer)] + (" at " + std::to_string(x)) + "," + std::to_string(y) +
           ", life " + std::to_string(lampsLeft));
    }
    // The board: each cell black (' '), passage ('#') or goal ('G').
    void SetBoardBackColor(Colour) override { Use(), board.assign(kBoardColumns * kBoardRows, ' '); }
    void SetBoardForeColor(Colour colour) override { fore = colour; }
    void FillBoardBox(int x1, int y1, int, int) override { FillBoardBoxIn(x1, y1, 0, 0, fore); }
    void FillBoardBoxIn(int x1, int y1, int, int, Colour colour) override {
      Use();
      board.at(std::size_t(x1 / kCellTwips + kBoardColumns * (y1 / kCellTwips))) = colour == RGB(0, 0, 0)         ? ' '
                                                                                   : colour == RGB(255, 255, 128) ? 'G'
                                                                                                                  : '#';
    }
    void SetIconLeft(int twips) override { Use(), iconLeft = twips; }
    void SetIconTop(int twips) override { Use(), iconTop = twips; }
    void ShowZupi(int index) override { Use(), face = index; }
    void ShowRousoku(int) override {}
    void SetSafeLight(int index, Colour colour) override { Use(), lamps.at(std::size_t(index)) = colour; }
    void Tell(const std::string& what) { Use(), run_.told.push_back(what); }

    void Fresh() override {
      Form::Fresh();
      label2.clear(), board.clear();
      gameOver = false, fore = -1, iconLeft = iconTop = face = -1;
      lamps.fill(kGreen);
    }
    std::vector<std::string> Parts() const override {
      const auto drawn = [this](char cell) { return board.find(cell) != std::string::npos; };
      const char* faces[] = {"Zupi looks normal", "Zupi looks startled", "Zupi looks hurt", "Zupi winks"};
      const std::string cell = std::to_string(iconLeft / kCellTwips) + "," + std::to_string(iconTop / kCellTwips);
      std::string colours = "lamps";
      for (Colour lamp : lamps) colours += lamp == kGreen ? " green" : " red";
      return {Read(label2),
              board.empty() ? ""
              : drawn('#')  ? "the cave lit"
              : drawn('G')  ? "only the goal"
                            : "a black board",
              face < 0 ? "" : faces[face],
              iconTop < 0 ? "" : "Zupi at " + cell,
              colours,
              gameOver ? "GAME OVER" : ""};
    }

    std::string label2, board;
    bool gameOver = false;
    Colour fore = -1;
    int iconLeft = -1, iconTop = -1;  // twips; not placed yet
    int face = -1;                    // none shown yet
    std::array<Colour, kLamps> lamps{kGreen, kGreen, kGreen};
  };

  struct Title : Form, TitleWindow {
    using Form::Form;
    void Show() override { Form::Show(); }
    void CenterForm() override { Form::CenterForm(); }
    void ShowImage1() override {
      Use(), image1 = true;
      Expect(run_.game.loaded, "the title's picture needs the game window loaded");
    }
    void Reveal(TitlePart part) override { Use(), revealed.insert(int(part)); }
    void Fresh() override { Form::Fresh(), image1 = false; }
    std::vector<std::string> Parts() const override {
      return {image1 ? "Zupi's picture" : "", Revealed(0, "title"), Revealed(1, "copyright"),
              Revealed(2, "start button")};
    }
    bool image1 = false;
  };

  struct Certificate : Form, CertificateWindow {
    using Form::Form;
    void Show() override { Form::Show(); }
    void CenterForm() override { Form::CenterForm(); }
    void SetLabel3(const std::string& caption) override { Use(), label3 = caption; }
    void Reveal(CertificatePart part) override { Use(), revealed.insert(int(part)); }
    void Fresh() override { Form::Fresh(), label3.clear(); }
    std::vector<std::string> Parts() const override {
      return {Revealed(0, "heading"), Revealed(1, "title"), Revealed(2, Read(label3)), Revealed(3, "OK button")};
    }
    std::string label3;
  };

  // Windows
  GameWindow& LoadForm1() override { return Load(game), game; }
  void UnloadForm1() override { Unload(game); }
  CertificateWindow& LoadForm2() override { return Load(certificate), certificate; }
  void UnloadForm2() override { Unload(certificate); }
  TitleWindow& LoadForm3() override { return Load(title), title; }
  void UnloadForm3() override { Unload(title); }

 private:
  std::vector<Form*> forms_;  // as they are made below

 public:
  Game game{*this, "game window"};
  Title title{*this, "title window"};
  Certificate certificate{*this, "certificate window"};
  std::vector<std::string> noticed;  // what the player noticed, in order
  std::vector<std::string> heard;    // the sounds started, in order; "silence" where it all stopped
  std::vector<std::string> told;     // what a screen reader was told, in order
  SeededRandom random;

  // Pass 25 is "2.5" seconds.
  static std::string Time(int pass) { return std::to_string(pass / 10) + "." + std::to_string(pass % 10); }
  // First what went, then what shows anew or otherwise.
  void Notice() {
    const std::string at = Time(pass_) + " ";
    std::vector<std::vector<std::string>> now;
    for (const Form* form : forms_) now.push_back(form->Seen());
    seen_.resize(now.size());
    for (std::size_t w = 0; w < now.size(); ++w)
      for (std::size_t place = 0; place < seen_[w].size(); ++place)
        if (now[w].empty() ? place == 0 : !seen_[w][place].empty() && now[w][place].empty())
          noticed.push_back(at + "hides " + (place == 0 ? forms_[w]->name : seen_[w][place]));
    for (std::size_t w = 0; w < now.size(); ++w)
      for (std::size_t place = 0; place < now[w].size(); ++place)
        if (!now[w][place].empty() && (seen_[w].empty() || seen_[w][place] != now[w][place]))
          noticed.push_back(at + "shows " + now[w][place]);
    for (; heardNoticed_ < heard.size(); ++heardNoticed_) noticed.push_back(at + "hears " + heard[heardNoticed_]);
    for (; toldNoticed_ < told.size(); ++toldNoticed_) noticed.push_back(at + "told " + told[toldNoticed_]);
    if (std::exchange(ended_, false)) noticed.push_back(at + "the program ends");
    seen_ = std::move(now);
  }

 private:
  void Load(Form& form) {
    if (!form.loaded) form.Fresh(), form.loaded = true;
  }
  void Unload(Form& form) { form.Use(), form.loaded = false, form.Fresh(); }

  std::multimap<int, std::function<void()>> plan_;
  int pass_ = 0;
  int waits_ = 0;
  std::vector<std::vector<std::string>> seen_;  // each window's, at the last paint
  std::size_t heardNoticed_ = 0, toldNoticed_ = 0;
  bool ended_ = false;
};

}  // namespace zupi::test
