// Running a piece of a test in a child process: under another user, with a
// file-size limit, or so that it can be killed.
#pragma once

#include <functional>
#include <sys/types.h>

// How a child ended: its exit status, or the signal that ended it.
struct ChildEnd {
    bool exited;
    int status; // exit status when exited, else the signal number
};

// Forks, runs `body` in the child and exits with what it answers; waits for
// the child.
ChildEnd runInChild(const std::function<int()>& body);

// Forks and runs `body` in the child, which exits with what it answers;
// does not wait.
pid_t startChild(const std::function<int()>& body);
ChildEnd waitForChild(pid_t child);

// In a child: becomes `uid` with `gid` as its only group. False if that fails.
bool becomeUser(uid_t uid, gid_t gid);

// The user and group that the tests run as when they drop root.
constexpr uid_t kOtherUser = 65534;
constexpr gid_t kOtherGroup = 100;
