#include "files/FileClaim.h"
#include "files/FileLock.h"

#include "files/windows/Win32.h"

namespace files {

FileLock::FileLock(const std::string& path)
{
    win32::Handle file(win32::openLockFile(path));
    if (!file.isOpen())
        return;
    const auto giveUp = std::chrono::steady_clock::now() + kLockPatience;
    // A lock that waits could wait for ever; asking again every few milliseconds cannot.
    while (!win32::tryLock(file.get())) {
        if (::GetLastError() != ERROR_LOCK_VIOLATION || std::chrono::steady_clock::now() >= giveUp)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    handle_ = reinterpret_cast<std::intptr_t>(file.release());
}

FileLock::~FileLock()
{
    win32::unlockAndClose(handle_);
}

FileClaim::FileClaim(const std::string& path)
{
    win32::Handle file(win32::openLockFile(path));
    if (file.isOpen() && win32::tryLock(file.get()))
        handle_ = reinterpret_cast<std::intptr_t>(file.release());
}

FileClaim::~FileClaim()
{
    win32::unlockAndClose(handle_);
}

} // namespace files
