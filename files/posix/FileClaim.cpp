#include "files/FileClaim.h"

#include "files/posix/Descriptor.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace files {

FileClaim::FileClaim(const std::string& path)
{
    // Not followed, not waited on: a link or a pipe planted at the name is no lock of ours.
    Descriptor file(::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
    struct stat status {};
    if (file.isOpen() && ::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode) &&
        ::flock(file.get(), LOCK_EX | LOCK_NB) == 0)
        handle_ = file.release();
}

FileClaim::~FileClaim()
{
    // Closing the file gives the claim back.
    Descriptor file{int(handle_)};
}

} // namespace files
