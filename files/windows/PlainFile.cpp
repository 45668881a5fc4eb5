#include "files/PlainFile.h"

#include "files/windows/Win32.h"

#include <algorithm>

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
    // In pieces, so that the bound costs no memory a small file does not need. One byte past
    // the bound tells whether the file goes on beyond it.
    const std::size_t wanted = limit + 1;
    std::string bytes;
    char piece[16384];
    while (bytes.size() < wanted) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), piece, DWORD(std::min(sizeof piece, wanted - bytes.size())), &n, nullptr))
            return std::nullopt;
        if (n == 0)
            break;
        bytes.append(piece, std::size_t(n));
    }
    if (cutOff)
        *cutOff = bytes.size() > limit;
    bytes.resize(std::min(bytes.size(), limit));
    return bytes;
}

} // namespace files
