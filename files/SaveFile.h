#pragma once
// Writes a whole file as a program that opens it for writing would, only more safely:
// - The file's own permissions decide: one that cannot be opened for writing is not written,
//   nor is anything that is not a plain file (a folder, a pipe, a device).
// - A symbolic link stays a link; the file at the end of it gets the bytes.
// - Where a replacement keeps everything the file is (its mode, owner, group and only name),
//   the bytes go to a new temporary beside it ("<name>.saving-" and six random characters,
//   so nothing left at any name stands in the way), reach the disk and are renamed over it:
//   an interruption at any moment leaves the old or the new whole file. Temporaries of ours
//   that an interrupted save left behind are cleared by the next save.
// - Where a replacement would lose something (a read-only folder, another user's file,
//   several hard links, a mode or group we cannot give), the file is written in place.
// - A new file is made through a temporary, with the mode the umask leaves of 0666.
// Two copies of the game that save the same file at once take turns through a FileLock.

#include <string>
#include <string_view>

namespace files {

// False when the file cannot be written; a file that is not a plain file is not written.
[[nodiscard]] bool saveFile(const std::string& path, std::string_view bytes);

} // namespace files
