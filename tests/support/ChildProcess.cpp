#include "ChildProcess.h"

#include <cerrno>
#include <cstdio>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

pid_t startChild(const std::function<int()>& body) {
    std::fflush(nullptr); // nothing buffered is written twice
    const pid_t child = fork();
    if (child == 0)
        _exit(body());
    return child;
}

ChildEnd waitForChild(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return {false, 0};
    }
    if (WIFEXITED(status))
        return {true, WEXITSTATUS(status)};
    return {false, WIFSIGNALED(status) ? WTERMSIG(status) : 0};
}

ChildEnd runInChild(const std::function<int()>& body) {
    return waitForChild(startChild(body));
}

bool becomeUser(uid_t uid, gid_t gid) {
    return setgroups(1, &gid) == 0 && setgid(gid) == 0 && setuid(uid) == 0;
}
