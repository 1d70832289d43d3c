#include <libproc.h>

#include <cerrno>
#include <string>

#include "client-process.h"

// proc_pidpath fails with ESRCH when the process has ended; any other
// failure (a process we may not inspect) leaves its executable unknown.
int ReadProcessExecutable(pid_t pid, std::string& path)
{
    char buffer[PROC_PIDPATHINFO_MAXSIZE];
    if (proc_pidpath(pid, buffer, sizeof(buffer)) <= 0) {
        return errno == ESRCH ? ClientProcess::kNoProcess : ClientProcess::kUnknownExecutable;
    }
    path = buffer;
    return 0;
}
