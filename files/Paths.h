#pragma once
// Names of files as the system resolves them, and the player's own folders.
//
// A path is a std::string in every function of files/: on POSIX the system's own bytes, passed
// on as they are; on Windows UTF-8, which is turned into the system's UTF-16 names and only the
// wide (W) calls are used, so a folder with a Chinese name works whatever the ANSI code page.
// Bytes that are not UTF-8 name no file on Windows: such a path is neither read nor written.

#include <string>

namespace files {

// The folder part of `path`: "." for a bare name, "/" for a name in the root. On Windows '\'
// parts a path as '/' does, and a name in a drive's root keeps it ("C:\" for "C:\score.txt";
// "C:" for the drive-relative "C:score.txt").
std::string directoryOf(const std::string& path);

// POSIX: follows a chain of symbolic links to the name at its end, which need not exist yet.
// False for a loop or a link that cannot be read.
// Windows: the system follows links when it opens a file, so there is nothing to do; false only
// when the path cannot be examined (not UTF-8, or the system will not say what is there).
bool followLinks(std::string& path);

// Where the player's data files go, empty when unknown.
// POSIX: $XDG_DATA_HOME when it is an absolute path (the XDG base directory rules ignore a
// relative one), else .local/share in the home folder: $HOME when it is an absolute path, else
// the one the password database gives the user. Empty when neither knows a home.
// Windows: the user's roaming application-data folder (FOLDERID_RoamingAppData), as UTF-8.
std::string userDataFolder();

} // namespace files
