#include <libproc.h>
#include <sys/sysctl.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

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

// KERN_PROCARGS2 gives argc, the executable's path, NULs up to an aligned
// place, then the arguments, each ended by a NUL, then the environment.
int ReadProcessArguments(pid_t pid, std::vector<std::string>& args)
{
    int argmax = 0;
    size_t size = sizeof(argmax);
    int argmax_mib[2] = {CTL_KERN, KERN_ARGMAX};
    if (sysctl(argmax_mib, 2, &argmax, &size, nullptr, 0) != 0 || argmax <= 0) {
        return ClientProcess::kUnknownExecutable;
    }
    std::vector<char> buffer(static_cast<size_t>(argmax));
    int mib[3] = {CTL_KERN, KERN_PROCARGS2, pid};
    size = buffer.size();
    if (sysctl(mib, 3, buffer.data(), &size, nullptr, 0) != 0 || size < sizeof(int)) {
        return errno == ESRCH ? ClientProcess::kNoProcess : ClientProcess::kUnknownExecutable;
    }
    int argc = 0;
    memcpy(&argc, buffer.data(), sizeof(argc));
    const char* end = buffer.data() + size;
    const char* at = static_cast<const char*>(memchr(buffer.data() + sizeof(argc), '\0', size - sizeof(argc)));
    while (at != nullptr && at < end && *at == '\0') {
        ++at;
    }
    args.clear();
    for (int i = 0; at != nullptr && at < end && i < argc; ++i) {
        const char* stop = static_cast<const char*>(memchr(at, '\0', end - at));
        if (stop == nullptr) {
            break;
        }
        args.emplace_back(at, stop);
        at = stop + 1;
    }
    return 0;
}
