// Resource names of the pictures.
#include "screens/pictures/picture_files.h"

namespace zupi {

QString PicturePath(Picture picture) {
  switch (picture) {
    case Picture::ProgramIcon: return QStringLiteral(":/pictures/program_icon.png");
    case Picture::BoardIcon: return QStringLiteral(":/pictures/board_icon.png");
    case Picture::ZupiNormal: return QStringLiteral(":/pictures/zupi_normal.png");
    case Picture::ZupiStartled: return QStringLiteral(":/pictures/zupi_startled.png");
    case Picture::ZupiHurt: return QStringLiteral(":/pictures/zupi_hurt.png");
    case Picture::ZupiWink: return QStringLiteral(":/pictures/zupi_wink.png");
    case Picture::CandleUnlit: return QStringLiteral(":/pictures/candle_unlit.png");
    case Picture::CandleFlame: return QStringLiteral(":/pictures/candle_flame.png");
    case Picture::CandleFlameLeft: return QStringLiteral(":/pictures/candle_flame_left.png");
    case Picture::Title: return QStringLiteral(":/pictures/title.png");
    case Picture::Certificate: return QStringLiteral(":/pictures/certificate.png");
  }
  return {};
}

QPixmap LoadPicture(Picture picture) { return QPixmap(PicturePath(picture)); }

}  // namespace zupi
