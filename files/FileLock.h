#pragma once
// Keeps other copies of the game away from a file while one reads it, changes it and writes it
// back, so that no copy writes over what another has just saved.
//
// The lock is taken on the folder that holds the file (at the end of its links): the file
// itself is replaced by a new one at every save and may not exist yet. A copy that finds the
// lock taken waits for it, but at most kLockPatience; then it goes on without it, so that a
// copy stopped while it holds the lock, or another program holding it, never stops the rest.
// Where there are no locks (a folder that cannot be opened) the file is still read and written.

#include "files/Descriptor.h"

#include <chrono>
#include <string>

namespace files {

// Saving the list takes milliseconds; this is for a slow disk and a queue of copies.
constexpr std::chrono::milliseconds kLockPatience{3000};

class FileLock {
public:
    explicit FileLock(const std::string& path);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    // Closing the folder gives the lock back.
    Descriptor folder_;
};

} // namespace files
