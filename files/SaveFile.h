#pragma once
// Writes a whole file as a program that opens it for writing would, only more safely.
// - The file's own permissions decide: one that cannot be opened for writing is not written,
//   nor is anything that is not a plain file (a folder, a pipe, a device).
// - Where the file is replaced, the bytes go to a new temporary beside it ("<name>.saving-" and
//   six random characters, so nothing left at any name stands in the way), reach the disk and
//   are renamed over it: an interruption at any moment leaves the old or the new whole file.
//   Temporaries that interrupted saves left behind are cleared by the next save.
// - Two copies of the game that save the same file at once take turns through a FileLock.
//
// POSIX:
// - A symbolic link stays a link; the file at the end of it gets the bytes.
// - The file is replaced where the replacement keeps everything it is: its mode, owner, group
//   and only name. Where a replacement would lose something (a read-only folder, another
//   user's file, several hard links, a mode or group we cannot give), it is written in place.
// - A new file is made through a temporary, with the mode the umask leaves of 0666.
//
// Windows:
// - A file marked read-only is not written, even where the system would let us.
// - The file is always replaced, never written in place: where no temporary can be made beside
//   it or the rename fails, the save fails and the old file stays as it was. The replacement
//   keeps the old file's hidden, system and archive marks; like any new file in the folder it
//   takes the folder's permissions. Other hard-linked names keep the old bytes, and a symbolic
//   link at the name is replaced, not followed.
// - The rename goes through the temporary's own handle (SetFileInformationByHandle, replacing):
//   the one rename in the file system that MoveFileExW makes too, but MoveFileExW needs the
//   temporary closed first, and a closed temporary can be cleared away as a leftover by a save
//   that went on without the lock. ReplaceFileW would keep an ACL of the file's own, but it
//   takes several steps, and one of the ways it can fail leaves no file at the name
//   (ERROR_UNABLE_TO_MOVE_REPLACEMENT, without a backup name).
// - The temporary is held without sharing its deletion from its making to its rename, so that
//   no other save clears it away meanwhile.
// - Another program that has the file open in a way that stands in the way of the save (a
//   reader that does not share, or any reader where the file system will not rename over an
//   open file) is waited for, at most a second.

#include <string>
#include <string_view>

namespace files {

// False when the file cannot be written; a file that is not a plain file is not written.
[[nodiscard]] bool saveFile(const std::string& path, std::string_view bytes);

} // namespace files
