#pragma once
// Names of files as the system resolves them, and the player's own folders.

#include <string>

namespace files {

// The folder part of `path`: "." for a bare name, "/" for a name in the root.
std::string directoryOf(const std::string& path);

// Follows a chain of symbolic links to the name at its end, which need not exist yet. False
// for a loop or a link that cannot be read.
bool followLinks(std::string& path);

// Where the player's data files go: $XDG_DATA_HOME when it is an absolute path (the XDG base
// directory rules ignore a relative one), else .local/share in the home folder: $HOME when it
// is an absolute path, else the one the password database gives the user. Empty when neither
// knows a home.
std::string userDataFolder();

} // namespace files
