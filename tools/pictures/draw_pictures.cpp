// Paints the game's pictures (the ones screens/pictures/picture_list.h
// names) and writes them as PNG files under those names into the folder
// named on the command line (default: the current one). Nothing is random
// and no font is used, so every run writes the same pixels on any machine.
// The game builds the files in screens/pictures/ in.
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

#include "pictures.h"

using namespace pictures;

int main(int argc, char** argv) {
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "draw_pictures: cannot create %s\n", qPrintable(folder));
    return 1;
  }
  for (const zupi::PictureFile& file : zupi::kPictureFiles) {
    const QString name = QString::fromLatin1(file.name.data(), static_cast<qsizetype>(file.name.size()));
    const QString path = QDir(folder).filePath(name);
    if (!DrawPicture(file.picture).save(path, "PNG")) {
      std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  std::printf("draw_pictures: wrote %zu pictures to %s\n", zupi::kPictureFiles.size(), qPrintable(folder));
  return 0;
}
