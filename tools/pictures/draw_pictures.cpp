// Paints the game's eleven pictures and writes them as PNG files into the
// folder named on the command line (default: the current one). Nothing is
// random and no font is used, so every run writes the same pixels on any
// machine. The game reads the files from screens/pictures/.
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <utility>
#include <vector>

#include "pictures.h"

using namespace pictures;

int main(int argc, char** argv) {
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "draw_pictures: cannot create %s\n", qPrintable(folder));
    return 1;
  }
  const std::vector<std::pair<const char*, QImage>> pictures{
      {"program_icon.png", DrawProgramIcon()},
      {"board_icon.png", DrawBoardIcon()},
      {"zupi_normal.png", DrawZupi(Reaction::kNormal)},
      {"zupi_startled.png", DrawZupi(Reaction::kStartled)},
      {"zupi_hurt.png", DrawZupi(Reaction::kHurt)},
      {"zupi_wink.png", DrawZupi(Reaction::kWink)},
      {"candle_unlit.png", DrawCandle(Flame::kUnlit)},
      {"candle_flame.png", DrawCandle(Flame::kUpright)},
      {"candle_flame_left.png", DrawCandle(Flame::kBentLeft)},
      {"title.png", DrawTitle()},
      {"certificate.png", DrawCertificate()},
  };
  for (const auto& [name, image] : pictures) {
    const QString path = QDir(folder).filePath(QString::fromLatin1(name));
    if (!image.save(path, "PNG")) {
      std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  std::printf("draw_pictures: wrote %zu pictures to %s\n", pictures.size(), qPrintable(folder));
  return 0;
}
