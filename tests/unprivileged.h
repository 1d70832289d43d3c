#ifndef VELMORA_TESTS_UNPRIVILEGED_H
#define VELMORA_TESTS_UNPRIVILEGED_H

// As root permission bits deny nothing, so permission cases run in a child
// that drops to uid/gid 65534.
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace unprivileged {

// Exit status of a child that could not drop its privileges.
constexpr int kCannotDrop = 125;

// Runs body in a child as uid/gid 65534 and returns the child's exit status
// (body's result, or kCannotDrop), or -1 when the child could not be run.
inline int RunAsNobody(const std::function<int()>& body)
{
    pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(kCannotDrop);
        _exit(body());
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

}  // namespace unprivileged

#endif  // VELMORA_TESTS_UNPRIVILEGED_H
