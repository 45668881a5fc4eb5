#include "files/PlainFile.h"

#include "files/posix/Descriptor.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace files {

namespace {

// Opens `path` for reading without waiting and keeps it only if the open descriptor is a plain
// file, so nothing swapped in between a check and the open gets through. -1 otherwise.
int openPlainFile(const std::string& path)
{
    // O_NONBLOCK: opening a pipe would otherwise wait for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (!fd.isOpen() || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return -1;
    return fd.release();
}

} // namespace

std::optional<std::string> readPlainFile(const std::string& path, std::size_t limit, bool* cutOff)
{
    Descriptor fd(openPlainFile(path));
    if (!fd.isOpen())
        return std::nullopt;
    // In pieces, so that the bound costs no memory a small file does not need. One byte past
    // the bound tells whether the file goes on beyond it.
    const std::size_t wanted = limit + 1;
    std::string bytes;
    char piece[16384];
    while (bytes.size() < wanted) {
        // The descriptor stays non-blocking: a "plain" file that has nothing yet (such as
        // /proc/kmsg) says so instead of waiting.
        const ssize_t n = ::read(fd.get(), piece, std::min(sizeof piece, wanted - bytes.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
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
