#pragma once
// Files the game keeps beside its executable; the working directory plays no part.

#include <QString>

namespace platform {

// Full path of `fileName` in the directory of the running executable.
// Needs a QCoreApplication to exist.
QString fileBesideExecutable(const QString& fileName);

// The executable's file name without extension: the caption of the game's message boxes.
QString applicationTitle();

} // namespace platform
