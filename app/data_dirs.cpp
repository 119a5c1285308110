// The game's data folders, found relative to the running program. The one
// build-time input is the installed share folder as seen from the program's
// folder, a relative path such as "../share/games/grotzel".
#include "app/data_dirs.h"

#include <QCoreApplication>
#include <QDir>

namespace zupi {

QStringList DataDirsBeside(const QString& programDir) {
  const QDir dir(programDir);
  // The share folder comes first: an installed game should not pick up
  // whatever lies in a "data" folder next to its program.
  return {QDir::cleanPath(dir.filePath(QStringLiteral(GROTZEL_DATA_FROM_PROGRAM))),
          QDir::cleanPath(dir.filePath(QStringLiteral("data")))};
}

QStringList GameDataDirs() { return DataDirsBeside(QCoreApplication::applicationDirPath()); }

}  // namespace zupi
