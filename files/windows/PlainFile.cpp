#include "files/PlainFile.h"

#include "files/ReadUpTo.h"
#include "files/windows/Win32.h"

namespace files {

std::optional<std::string> readPlainFile(const std::string& path, std::size_t limit, bool* cutOff)
{
    std::wstring name;
    if (path.empty() || !win32::toWide(path, name))
        return std::nullopt;
    win32::Handle file;
    // Shared every way, so that a save of another copy can rename its list over this one while
    // it is read. SECURITY_ANONYMOUS: a pipe's server put at the name cannot act as us.
    // FILE_FLAG_OPEN_NO_RECALL: a file moved to remote storage is not fetched back first.
    const auto open = [&] {
        file.reset(::CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING,
                                 FILE_FLAG_SEQUENTIAL_SCAN | FILE_FLAG_OPEN_NO_RECALL | SECURITY_SQOS_PRESENT |
                                     SECURITY_ANONYMOUS,
                                 nullptr));
        return file.isOpen();
    };
    // Checked before the first read: reading a pipe or a console would wait for its writer.
    if (!win32::retryWhileHeld(open, win32::heldByAnother) || !win32::isPlainFile(file.get()))
        return std::nullopt;
    return readUpTo(limit, cutOff, [&](char* into, std::size_t most) -> std::optional<std::size_t> {
        DWORD n = 0;
        if (!::ReadFile(file.get(), into, DWORD(most), &n, nullptr))
            return std::nullopt;
        return std::size_t(n);
    });
}

} // namespace files
