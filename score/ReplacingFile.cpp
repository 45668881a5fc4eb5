#include "score/ReplacingFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace score {

namespace {

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// The rename itself must reach the disk too; the file is already replaced when this fails,
// so a failure here is not reported.
void syncDirectory(const std::string& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

ReplacingFile::ReplacingFile(std::string target)
    : target_(std::move(target))
{
    // A unique name, so two copies of the game saving at once never write into one file.
    std::string pattern = target_ + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    descriptor_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (descriptor_ < 0)
        return;
    temporaryPath_ = name.data();
    // mkstemp makes the file private; a score list is readable like any other document.
    ::fchmod(descriptor_, 0644);
}

ReplacingFile::~ReplacingFile() { discard(); }

bool ReplacingFile::write(std::string_view bytes)
{
    if (!isOpen() || failed_)
        return false;
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            failed_ = true;
            return false;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

bool ReplacingFile::commit()
{
    if (!isOpen() || failed_) {
        discard();
        return false;
    }
    const bool synced = ::fsync(descriptor_) == 0;
    const bool closed = ::close(descriptor_) == 0;
    descriptor_ = -1;
    if (!synced || !closed || std::rename(temporaryPath_.c_str(), target_.c_str()) != 0) {
        discard();
        return false;
    }
    temporaryPath_.clear();
    syncDirectory(directoryOf(target_));
    return true;
}

void ReplacingFile::discard()
{
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    if (!temporaryPath_.empty()) {
        ::unlink(temporaryPath_.c_str());
        temporaryPath_.clear();
    }
}

} // namespace score
