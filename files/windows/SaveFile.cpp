#include "files/SaveFile.h"

#include "files/windows/Win32.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <random>
#include <string_view>
#include <vector>

namespace files {

namespace {

constexpr std::wstring_view kSavingMark = L".saving-";
constexpr std::size_t kRandomCharacters = 6;
constexpr wchar_t kCharacters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// What the replacement takes of the file it replaces; the rest is the system's to set.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Where the name of the file starts in `target`: after its last separator, or its drive.
std::size_t nameStart(const std::wstring& target)
{
    const std::size_t slash = target.find_last_of(L"/\\");
    if (slash != std::wstring::npos)
        return slash + 1;
    return target.size() >= 2 && target[1] == L':' ? 2 : 0;
}

// Whether `name` is a temporary of a save of the file named `base`.
bool isTemporaryName(std::wstring_view name, std::wstring_view base)
{
    if (name.size() != base.size() + kSavingMark.size() + kRandomCharacters || name.substr(0, base.size()) != base ||
        name.substr(base.size(), kSavingMark.size()) != kSavingMark)
        return false;
    return name.substr(base.size() + kSavingMark.size()).find_first_not_of(kCharacters) == std::wstring_view::npos;
}

// Clears what interrupted saves of `target` left: plain files only, and none that a save still
// has open, since the system will not delete a file opened without sharing its deletion.
void clearLeftovers(const std::wstring& target)
{
    const std::size_t start = nameStart(target);
    const std::wstring folder = target.substr(0, start), base = target.substr(start);
    WIN32_FIND_DATAW found {};
    const HANDLE search = ::FindFirstFileExW((target + std::wstring(kSavingMark) + L"*").c_str(), FindExInfoBasic, &found,
                                             FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        constexpr DWORD kNotOurs = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_READONLY;
        if (isTemporaryName(found.cFileName, base) && !(found.dwFileAttributes & kNotOurs))
            ::DeleteFileW((folder + found.cFileName).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

// A new file beside `target` at a name no other save can have taken, with `attributes`. It is
// shared for reading only: until it is closed, no other save can delete it as a leftover; this
// one renames or deletes it through the handle.
HANDLE makeTemporary(const std::wstring& target, DWORD attributes, std::wstring& name)
{
    // The process and the clock as well, should the random device of this runtime be a fixed
    // sequence.
    LARGE_INTEGER now {};
    ::QueryPerformanceCounter(&now);
    std::random_device device;
    std::seed_seq seed{device(), unsigned(::GetCurrentProcessId()), unsigned(now.LowPart), unsigned(now.HighPart)};
    std::mt19937 pick(seed);
    std::uniform_int_distribution<std::size_t> character(0, std::size(kCharacters) - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + std::wstring(kSavingMark);
        for (std::size_t i = 0; i < kRandomCharacters; ++i)
            name += kCharacters[character(pick)];
        const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                          attributes, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return file;
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return INVALID_HANDLE_VALUE;
    }
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD piece = DWORD(std::min<std::size_t>(bytes.size(), 1u << 20));
        if (!::WriteFile(file, bytes.data(), piece, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// Whether there may be a file to replace at `target`, and what it is: false for anything that
// must not be written, true with the attributes to keep (none for a new file) otherwise.
bool mayReplace(const std::wstring& target, DWORD& kept)
{
    win32::Handle file;
    // Opened to write, so that the file's own permissions decide; nothing is written through
    // it, and it is closed before the rename, which an open file would stand in the way of.
    const auto open = [&] {
        file.reset(::CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING,
                                 FILE_FLAG_OPEN_NO_RECALL | SECURITY_SQOS_PRESENT | SECURITY_ANONYMOUS, nullptr));
        return file.isOpen();
    };
    kept = FILE_ATTRIBUTE_NORMAL;
    if (!win32::retryWhileHeld(open, win32::heldByAnother))
        return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    // A folder cannot even be opened this way; a device or a pipe can, and is not a file.
    DWORD attributes = 0;
    if (!win32::isPlainFile(file.get(), &attributes) || (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    if (attributes & kKeptAttributes)
        kept = attributes & kKeptAttributes;
    return true;
}

// Renames the open `file` over `target`, as MoveFileExW would, but through the handle this save
// holds: the temporary is never closed while it has its own name, so no other save can clear it
// away as a leftover in between.
bool renameOver(HANDLE file, const std::wstring& target)
{
    const std::size_t bytes = target.size() * sizeof(wchar_t);
    // FileName[1] leaves room for the terminating NUL.
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + bytes);
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = DWORD(bytes);
    std::memcpy(rename->FileName, target.c_str(), bytes + sizeof(wchar_t));
    return ::SetFileInformationByHandle(file, FileRenameInfo, rename, DWORD(buffer.size())) != 0;
}

} // namespace

bool saveFile(const std::string& path, std::string_view bytes)
{
    std::wstring target;
    DWORD attributes = 0;
    if (path.empty() || !win32::toWide(path, target) || !mayReplace(target, attributes))
        return false;
    // Resolved once, as CreateFileW resolves a name, so that the leftovers, the temporary and the
    // rename all name the same folder.
    const DWORD length = ::GetFullPathNameW(target.c_str(), 0, nullptr, nullptr);
    std::wstring full(length, L'\0');
    if (length == 0 || ::GetFullPathNameW(target.c_str(), length, full.data(), nullptr) != length - 1)
        return false;
    full.resize(length - 1);
    clearLeftovers(full);
    std::wstring temporary;
    win32::Handle file(makeTemporary(full, attributes, temporary));
    if (!file.isOpen())
        return false;
    // A rename over a file that another program has open fails with ERROR_ACCESS_DENIED
    // however it is shared: that too passes when the reader closes it.
    const auto rename = [&] { return renameOver(file.get(), full); };
    const auto passing = [](DWORD error) { return win32::heldByAnother(error) || error == ERROR_ACCESS_DENIED; };
    if (writeAll(file.get(), bytes) && ::FlushFileBuffers(file.get()) && win32::retryWhileHeld(rename, passing)) {
        // The new name too reaches the disk; the file is already replaced, so a failure here is
        // not reported.
        ::FlushFileBuffers(file.get());
        return true;
    }
    FILE_DISPOSITION_INFO remove{TRUE};
    ::SetFileInformationByHandle(file.get(), FileDispositionInfo, &remove, sizeof remove);
    return false;
}

} // namespace files
