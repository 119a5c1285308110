// Form2, the certificate window: the character's picture framed in white on
// a pink window, over which the certificate sequence reveals the heading,
// the title "洞窟プロ!!", the text with the level reached and the OK button.
// The window only lays out its controls and reports the button's click by
// clearing IsRunning.
#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include "screens/controls.h"
#include "screens/form_window.h"

class Form2 : public zupi::FormWindow {
  Q_OBJECT

 public:
  // Builds the window from its layout, hidden, with the labels and the
  // button hidden too.
  explicit Form2(QWidget* parent = nullptr);

  // The window's background picture, drawn at its own size from the
  // top-left corner of the client area.
  const QPixmap& picture() const { return picture_; }

  // The controls, under the names the certificate sequence knows them by.
  ShapeControl* Shape1;    // the white frame around the picture
  LabelControl* Label1;    // "認    定"
  LabelControl* Label2;    // "洞窟プロ!!"
  LabelControl* Label3;    // the certificate text, two lines
  QPushButton* Command1;   // "O K"

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void createLabels();
  void Command1_Click();

  QPixmap picture_;
};

// Loads the certificate window, hidden, unless it is loaded already.
Form2* LoadForm2();
// The loaded certificate window, or nullptr.
Form2* LoadedForm2();
// Destroys the loaded certificate window at once; no close event is raised.
void UnloadForm2();
