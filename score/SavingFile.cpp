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

// Closes on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { reset(-1); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int get() const { return fd_; }

    void reset(int fd)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The name at the end of a chain of symbolic links, which need not exist yet. False for a
// loop or a link that cannot be read.
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

bool lock(int fd)
{
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

bool writeFromStart(int fd, std::string_view bytes)
{
    off_t offset = 0;
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(std::size_t(written));
        offset += written;
    }
    return true;
}

// The replacement must look like the file it replaces; the system may quietly drop a bit we
// may not set, so the result is checked.
bool takeModeAndGroup(int fd, const struct stat& old)
{
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return false;
    if (now.st_gid != old.st_gid && ::fchown(fd, uid_t(-1), old.st_gid) != 0)
        return false;
    // The mode after the group: a change of group clears the set-ID bits.
    if (::fchmod(fd, old.st_mode & 07777) != 0 || ::fstat(fd, &now) != 0)
        return false;
    return now.st_gid == old.st_gid && (now.st_mode & 07777) == (old.st_mode & 07777);
}

// A temporary made fresh by this save at `name`, locked; -1 when there can be none. Every
// saver holds the lock on the file at the name before it touches the name, so a leftover is
// cleared only once the save that made it is over, and one that another save has renamed
// away meanwhile is noticed and not used.
int makeTemporary(const std::string& name, mode_t mode)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        Descriptor file(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        const bool fresh = file.isOpen();
        if (!fresh && errno == EEXIST) {
            // O_NOFOLLOW and O_NONBLOCK: a link or a pipe planted there leads nowhere.
            file.reset(::open(name.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
            if (!file.isOpen() && errno == ENOENT)
                continue;
        }
        struct stat held {}, named {};
        if (!file.isOpen() || !lock(file.get()) || ::fstat(file.get(), &held) != 0)
            return -1;
        if (::lstat(name.c_str(), &named) != 0 || !sameFile(held, named))
            continue;
        if (fresh)
            return file.release();
        // Only a plain file of our own is ours to clear away.
        if (!S_ISREG(held.st_mode) || held.st_uid != ::geteuid())
            return -1;
        ::unlink(name.c_str());
    }
    return -1;
}

// The rename must reach the disk too. The file is already replaced, so a failure here is not
// reported.
void syncFolder(const std::string& folder)
{
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.isOpen())
        ::fsync(fd.get());
}

// Writes the bytes to the temporary and renames it over `target`, with the mode and group of
// `old` if there is an old file. False, with the target untouched, when any step fails.
bool replace(const std::string& target, const struct stat* old, std::string_view bytes)
{
    const std::string temporary = savingPath(target);
    // Private until it has the old file's mode; a new file gets what the umask leaves of 0666.
    Descriptor file(makeTemporary(temporary, old ? 0600 : 0666));
    if (!file.isOpen())
        return false;
    const bool replaced = (!old || takeModeAndGroup(file.get(), *old)) && writeFromStart(file.get(), bytes) &&
                          ::fsync(file.get()) == 0 && std::rename(temporary.c_str(), target.c_str()) == 0;
    if (!replaced) {
        // Still under our lock, so the name is ours to clear.
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(directoryOf(target));
    return true;
}

bool writeInPlace(int fd, std::string_view bytes)
{
    // Another copy of the game writing the same file waits; where there are no locks, it
    // still gets written.
    lock(fd);
    return writeFromStart(fd, bytes) && ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0;
}

} // namespace

std::string savingPath(const std::string& path) { return path + ".saving"; }

bool saveFile(const std::string& path, std::string_view bytes)
{
    std::string target = path;
    if (!followLinks(target))
        return false;
    struct stat old {};
    if (::lstat(target.c_str(), &old) != 0)
        return errno == ENOENT && replace(target, nullptr, bytes);
    // A folder, a pipe or a device is not a score file, and is not even opened.
    if (!S_ISREG(old.st_mode))
        return false;
    // The file's own permissions decide whether it may be written.
    Descriptor file(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isOpen() || ::fstat(file.get(), &old) != 0 || !S_ISREG(old.st_mode))
        return false;
    // A replacement is a new file of ours: it would cut the other names of a hard-linked file
    // from it, and could not keep another user as the owner.
    if (old.st_nlink == 1 && old.st_uid == ::geteuid() && replace(target, &old, bytes))
        return true;
    return writeInPlace(file.get(), bytes);
}

bool readFileStart(const std::string& path, std::size_t limit, std::string& bytes)
{
    bytes.clear();
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (!fd.isOpen() || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
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
