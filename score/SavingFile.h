#pragma once
// Writes a whole file as a program that opens it for writing would, only more safely.
//
// The file's own permissions decide: one that cannot be opened for writing is not written.
// A symbolic link stays a link and its target gets the bytes. Where it keeps everything the
// file is (its mode, owner, group and only name), the new bytes go to one fixed temporary
// file beside it and are renamed over it, so an interruption at any moment leaves the old
// or the new whole file; a leftover temporary is taken up by the next save. Where a
// replacement would lose something (a read-only folder, a file of another owner, several
// hard links) the file is written in place. POSIX calls: standard C++ knows neither.

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
