// The title window's layout and what it does for the title sequence.
#include "screens/form3.h"

#include "screens/command_button.h"
#include "screens/fonts.h"
#include "screens/form_window.h"
#include "screens/layouts.h"
#include "screens/pictures/picture_files.h"
#include "screens/twips.h"

using zupi::QColorOf;
using zupi::TwipsRect;

namespace {

// The copyright line; one line, it must fit the label's width.
const char16_t kCopyright[] = u"© 2026 Grotzel developers";

// The layout's colours, in the 0x00BBGGRR form.
constexpr zupi::Colour kBackground = 0;            // red 0, green 0, blue 0: black
constexpr zupi::Colour kCopyrightText = 12632064;  // red 0, green 192, blue 192: teal

}  // namespace

Form3::Form3(const zupi::FormHost& host, const QPixmap& character) : FormWindow(host), character_(character) {
  zupi::SetUpForm(
      this, {QStringLiteral("Grotzel"), zupi::kTitleWindowTwips, QColorOf(kBackground), zupi::TitleButtons::CloseOnly});
  // The copyright line and the button have no font of their own.
  setFont(zupi::WindowDefaultFont());

  // 60 twips taller than the window: the bottom of the character is cut off.
  Image1 = new ImageControl(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(TwipsRect(0, 0, 1500, 3000));
  Image1->setToolTip(QStringLiteral("このゲームの主人公、霧坂 ズピ"));
  Image1->setAccessibleName(QStringLiteral("霧坂 ズピ"));

  // Reaches 30 twips past the right edge, which cuts off the lettering's
  // last two columns.
  Image2 = new ImageControl(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(TwipsRect(1560, 240, 4500, 1500));
  Image2->setPicture(zupi::LoadPicture(zupi::Picture::Title));
  Image2->setAccessibleName(QStringLiteral("Zupi in the Grotzel"));  // what the lettering says
  Image2->hide();

  Label1 = new LabelControl(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(TwipsRect(2520, 1920, 2655, 255));
  Label1->setCaption(QString::fromUtf16(kCopyright));
  Label1->setTextColor(QColorOf(kCopyrightText));
  Label1->setHorizontalAlignment(Qt::AlignHCenter);
  Label1->hide();

  // The only control that takes the focus, so it is first in the tab order.
  Command1 = zupi::MakeCommandButton(QStringLiteral("&Start Game"), zupi::kStartButtonRect, this);
  Command1->setObjectName(QStringLiteral("Command1"));
  connect(Command1, &QPushButton::clicked, this, [this] { zupi::Form3Command1Click(host_.sound); });
  Command1->hide();
}

void Form3::CenterForm() { zupi::CenterForm(*this); }

void Form3::ShowImage1() { Image1->setPicture(character_); }

void Form3::Reveal(zupi::TitlePart part) {
  switch (part) {
    case zupi::TitlePart::Image2: return Image2->show();
    case zupi::TitlePart::Label1: return Label1->show();
    case zupi::TitlePart::Command1:
      // Focused, so a screen reader announces it and Enter or Space press it.
      Command1->show();
      return Command1->setFocus(Qt::OtherFocusReason);
  }
}
