// What the three windows share as top-level windows: a caption, a fixed
// client area given in twips, a background colour, a thin non-resizable
// frame with a chosen set of title-bar buttons, and the program icon.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <utility>

namespace zupi {

enum class TitleButtons { CloseOnly, MinimiseAndClose };

struct FormStyle {
  QString caption;
  int widthTwips;
  int heightTwips;
  QColor background;
  TitleButtons buttons;
};

// Makes `form` a top-level window of the given style. Its own background
// colour is not passed on to the controls' system colours (see SystemColor).
void SetUpForm(QWidget* form, const FormStyle& style);

// Moves `window` so that its outer frame, the one the window manager draws,
// stands in the middle of the primary screen.
void CenterForm(QWidget& window);

// What the three windows have in common beyond their style: they are shown
// in front and active, also where no window manager activates new windows,
// their captions read the same whatever the locale, and a close request
// goes to the close rule.
class FormWindow : public QWidget {
 public:
  using QWidget::QWidget;
  void ShowWindow();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

// A window loaded and unloaded like the forms of the old toolkit: at most
// one at a time, created hidden from its layout on load, destroyed at once
// (no close event) on unload.
template <typename Form>
struct FormSlot {
  static inline Form* loaded = nullptr;
  static Form* Load() {
    if (loaded == nullptr) loaded = new Form;
    return loaded;
  }
  static void Unload() { delete std::exchange(loaded, nullptr); }
};

}  // namespace zupi
