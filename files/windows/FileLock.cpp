#include "files/FileLock.h"

#include "files/windows/Win32.h"

namespace files {

FileLock::FileLock(const std::string& path)
{
    std::wstring name;
    if (path.empty() || !win32::toWide(path + ".lock", name))
        return;
    // Every copy may open it to read and write; none may delete it while any copy has it open.
    win32::Handle file(::CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr));
    if (!file.isOpen() || ::GetFileType(file.get()) != FILE_TYPE_DISK)
        return;
    const auto giveUp = std::chrono::steady_clock::now() + kLockPatience;
    // A lock that waits could wait for ever; asking again every few milliseconds cannot.
    for (;;) {
        OVERLAPPED start {};
        if (::LockFileEx(file.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start))
            break;
        if (::GetLastError() != ERROR_LOCK_VIOLATION || std::chrono::steady_clock::now() >= giveUp)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    handle_ = reinterpret_cast<std::intptr_t>(file.release());
}

FileLock::~FileLock()
{
    if (handle_ == -1)
        return;
    const HANDLE file = reinterpret_cast<HANDLE>(handle_);
    // Closing would give the lock back too, but only when the system gets round to it.
    OVERLAPPED start {};
    ::UnlockFileEx(file, 0, 1, 0, &start);
    ::CloseHandle(file);
}

} // namespace files
