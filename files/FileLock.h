#pragma once
// Keeps other copies of the game away from a file while one reads it, changes it and writes it
// back, so that no copy writes over what another has just saved.
//
// The file itself is replaced by a new one at every save and may not exist yet, so the lock is
// taken on something beside it that stays:
// - POSIX: the folder that holds the file (at the end of its links), with flock.
// - Windows, which cannot lock a folder: a small hidden file "<name>.lock" beside it, made by
//   the first copy that needs it and never deleted. A copy that deleted it while another held
//   its lock would let a third lock a new one, and two copies would be in at once; while any
//   copy has it open, no one can delete it.
// A copy that finds the lock taken waits for it, but at most kLockPatience; then it goes on
// without it, so that a copy stopped while it holds the lock, or another program holding it,
// never stops the rest. Where there are no locks (a folder that cannot be opened, or on Windows
// one where the lock file cannot be made) the file is still read and written.

#include <chrono>
#include <cstdint>
#include <string>

namespace files {

// Saving the list takes milliseconds; this is for a slow disk and a queue of copies.
constexpr std::chrono::milliseconds kLockPatience{3000};

class FileLock {
public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    // The system's handle of what is locked (the folder's descriptor, the lock file's HANDLE),
    // -1 when the lock was not taken. Closing it gives the lock back.
    std::intptr_t handle_ = -1;
};

} // namespace files
