#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "platform/process-query.h"

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
        return kProcessGone;
    }
    return kProcessUnknown;
}

namespace {

// Field 22 of /proc/<pid>/stat, the start in clock ticks after boot. The
// command name (field 2) is in parentheses and may hold blanks and ")", so
// the fields are counted from its last ")".
bool ReadStartTicks(pid_t pid, unsigned long long& ticks)
{
    FILE* stat_file = fopen(("/proc/" + std::to_string(pid) + "/stat").c_str(), "re");
    if (stat_file == nullptr) {
        return false;
    }
    char buffer[1024];
    const size_t n = fread(buffer, 1, sizeof(buffer) - 1, stat_file);
    fclose(stat_file);
    buffer[n] = '\0';
    const char* field = strrchr(buffer, ')');
    // After the name: state (3), then fields 4 to 21, then the start (22).
    for (int i = 3; field != nullptr && i <= 22; ++i) {
        field = strchr(field + 1, ' ');
    }
    return field != nullptr && sscanf(field + 1, "%llu", &ticks) == 1;
}

}  // namespace

// The boot clock counts the time asleep, as the start ticks do.
int ReadProcessStartTime(pid_t pid, struct timespec& started)
{
    unsigned long long ticks = 0;
    if (!ReadStartTicks(pid, ticks)) {
        return errno == ENOENT ? kProcessGone : kProcessUnknown;
    }
    struct timespec now;
    struct timespec since_boot;
    if (clock_gettime(CLOCK_REALTIME, &now) != 0 || clock_gettime(CLOCK_BOOTTIME, &since_boot) != 0) {
        return kProcessUnknown;
    }
    const long ticks_per_second = sysconf(_SC_CLK_TCK);
    const long long boot_ns = (now.tv_sec - since_boot.tv_sec) * 1000000000LL + (now.tv_nsec - since_boot.tv_nsec);
    const long long start_ns = boot_ns + static_cast<long long>(ticks / ticks_per_second) * 1000000000LL +
                               static_cast<long long>(ticks % ticks_per_second) * 1000000000LL / ticks_per_second;
    started.tv_sec = static_cast<time_t>(start_ns / 1000000000LL);
    started.tv_nsec = static_cast<long>(start_ns % 1000000000LL);
    return 0;
}

// /proc/<pid>/cmdline holds the arguments, each ended by a NUL; it is empty
// for a zombie or a kernel thread. Only the first arguments are of use, so
// a long command line is read in part, without the argument it cuts.
int ReadProcessArguments(pid_t pid, std::vector<std::string>& args)
{
    FILE* cmdline = fopen(("/proc/" + std::to_string(pid) + "/cmdline").c_str(), "re");
    if (cmdline == nullptr) {
        return errno == ENOENT ? kProcessGone : kProcessUnknown;
    }
    char buffer[16384];
    const size_t n = fread(buffer, 1, sizeof(buffer), cmdline);
    fclose(cmdline);
    args.clear();
    for (const char* start = buffer; start < buffer + n;) {
        const char* end = static_cast<const char*>(memchr(start, '\0', buffer + n - start));
        if (end == nullptr) {
            break;
        }
        args.emplace_back(start, end);
        start = end + 1;
    }
    return 0;
}
