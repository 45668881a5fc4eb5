#include "OrdinaryUser.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;

} // namespace

bool startedAsRoot() { return ::geteuid() == 0; }

uid_t ordinaryUid() { return startedAsRoot() ? kNobody : ::geteuid(); }

gid_t ordinaryGid() { return startedAsRoot() ? kNogroup : ::getegid(); }

bool runAsOrdinaryUser(const std::function<bool()>& scenario)
{
    if (!startedAsRoot())
        return scenario();
    const pid_t child = ::fork();
    if (child == 0) {
        // A scenario that hangs must not outlive the suite.
        ::alarm(10);
        // The groups first: once the user is nobody, it may no longer change them.
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(kNogroup) == 0 && ::setuid(kNobody) == 0 &&
                             ::geteuid() == kNobody && ::getegid() == kNogroup;
        ::_exit(!dropped ? 2 : scenario() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) > 1) {
        ADD_FAILURE() << "the scenario did not run as nobody";
        return false;
    }
    return WEXITSTATUS(status) == 0;
}

void giveToOrdinaryUser(const std::string& path)
{
    if (startedAsRoot() && ::lchown(path.c_str(), kNobody, kNogroup) != 0)
        ADD_FAILURE() << "cannot give " << path << " to nobody";
}
