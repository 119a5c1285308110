// The game's pictures, built into the program as resources under
// ":/pictures/". Windows never read a picture from a file on disk.
#pragma once

#include <QPixmap>
#include <QString>
#include <array>

namespace zupi {

enum class Picture {
  ProgramIcon,      // 32 x 32, transparent around the face
  BoardIcon,        // 20 x 20, transparent around the head
  ZupiNormal,       // 100 x 200 each, transparent around the figure
  ZupiStartled,
  ZupiHurt,
  ZupiWink,
  CandleUnlit,      // 50 x 50 each
  CandleFlame,
  CandleFlameLeft,
  Title,            // 300 x 100
  Certificate,      // 350 x 400
};

inline constexpr std::array kAllPictures = {
    Picture::ProgramIcon,  Picture::BoardIcon,   Picture::ZupiNormal,
    Picture::ZupiStartled, Picture::ZupiHurt,    Picture::ZupiWink,
    Picture::CandleUnlit,  Picture::CandleFlame, Picture::CandleFlameLeft,
    Picture::Title,        Picture::Certificate,
};

// The resource path, e.g. ":/pictures/zupi_normal.png".
QString PicturePath(Picture picture);

QPixmap LoadPicture(Picture picture);

}  // namespace zupi
