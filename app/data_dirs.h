// Where the game looks for its data files (the four sounds), worked out
// from where the running program lies rather than from paths fixed at
// build time: an installed game finds its share folder beside its prefix,
// and a program run from the build tree finds the data folder the build
// puts beside it. Nothing of the build machine ends up in the binary.
#pragma once

#include <QString>
#include <QStringList>

namespace zupi {

// The data folders for a program that lies in `programDir`, in search
// order: the installed share folder (<prefix>/share/games/grotzel for a
// program in <prefix>/games), then "data" beside the program, as a build
// tree has it. Paths are cleaned; they need not exist.
QStringList DataDirsBeside(const QString& programDir);

// DataDirsBeside for the running program. Needs a QCoreApplication.
QStringList GameDataDirs();

}  // namespace zupi
