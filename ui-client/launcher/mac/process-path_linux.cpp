#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "client-process.h"

// /proc/<pid>/exe names the running image. It cannot be read for another
// user's process, nor for one of ours that made itself non-dumpable (as key
// agents do): those are unknown. It is missing for a process that has ended,
// and also for a zombie or a kernel thread, whose /proc/<pid> is still there.
int ReadProcessExecutable(pid_t pid, std::string& path)
{
    const std::string proc = "/proc/" + std::to_string(pid);
    char buffer[4096];
    ssize_t n = readlink((proc + "/exe").c_str(), buffer, sizeof(buffer) - 1);
    if (n > 0) {
        buffer[n] = '\0';
        path = buffer;
        return 0;
    }
    struct stat st;
    if (errno == ENOENT && stat(proc.c_str(), &st) != 0 && errno == ENOENT) {
        return ClientProcess::kNoProcess;
    }
    return ClientProcess::kUnknownExecutable;
}
