#pragma once
// Reading a file that someone else may have put in the game's way: only a plain file is read,
// and nothing in its place (a pipe, a device, a file of /proc) can make the game wait.

#include <cstddef>
#include <optional>
#include <string>

namespace files {

// Opens `path` for reading without waiting and keeps it only if the open descriptor is a plain
// file, so nothing swapped in between a check and the open gets through. -1 otherwise.
int openPlainFile(const std::string& path);

// Up to `limit` bytes from the start of the plain file at `path`; nothing when there is no such
// file or it cannot be read without waiting. `cutOff`, when given, tells whether the file goes on
// beyond the bound.
std::optional<std::string> readPlainFile(const std::string& path, std::size_t limit, bool* cutOff = nullptr);

} // namespace files
