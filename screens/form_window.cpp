// Window flags, size, colour and icon of a top-level window.
#include "screens/form_window.h"

#include <QIcon>
#include <QPalette>

#include "screens/pictures/picture_files.h"
#include "screens/twips.h"

namespace zupi {

void SetUpForm(QWidget* form, const FormStyle& style) {
  // The flags are spelled out, so no maximise button appears whatever the
  // window manager would add by default.
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (style.buttons == TitleButtons::MinimiseAndClose) flags |= Qt::WindowMinimizeButtonHint;
  form->setWindowFlags(flags);
  form->setWindowTitle(style.caption);
  form->setFixedSize(TwipsToPixels(style.widthTwips), TwipsToPixels(style.heightTwips));
  form->setWindowIcon(QIcon(LoadPicture(Picture::ProgramIcon)));

  QPalette colours = form->palette();
  colours.setColor(QPalette::Window, style.background);
  form->setPalette(colours);
  form->setAutoFillBackground(true);
}

}  // namespace zupi
