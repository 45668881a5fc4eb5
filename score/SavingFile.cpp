#include "score/SavingFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace score {

namespace {

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links ends at, which need not exist yet.
std::string followLinks(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        std::vector<char> target(PATH_MAX);
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0 || std::size_t(length) >= target.size())
            return path;
        std::string next(target.data(), std::size_t(length));
        path = next.front() == '/' ? next : directoryOf(path) + "/" + next;
    }
    return path;
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Hands the descriptor over; the caller closes it.
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

bool writeInPlace(int fd, std::string_view bytes)
{
    return ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, bytes) && ::ftruncate(fd, off_t(bytes.size())) == 0 &&
           ::fsync(fd) == 0;
}

// The locked temporary file beside `target`, ours and plain; -1 when there can be none.
int openTemporary(const std::string& temporary)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (fd.get() < 0)
            return -1;
        // A second copy of the game saving at the same moment waits here for the first.
        if (::flock(fd.get(), LOCK_EX) != 0)
            return -1;
        struct stat opened {}, named {};
        if (::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_uid != ::geteuid())
            return -1;
        // The other copy may have renamed it away meanwhile: then start again on a fresh one.
        if (::lstat(temporary.c_str(), &named) == 0 && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
            return fd.release();
        }
    }
    return -1;
}

bool replace(const std::string& target, const struct stat* old, std::string_view bytes)
{
    const std::string temporary = savingPath(target);
    Descriptor fd(openTemporary(temporary));
    if (fd.get() < 0)
        return false;
    if (::ftruncate(fd.get(), 0) != 0 || !writeAll(fd.get(), bytes))
        return false;
    if (old && (::fchown(fd.get(), old->st_uid, old->st_gid) != 0 || ::fchmod(fd.get(), old->st_mode & 07777) != 0))
        return false;
    if (::fsync(fd.get()) != 0 || std::rename(temporary.c_str(), target.c_str()) != 0)
        return false;
    // The rename must reach the disk too; the file is already replaced, so this is not checked.
    Descriptor folder(::open(directoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return ::close(fd.release()) == 0;
}

} // namespace

std::string savingPath(const std::string& path)
{
    return path + ".saving";
}

bool saveFile(const std::string& path, std::string_view bytes)
{
    const std::string target = followLinks(path);
    Descriptor fd(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        // No file yet: it is made whole beside itself, if the folder lets us.
        return errno == ENOENT && replace(target, nullptr, bytes);
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    const bool keepsAll = status.st_nlink == 1 && status.st_uid == ::geteuid() &&
                          ::access(directoryOf(target).c_str(), W_OK) == 0;
    if (keepsAll && replace(target, &status, bytes))
        return true;
    ::unlink(savingPath(target).c_str());
    return writeInPlace(fd.get(), bytes);
}

bool readFileStart(const std::string& path, std::size_t limit, std::string& bytes)
{
    bytes.clear();
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    bytes.resize(limit);
    std::size_t got = 0;
    while (got < limit) {
        const ssize_t n = ::read(fd.get(), bytes.data() + got, limit - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += std::size_t(n);
    }
    bytes.resize(got);
    return true;
}

} // namespace score
