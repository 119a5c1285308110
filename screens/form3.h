// Form3, the title window: the character on the left, then, one second
// later, the title lettering, a copyright line and the start button. The
// window only lays out its controls and reports the button's click by
// clearing IsRunning; the title sequence reveals the controls and unloads
// the window.
#pragma once

#include <QPushButton>
#include <QWidget>

#include "screens/controls.h"
#include "screens/form_window.h"

class Form3 : public zupi::FormWindow {
  Q_OBJECT

 public:
  // Builds the window from its layout, hidden, with every control but the
  // character hidden too.
  explicit Form3(QWidget* parent = nullptr);

  // The controls, under the names the title sequence knows them by.
  ImageControl* Image1;    // the character; its picture comes from Form1
  ImageControl* Image2;    // the title lettering
  LabelControl* Label1;    // the copyright line
  QPushButton* Command1;   // "Start Game"

 private:
  void Command1_Click();
};

// Loads the title window, hidden, unless it is loaded already; returns it.
Form3* LoadForm3();
// The loaded title window, or nullptr.
Form3* LoadedForm3();
// Destroys the loaded title window at once; no close event is raised.
void UnloadForm3();
