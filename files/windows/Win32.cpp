#include "files/windows/Win32.h"

#include <cwchar>

namespace files::win32 {

bool toWide(const std::string& utf8, std::wstring& wide)
{
    wide.clear();
    if (utf8.empty())
        return true;
    if (utf8.find('\0') != std::string::npos || utf8.size() > std::size_t(INT_MAX))
        return false;
    const int size = int(utf8.size());
    // MB_ERR_INVALID_CHARS: a byte that is not UTF-8 fails the whole name instead of turning
    // into U+FFFD, which could name another file.
    const int length = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (length <= 0)
        return false;
    wide.resize(std::size_t(length));
    return ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), length) == length;
}

std::string toUtf8(const wchar_t* wide)
{
    const std::size_t size = wide ? std::wcslen(wide) : 0;
    if (size == 0 || size > std::size_t(INT_MAX))
        return std::string();
    const int length = ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, int(size), nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::string utf8(std::size_t(length), '\0');
    if (::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, int(size), utf8.data(), length, nullptr, nullptr) != length)
        return std::string();
    return utf8;
}

bool isPlainFile(HANDLE file, DWORD* attributes)
{
    // Asked of the open handle: a name checked before the open could be something else by then.
    BY_HANDLE_FILE_INFORMATION information {};
    if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file, &information) ||
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    if (attributes)
        *attributes = information.dwFileAttributes;
    return true;
}

HANDLE openLockFile(const std::string& path)
{
    std::wstring name;
    if (path.empty() || !toWide(path + ".lock", name))
        return INVALID_HANDLE_VALUE;
    Handle file(::CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_HIDDEN, nullptr));
    if (!file.isOpen() || ::GetFileType(file.get()) != FILE_TYPE_DISK)
        return INVALID_HANDLE_VALUE;
    return file.release();
}

bool tryLock(HANDLE lockFile)
{
    OVERLAPPED start {};
    return ::LockFileEx(lockFile, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start) != 0;
}

void unlockAndClose(std::intptr_t handle)
{
    if (handle == -1)
        return;
    const HANDLE file = reinterpret_cast<HANDLE>(handle);
    // Closing would give the lock back too, but only when the system gets round to it.
    OVERLAPPED start {};
    ::UnlockFileEx(file, 0, 1, 0, &start);
    ::CloseHandle(file);
}

} // namespace files::win32
