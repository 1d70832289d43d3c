// The process queries on macOS. What is computed on the answers is in
// process-answers.cpp; a failed query is confirmed with kill(pid, 0), which
// alone tells a missing process apart.
#include <libproc.h>
#include <signal.h>
#include <sys/sysctl.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/process-answers.h"
#include "platform/process-query.h"

namespace {

int AfterFailedQuery(pid_t pid)
{
    const int result = kill(pid, 0);
    return ResultAfterFailedQuery(result, errno);
}

}  // namespace

// proc_pidpath fails with ESRCH also for a live process whose executable is
// gone or whose volume is being unmounted.
int ReadProcessExecutable(pid_t pid, std::string& path)
{
    char buffer[PROC_PIDPATHINFO_MAXSIZE];
    if (proc_pidpath(pid, buffer, sizeof(buffer)) <= 0) {
        return AfterFailedQuery(pid);
    }
    path = buffer;
    return 0;
}

// KERN_PROC_PID answers for every user's process (proc_pidinfo refuses
// another user's), and with nothing for a missing one.
int ReadProcessStartTime(pid_t pid, struct timespec& started)
{
    struct kinfo_proc info;
    size_t size = sizeof(info);
    int mib[4] = {CTL_KERN, KERN_PROC, KERN_PROC_PID, pid};
    if (sysctl(mib, 4, &info, &size, nullptr, 0) != 0) {
        return AfterFailedQuery(pid);
    }
    if (size < sizeof(info)) {
        return kProcessGone;
    }
    started = StartTimeFromTimeval(info.kp_proc.p_starttime);
    return 0;
}

// KERN_PROCARGS2 answers EINVAL for a missing process, and also for one it
// may not show.
int ReadProcessArguments(pid_t pid, std::vector<std::string>& args)
{
    int argmax = 0;
    size_t size = sizeof(argmax);
    int argmax_mib[2] = {CTL_KERN, KERN_ARGMAX};
    if (sysctl(argmax_mib, 2, &argmax, &size, nullptr, 0) != 0 || argmax <= 0) {
        return kProcessUnknown;
    }
    std::vector<char> buffer(static_cast<size_t>(argmax));
    int mib[3] = {CTL_KERN, KERN_PROCARGS2, pid};
    size = buffer.size();
    if (sysctl(mib, 3, buffer.data(), &size, nullptr, 0) != 0) {
        return AfterFailedQuery(pid);
    }
    return ParseProcArgs2(buffer.data(), size, args) ? 0 : kProcessUnknown;
}
