// The certificate window's layout, its background picture and what it
// does for the certificate sequence.
#include "screens/form2.h"

#include <QPainter>

#include "game/zupi.h"
#include "screens/command_button.h"
#include "screens/fonts.h"
#include "screens/form_window.h"
#include "screens/layouts.h"
#include "screens/pictures/picture_files.h"
#include "screens/twips.h"

using zupi::QColorOf;
using zupi::TwipsRect;

namespace {

const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");

// The layout's colours, in the 0x00BBGGRR form.
constexpr zupi::Colour kBackground = 16761087;   // red 255, green 192, blue 255: pink
constexpr zupi::Colour kHeadingText = 16711680;  // red 0, green 0, blue 255: blue
constexpr zupi::Colour kTitleText = 255;         // red 255, green 0, blue 0: red
constexpr zupi::Colour kLevelText = 32768;       // red 0, green 128, blue 0: green

// A hidden, centred, transparent label in the layout's colour and font.
LabelControl* CertificateLabel(QWidget* parent, const char* name, const QRect& geometry, zupi::Colour colour,
                               const QFont& font) {
  auto* label = new LabelControl(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setTextColor(QColorOf(colour));
  label->setFont(font);
  label->setHorizontalAlignment(Qt::AlignHCenter);
  label->hide();
  return label;
}

}  // namespace

Form2::Form2(const zupi::FormHost& host) : FormWindow(host), picture_(zupi::LoadPicture(zupi::Picture::Certificate)) {
  zupi::SetUpForm(this, {QStringLiteral("おめでとう!!"), zupi::kCertificateWindowTwips, QColorOf(kBackground),
                         zupi::TitleButtons::CloseOnly});
  // The button has no font of its own.
  setFont(zupi::WindowDefaultFont());

  // Only the outline is drawn; the picture shows through the inside.
  Shape1 = new ShapeControl(ShapeControl::Kind::Rectangle, this);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setGeometry(TwipsRect(20, 0, 5175, 6015));
  Shape1->setBorderColor(Qt::white);
  Shape1->setBorderWidth(5);

  // Created in tab order: the three labels, then the button last.
  createLabels();
  Command1 = zupi::MakeCommandButton(QStringLiteral("&O K"), TwipsRect(4320, 5520, 735, 255), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  connect(Command1, &QPushButton::clicked, this, [] { zupi::Form2Command1Click(); });
  Command1->hide();
}

void Form2::createLabels() {
  Label1 = CertificateLabel(this, "Label1", TwipsRect(240, 240, 4815, 1335), kHeadingText,
                            zupi::DesignFont(kGothic, 72, true));
  Label1->setCaption(QStringLiteral("認    定"));

  Label2 = CertificateLabel(this, "Label2", TwipsRect(360, 3960, 4575, 1095), kTitleText,
                            zupi::DesignFont(kGothic, 48, true, true));
  Label2->setCaption(QStringLiteral("洞窟プロ!!"));

  // Its caption is set by the certificate sequence before it shows.
  Label3 = CertificateLabel(this, "Label3", TwipsRect(120, 6120, 4935, 495), kLevelText,
                            zupi::DesignFont(kGothic, 11.25, true));
}

// The pink background is already filled; the picture goes on top of it,
// unscaled, so the window's edges cut it off rather than squeeze it.
void Form2::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawPixmap(QPoint(0, 0), picture_);
}

void Form2::CenterForm() { zupi::CenterForm(*this); }

void Form2::SetLabel3(const std::string& caption) {
  Label3->setCaption(QString::fromStdString(caption));
  // Read with the button, so a screen reader need not look for it.
  Command1->setAccessibleDescription(Label3->text());
}

void Form2::Reveal(zupi::CertificatePart part) {
  switch (part) {
    case zupi::CertificatePart::Label1: return Label1->show();
    case zupi::CertificatePart::Label2: return Label2->show();
    case zupi::CertificatePart::Label3: return Label3->show();
    case zupi::CertificatePart::Command1:
      Command1->show();
      return Command1->setFocus(Qt::OtherFocusReason);  // as on the title
  }
}
