#pragma once
// Where the game keeps its two files; the working directory plays no part. A copy with
// "tips.txt" beside its executable (a build folder, an unpacked folder) keeps both files
// there. An installed copy reads the tips from its data folder under the prefix and keeps
// the list in the player's own data folder (see files::userDataFolder: $XDG_DATA_HOME when it
// is absolute, else ~/.local/share).

#include <QCoreApplication>
#include <QString>
#include <string>

namespace platform {

// `programDir` is the executable's directory; the default needs a QCoreApplication.
QString tipsFilePath(const QString& programDir = QCoreApplication::applicationDirPath());
// The folder of an installed copy's list may not exist yet: it is made when the list is saved.
QString scoreFilePath(const QString& programDir = QCoreApplication::applicationDirPath());

// The game in progress, beside the list wherever the list lives.
QString savedGamePath(const QString& programDir = QCoreApplication::applicationDirPath());

// A path as files/ takes it: the system's bytes on POSIX, UTF-8 on Windows (whose wide file
// functions then take any name, whatever the user's code page).
std::string systemPath(const QString& path);
QString fromSystemPath(const std::string& path);

// The executable's file name without extension: the caption of the game's message boxes.
QString applicationTitle();

} // namespace platform
