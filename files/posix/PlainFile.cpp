#include "files/PlainFile.h"

#include "files/ReadUpTo.h"
#include "files/posix/Descriptor.h"

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
    return readUpTo(limit, cutOff, [&](char* into, std::size_t most) -> std::optional<std::size_t> {
        for (;;) {
            // The descriptor stays non-blocking: a "plain" file that has nothing yet (such as
            // /proc/kmsg) says so instead of waiting.
            const ssize_t n = ::read(fd.get(), into, most);
            if (n >= 0)
                return std::size_t(n);
            if (errno != EINTR)
                return std::nullopt;
        }
    });
}

} // namespace files
