// Font substitutes and the construction of the layouts' fonts.
#include "screens/fonts.h"

#include <QStringList>
#include <cmath>

namespace zupi {

void InstallFontSubstitutes() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  const QStringList substitutes = {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
  const QStringList faces = {
      QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS UI Gothic"),
      QStringLiteral("MS PGothic"),      QStringLiteral("MS Gothic"),
  };
  for (const QString& face : faces) QFont::insertSubstitutions(face, substitutes);
}

QFont DesignFont(const QString& face, double points, bool bold, bool italic) {
  InstallFontSubstitutes();
  QFont font(face);
  font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

QFont WindowDefaultFont() { return DesignFont(QStringLiteral("MS UI Gothic"), 9, false); }

}  // namespace zupi
