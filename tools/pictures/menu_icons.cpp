// Paints the icons that menus and software centres show: Zupi's face
// drawn afresh at 64, 128 and 256 pixels, and as a scalable SVG, from the
// same path description as the 32 x 32 program icon, so each size is
// crisp rather than an enlargement. Writes into the folder named on the
// command line; the files are kept in packaging/icons/.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>

#include "zupi_face.h"

using namespace pictures;

int main(int argc, char** argv) {
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "draw_menu_icons: cannot create %s\n", qPrintable(folder));
    return 1;
  }
  const Drawing face = ZupiFace(true, kMenuLineScale);
  for (int size : {64, 128, 256}) {
    const QString path = QDir(folder).filePath(QStringLiteral("grotzel-%1.png").arg(size));
    if (!Paint(face, size).save(path, "PNG")) {
      std::fprintf(stderr, "draw_menu_icons: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  QFile svg(QDir(folder).filePath(QStringLiteral("grotzel.svg")));
  if (!svg.open(QIODevice::WriteOnly) || svg.write(ToSvg(face, 256).toUtf8()) < 0) {
    std::fprintf(stderr, "draw_menu_icons: cannot write %s\n", qPrintable(svg.fileName()));
    return 1;
  }
  std::printf("draw_menu_icons: wrote the menu icons to %s\n", qPrintable(folder));
  return 0;
}
