#include "files/SaveFile.h"

#include "files/Paths.h"
#include "files/posix/Descriptor.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

constexpr std::string_view kSavingMark = ".saving";
constexpr std::size_t kRandomCharacters = 6;

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

// Whether `name` is a temporary of a save of the file named `base` (the fixed name "<base>.saving"
// of older copies of the game included).
bool isTemporaryName(std::string_view name, std::string_view base)
{
    if (name.substr(0, base.size()) != base || name.substr(base.size(), kSavingMark.size()) != kSavingMark)
        return false;
    const std::string_view rest = name.substr(base.size() + kSavingMark.size());
    return rest.empty() || (rest.size() == kRandomCharacters + 1 && rest.front() == '-');
}

// Clears what interrupted saves of `target` left. Only a plain file of our own is ours to clear
// away, and none that a save still holds (see makeTemporary): not followed, not waited on.
void clearLeftovers(const std::string& target)
{
    const std::string folder = directoryOf(target);
    const std::string base = target.substr(target.find_last_of('/') + 1);
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!isTemporaryName(name, base))
            continue;
        const std::string path = folder + "/" + name;
        Descriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat held {}, named {};
        if (file.isOpen() && ::fstat(file.get(), &held) == 0 && S_ISREG(held.st_mode) && held.st_uid == ::geteuid() &&
            ::flock(file.get(), LOCK_EX | LOCK_NB) == 0 && ::lstat(path.c_str(), &named) == 0 && sameFile(held, named))
            ::unlink(path.c_str());
    }
}

// A new file beside `target` at a name no other save can have taken, locked while this save
// lasts so that no other save clears it away as a leftover. -1 when none can be made.
int makeTemporary(const std::string& target, mode_t mode, std::string& name)
{
    static const char kCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 pick(seed());
    std::uniform_int_distribution<std::size_t> character(0, sizeof kCharacters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + std::string(kSavingMark) + "-";
        for (std::size_t i = 0; i < kRandomCharacters; ++i)
            name += kCharacters[character(pick)];
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
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

// Writes the bytes to a temporary and renames it over `target`, with the mode and group of
// `old` if there is an old file. False, with the target untouched, when any step fails.
bool replace(const std::string& target, const struct stat* old, std::string_view bytes)
{
    clearLeftovers(target);
    std::string temporary;
    // Private until it has the old file's mode; a new file gets what the umask leaves of 0666.
    Descriptor file(makeTemporary(target, old ? 0600 : 0666, temporary));
    if (!file.isOpen())
        return false;
    const bool replaced = (!old || takeModeAndGroup(file.get(), *old)) && writeFromStart(file.get(), bytes) &&
                          ::fsync(file.get()) == 0 && std::rename(temporary.c_str(), target.c_str()) == 0;
    if (!replaced) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(directoryOf(target));
    return true;
}

bool writeInPlace(int fd, std::string_view bytes)
{
    return writeFromStart(fd, bytes) && ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0;
}

} // namespace

bool saveFile(const std::string& path, std::string_view bytes)
{
    std::string target = path;
    if (path.empty() || !followLinks(target))
        return false;
    struct stat old {};
    if (::lstat(target.c_str(), &old) != 0)
        return errno == ENOENT && replace(target, nullptr, bytes);
    // A folder, a pipe or a device is not a file to save, and is not even opened.
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

} // namespace files
