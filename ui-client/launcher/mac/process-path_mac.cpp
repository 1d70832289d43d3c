#include <libproc.h>

#include <string>

#include "client-process.h"

// proc_pidpath fails for a process we may not inspect; the caller then
// treats the owner as unknown.
int ReadProcessExecutable(pid_t pid, std::string& path)
{
    char buffer[PROC_PIDPATHINFO_MAXSIZE];
    if (proc_pidpath(pid, buffer, sizeof(buffer)) <= 0) {
        return -1;
    }
    path = buffer;
    return 0;
}
