#pragma once
// What the Windows implementation shares: handles that close themselves, UTF-8 names turned
// into the UTF-16 the wide calls take, and how long another program's hold on a file is waited
// out. Only files/windows/ includes it.

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

namespace files::win32 {

class Handle {
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~Handle() { reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }

    void reset(HANDLE handle = INVALID_HANDLE_VALUE)
    {
        if (isOpen())
            ::CloseHandle(handle_);
        handle_ = handle;
    }

    HANDLE release()
    {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle;
    }

private:
    HANDLE handle_;
};

// `utf8` as UTF-16. False for bytes that are not UTF-8, or that hold a NUL (the system would
// read a shorter name): such a path names no file rather than some other one.
bool toWide(const std::string& utf8, std::wstring& wide);

// `wide` as UTF-8; empty when it is not valid UTF-16.
std::string toUtf8(const wchar_t* wide);

// Whether the open handle is a file on a disk and not a folder; its attributes when it is.
bool isPlainFile(HANDLE file, DWORD* attributes = nullptr);

// The lock file "<path>.lock" beside `path`, made when missing: every copy may open it to read
// and write, none may delete it while any copy has it open. Invalid when it cannot be.
HANDLE openLockFile(const std::string& path);
// Takes its lock without waiting; GetLastError() tells why not.
bool tryLock(HANDLE lockFile);
// Gives the lock of a handle kept as a number (-1: none) back and closes it.
void unlockAndClose(std::intptr_t handle);

// Another copy reading the file, or a scanner looking at it, holds it for a moment.
constexpr std::chrono::milliseconds kSharingPatience{1000};

// Whether a call failed only because another program holds the file for now.
inline bool heldByAnother(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

// Calls `attempt` until it succeeds, fails for another reason than `passing` tells, or
// kSharingPatience is over. Its answer, GetLastError() telling why when it is false.
template <class Attempt, class Passing>
bool retryWhileHeld(Attempt attempt, Passing passing)
{
    const auto giveUp = std::chrono::steady_clock::now() + kSharingPatience;
    for (;;) {
        if (attempt())
            return true;
        const DWORD error = ::GetLastError();
        if (!passing(error) || std::chrono::steady_clock::now() >= giveUp) {
            ::SetLastError(error);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

} // namespace files::win32
