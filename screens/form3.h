// Form3, the title window: the character on the left, then, one second
// later, the title lettering, a copyright line and the start button. The
// window only lays out its controls, does what the title sequence asks
// through TitleWindow and passes the button's click on. Each control
// carries its layout name as its object name.
#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include "game/windows.h"
#include "screens/controls.h"
#include "screens/form_window.h"

class Form3 : public zupi::FormWindow, public zupi::TitleWindow {
  Q_OBJECT

 public:
  // Builds the window from its layout, hidden, with every control but the
  // character hidden too. `character` is the picture Image1 will show, the
  // game window's normal face.
  Form3(const zupi::FormHost& host, const QPixmap& character);

  // zupi::TitleWindow
  void Show() override { ShowWindow(); }
  void CenterForm() override;
  void ShowImage1() override;
  void Reveal(zupi::TitlePart part) override;

 private:
  ImageControl* Image1;   // the character; its picture comes from Form1
  ImageControl* Image2;   // the title lettering
  LabelControl* Label1;   // the copyright line
  QPushButton* Command1;  // "Start Game"
  QPixmap character_;
};
