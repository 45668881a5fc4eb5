#include "files/FileLock.h"

#include "files/Paths.h"
#include "files/posix/Descriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>

namespace files {

FileLock::FileLock(const std::string& path)
{
    std::string target = path;
    if (path.empty() || !followLinks(target))
        return;
    Descriptor folder(::open(directoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC));
    const auto giveUp = std::chrono::steady_clock::now() + kLockPatience;
    // A blocking flock could wait for ever; asking again every few milliseconds cannot.
    while (folder.isOpen() && ::flock(folder.get(), LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= giveUp)
            folder.reset(-1);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    handle_ = folder.release();
}

FileLock::~FileLock()
{
    // Closing the folder gives the lock back.
    Descriptor folder{int(handle_)};
}

} // namespace files
