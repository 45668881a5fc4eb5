#include "files/Paths.h"

#include "files/windows/Win32.h"

#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>

namespace files {

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    const bool drive = path.size() >= 2 && path[1] == ':';
    if (slash == std::string::npos)
        return drive ? path.substr(0, 2) : ".";
    // The root keeps its separator: "C:" alone is the drive's current folder, not its root.
    if (slash == 0 || (drive && slash == 2))
        return path.substr(0, slash + 1);
    return path.substr(0, slash);
}

bool followLinks(std::string& path)
{
    std::wstring name;
    if (!win32::toWide(path, name))
        return false;
    if (::GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::string userDataFolder()
{
    PWSTR folder = nullptr;
    const bool known = SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder));
    const std::string utf8 = known ? win32::toUtf8(folder) : std::string();
    // Freed whether or not the call succeeded.
    ::CoTaskMemFree(folder);
    return utf8;
}

} // namespace files
