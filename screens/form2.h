// Form2, the certificate window: the character's picture framed in white on
// a pink window, over which the certificate sequence reveals the heading,
// the title "洞窟プロ!!", the text with the level reached and the OK button.
// The window only lays out its controls, does what the certificate sequence
// asks through CertificateWindow and passes the button's click on. Each
// control carries its layout name as its object name.
#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include "game/windows.h"
#include "screens/controls.h"
#include "screens/form_window.h"

class Form2 : public zupi::FormWindow, public zupi::CertificateWindow {
  Q_OBJECT

 public:
  // Builds the window from its layout, hidden, with the labels and the
  // button hidden too.
  explicit Form2(const zupi::FormHost& host);

  // The window's background picture, drawn at its own size from the
  // top-left corner of the client area.
  const QPixmap& picture() const { return picture_; }

  // zupi::CertificateWindow
  void Show() override { ShowWindow(); }
  void CenterForm() override;
  void SetLabel3(const std::string& caption) override;
  void Reveal(zupi::CertificatePart part) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void createLabels();

  ShapeControl* Shape1;   // the white frame around the picture
  LabelControl* Label1;   // "認    定"
  LabelControl* Label2;   // "洞窟プロ!!"
  LabelControl* Label3;   // the certificate text, two lines
  QPushButton* Command1;  // "O K"
  QPixmap picture_;
};
