// What the three windows share as top-level windows: a caption, a fixed
// client area given in twips, a background colour, a thin non-resizable
// frame with a chosen set of title-bar buttons, and the program icon.
#pragma once

#include <QColor>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include "game/event_source.h"
#include "game/qo_wav.h"
#include "game/random.h"

namespace zupi {

// What a window's handlers reach besides its own controls: the speaker (a
// step, a bump, the start button), the random sequence (the candle), and
// the event source through which a close by the user ends the program.
struct FormHost {
  EventSource& events;
  WaveOutput& sound;
  RandomSequence& random;
};

enum class TitleButtons { CloseOnly, MinimiseAndClose };

struct FormStyle {
  QString caption;
  QSize clientTwips;
  QColor background;
  TitleButtons buttons;
};

// Makes `form` a top-level window of the given style. Its own background
// colour is not passed on to the controls' system colours (see SystemColor).
void SetUpForm(QWidget* form, const FormStyle& style);

// Moves `window` so that its outer frame, the one the window manager draws,
// stands in the middle of the primary screen.
void CenterForm(QWidget& window);

// Where the top left corner of a window's outer frame, `outer` pixels in
// size, goes to stand centred on `screen`. Each axis is centred in twips by
// CenteredOffset.
QPoint CenteredFrameTopLeft(const QRect& screen, const QSize& outer);

// One axis of centring, in twips: the difference rounded (half to even) in
// single precision, then halved with the remainder dropped, so a window
// 151 twips wider than the screen gets -75.
int CenteredOffset(int screenTwips, int windowTwips);

// What the three windows have in common beyond their style: they are shown
// in front and active, also where no window manager activates new windows,
// their captions read the same whatever the locale, and a close request
// goes to the close rule.
class FormWindow : public QWidget {
 public:
  explicit FormWindow(const FormHost& host) : host_(host) {}
  void ShowWindow();
  // The program's own unload: closes the window by code, which the close
  // rule lets pass. Every other close ends the program.
  void Unload();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

  FormHost host_;

 private:
  bool unloadingByCode_ = false;
};

}  // namespace zupi
