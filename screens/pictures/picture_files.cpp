// Resource names of the pictures.
#include "screens/pictures/picture_files.h"

namespace zupi {

QString PicturePath(Picture picture) {
  const std::string_view name = PictureFileName(picture);
  return QStringLiteral(":/pictures/") + QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
}

QPixmap LoadPicture(Picture picture) { return QPixmap(PicturePath(picture)); }

}  // namespace zupi
