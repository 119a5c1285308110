// The game's pictures, built into the program as resources under
// ":/pictures/". Windows never read a picture from a file on disk.
#pragma once

#include <QPixmap>
#include <QString>

#include "screens/pictures/picture_list.h"

namespace zupi {

// The resource path, e.g. ":/pictures/zupi_normal.png".
QString PicturePath(Picture picture);

QPixmap LoadPicture(Picture picture);

}  // namespace zupi
