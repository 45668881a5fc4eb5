#pragma once
// Writes a whole file as a program that opens it for writing would, only more safely:
// - The file's own permissions decide: one that cannot be opened for writing is not written,
//   nor is anything that is not a plain file (a folder, a pipe, a device).
// - A symbolic link stays a link; the file at the end of it gets the bytes.
// - Where a replacement keeps everything the file is (its mode, owner, group and only name),
//   the bytes go to one fixed temporary beside it, reach the disk and are renamed over it:
//   an interruption at any moment leaves the old or the new whole file. An interrupted save's
//   temporary is cleared by the next one; two savers take turns through a lock on it.
// - Where a replacement would lose something (a read-only folder, another user's file,
//   several hard links, a mode or group we cannot give), the file is written in place.
// - A new file is made through the temporary, with the mode the umask leaves of 0666.
// POSIX calls: standard C++ knows neither locks, fsync nor file owners.

#include <cstddef>
#include <string>
#include <string_view>

namespace score {

// False when the file cannot be written; a file that is not a plain file is not written.
[[nodiscard]] bool saveFile(const std::string& path, std::string_view bytes);

// The temporary file a save of `path` uses beside it.
std::string savingPath(const std::string& path);

// Up to `limit` bytes of a plain file, never waiting on a pipe or a device; nothing when
// there is no such file to read.
bool readFileStart(const std::string& path, std::size_t limit, std::string& bytes);

} // namespace score
