#include <libproc.h>

#include <cerrno>
#include <ctime>
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

int ReadProcessStartTime(pid_t pid, struct timespec& started)
{
    struct proc_bsdinfo info;
    if (proc_pidinfo(pid, PROC_PIDTBSDINFO, 0, &info, sizeof(info)) != static_cast<int>(sizeof(info))) {
        return errno == ESRCH ? ClientProcess::kNoProcess : ClientProcess::kUnknownExecutable;
    }
    started.tv_sec = static_cast<time_t>(info.pbi_start_tvsec);
    started.tv_nsec = static_cast<long>(info.pbi_start_tvusec) * 1000;
    return 0;
}
