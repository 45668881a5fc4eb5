#include "files/Paths.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace files {

namespace {

bool isAbsolute(const char* path) { return path && path[0] == '/'; }

std::string homeFolder()
{
    const char* home = std::getenv("HOME");
    if (isAbsolute(home))
        return home;
    const struct passwd* entry = ::getpwuid(::getuid());
    return entry && isAbsolute(entry->pw_dir) ? entry->pw_dir : std::string();
}

} // namespace

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool followLinks(std::string& path)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0)
            return errno == ENOENT;
        if (!S_ISLNK(info.st_mode))
            return true;
        std::vector<char> link(PATH_MAX);
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length <= 0 || std::size_t(length) >= link.size())
            return false;
        const std::string next(link.data(), std::size_t(length));
        path = next.front() == '/' ? next : directoryOf(path) + "/" + next;
    }
    return false;
}

std::string userDataFolder()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (isAbsolute(data))
        return data;
    const std::string home = homeFolder();
    return home.empty() ? home : home + "/.local/share";
}

} // namespace files
