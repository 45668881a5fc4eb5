#pragma once
// Reading a file that someone else may have put in the game's way: only a plain file is read,
// and nothing in its place can make the game wait.
// - POSIX: a pipe, a device or a file of /proc is not read; the file is opened and read
//   without blocking, and what it is is checked on the open descriptor.
// - Windows: only a file on a disk (not a folder, a pipe, a console or another device), checked
//   on the open handle; the file is opened sharing reading, writing and deleting, so that a save
//   of another copy can replace it meanwhile; one that another program holds open without
//   sharing is asked for again, for at most a second.

#include <cstddef>
#include <optional>
#include <string>

namespace files {

// Up to `limit` bytes from the start of the plain file at `path`; nothing when there is no such
// file or it cannot be read without waiting. `cutOff`, when given, tells whether the file goes on
// beyond the bound.
std::optional<std::string> readPlainFile(const std::string& path, std::size_t limit, bool* cutOff = nullptr);

} // namespace files
