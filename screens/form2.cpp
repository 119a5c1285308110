// The certificate window's layout, its background picture, its OK button
// and its load and unload.
#include "screens/form2.h"

#include <QPainter>

#include "game/zupi.h"
#include "screens/command_button.h"
#include "screens/fonts.h"
#include "screens/form_window.h"
#include "screens/pictures/picture_files.h"
#include "screens/twips.h"

using zupi::QColorOf;
using zupi::TwipsRect;

namespace {


const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");

// A hidden, centred, transparent label in the layout's colour and font.
LabelControl* CertificateLabel(QWidget* parent, const QRect& geometry, zupi::Colour colour,
                               const QFont& font) {
  auto* label = new LabelControl(parent);
  label->setGeometry(geometry);
  label->setTextColor(QColorOf(colour));
  label->setFont(font);
  label->setHorizontalAlignment(Qt::AlignHCenter);
  label->hide();
  return label;
}

}  // namespace

Form2::Form2(QWidget* parent)
    : FormWindow(parent), picture_(zupi::LoadPicture(zupi::Picture::Certificate)) {
  zupi::SetUpForm(this, {QStringLiteral("おめでとう!!"), 5220, 6690, QColorOf(16761087),
                         zupi::TitleButtons::CloseOnly});
  // The button has no font of its own.
  setFont(zupi::WindowDefaultFont());

  // Only the outline is drawn; the picture shows through the inside.
  Shape1 = new ShapeControl(ShapeControl::Kind::Rectangle, this);
  Shape1->setGeometry(TwipsRect(20, 0, 5175, 6015));
  Shape1->setBorderColor(Qt::white);
  Shape1->setBorderWidth(5);

  // Created in tab order: the three labels, then the button last.
  createLabels();
  Command1 = zupi::MakeCommandButton(QStringLiteral("&O K"), TwipsRect(4320, 5520, 735, 255), this);
  connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
  Command1->hide();
}

void Form2::createLabels() {
  Label1 = CertificateLabel(this, TwipsRect(240, 240, 4815, 1335), 16711680,
                            zupi::DesignFont(kGothic, 72, true));
  Label1->setCaption(QStringLiteral("認    定"));

  Label2 = CertificateLabel(this, TwipsRect(360, 3960, 4575, 1095), 255,
                            zupi::DesignFont(kGothic, 48, true, true));
  Label2->setCaption(QStringLiteral("洞窟プロ!!"));

  // Its caption is set by the certificate sequence before it shows.
  Label3 = CertificateLabel(this, TwipsRect(120, 6120, 4935, 495), 32768,
                            zupi::DesignFont(kGothic, 11.25, true));
}

// The pink background is already filled; the picture goes on top of it,
// unscaled, so the window's edges cut it off rather than squeeze it.
void Form2::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawPixmap(QPoint(0, 0), picture_);
}

// Ends the certificate's wait.
void Form2::Command1_Click() { zupi::IsRunning = false; }

Form2* LoadForm2() { return zupi::FormSlot<Form2>::Load(); }

Form2* LoadedForm2() { return zupi::FormSlot<Form2>::loaded; }

void UnloadForm2() { zupi::FormSlot<Form2>::Unload(); }
