#include <unistd.h>

#include <string>

#include "client-process.h"

// /proc/<pid>/exe names the running image; it is unreadable for another
// user's process, which the caller treats as "unknown".
int ReadProcessExecutable(pid_t pid, std::string& path)
{
    std::string link = "/proc/" + std::to_string(pid) + "/exe";
    char buffer[4096];
    ssize_t n = readlink(link.c_str(), buffer, sizeof(buffer) - 1);
    if (n <= 0) {
        return -1;
    }
    buffer[n] = '\0';
    path = buffer;
    return 0;
}
