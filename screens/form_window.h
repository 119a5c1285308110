// What the three windows share as top-level windows: a caption, a fixed
// client area given in twips, a background colour, a thin non-resizable
// frame with a chosen set of title-bar buttons, and the program icon.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

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

}  // namespace zupi
