// The install lock where flock() cannot be had: the record
// "install.lock.owner", made by an exclusive create, which network volumes
// honour as they may not honour flock(). It names its holder by host name,
// pid and process start time, so that the record of a holder that is gone
// (killed, or its pid since reused) is recognised and removed.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <string>

#include "config.h"
#include "install/install-lock.h"
#include "log.h"
#include "platform/process-query.h"

#define LOG_TAG "install-lock"
#define LOG_COMPONENT "launcher_debug"

namespace {

// A holder writes its record right after creating it; one that still does
// not parse after this long lost its holder in between.
const time_t kUnwrittenAge = 10;
// Another host's holder cannot be looked up; no launcher's run lasts a day.
const time_t kForeignAge = 24 * 60 * 60;
// The start time is worked out from two clocks read one after the other.
const long long kStartSlack = 1;

struct Owner {
    std::string host;
    pid_t pid = 0;
    long long started = 0;
};

std::string HostName()
{
    char name[256] = "";
    gethostname(name, sizeof(name) - 1);
    return name;
}

bool StartOf(pid_t pid, long long& started)
{
    struct timespec when;
    if (ReadProcessStartTime(pid, when) != 0) {
        return false;
    }
    started = when.tv_sec;
    return true;
}

bool ReadOwner(const ustring& record, Owner& owner)
{
    Config config;
    if (config.read(record.c_str()) != 0 || config.entries.count("pid") == 0) {
        return false;
    }
    owner.host = config.entries["host"];
    owner.pid = static_cast<pid_t>(atol(config.entries["pid"].c_str()));
    owner.started = atoll(config.entries["started"].c_str());
    return true;
}

bool IsOurs(const Owner& owner)
{
    long long started = 0;
    return owner.host == HostName() && owner.pid == getpid() && StartOf(getpid(), started) &&
           llabs(started - owner.started) <= kStartSlack;
}

bool IsStale(const ustring& record, const struct stat& st)
{
    const time_t age = time(nullptr) - st.st_mtime;
    Owner owner;
    if (!ReadOwner(record, owner)) {
        return age > kUnwrittenAge;
    }
    if (owner.host != HostName()) {
        return age > kForeignAge;
    }
    struct timespec when;
    const int found = ReadProcessStartTime(owner.pid, when);
    if (found == kProcessGone) {
        return true;
    }
    // A process that cannot be looked up may be the holder.
    return found == 0 && llabs(static_cast<long long>(when.tv_sec) - owner.started) > kStartSlack;
}

// Written and synced before it counts: a record that parses names a holder.
int WriteOwner(int fd)
{
    long long started = 0;
    StartOf(getpid(), started);
    const std::string text =
        "host=" + HostName() + "\npid=" + std::to_string(getpid()) + "\nstarted=" + std::to_string(started) + "\n";
    const ssize_t written = write(fd, text.data(), text.size());
    return written == static_cast<ssize_t>(text.size()) && fsync(fd) == 0 ? 0 : -1;
}

// Removes a stale record, if it is still the one judged: another launcher
// may have removed it and made its own meanwhile.
void RemoveIfStale(const ustring& record)
{
    struct stat st;
    struct stat again;
    if (lstat(record.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || !IsStale(record, st) ||
        lstat(record.c_str(), &again) != 0 || again.st_ino != st.st_ino || again.st_dev != st.st_dev) {
        return;
    }
    VLOG_NOTE(__LINE__, "the holder of '%s' is gone, removing it\n", record.c_str());
    unlink(record.c_str());
}

InstallLock::TryResult CreateOnce(const ustring& record)
{
    const int fd = open(record.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return errno == EEXIST ? InstallLock::kBusy : InstallLock::kFailed;
    }
    const int written = WriteOwner(fd);
    const int error = errno;
    close(fd);
    if (written != 0) {
        unlink(record.c_str());
        errno = error;
        return InstallLock::kFailed;
    }
    return InstallLock::kTaken;
}

}  // namespace

InstallLock::TryResult CreateOwnerRecord(const ustring& owner)
{
    const InstallLock::TryResult first = CreateOnce(owner);
    if (first != InstallLock::kBusy) {
        return first;
    }
    RemoveIfStale(owner);
    return CreateOnce(owner);
}

void RemoveOwnerRecord(const ustring& owner)
{
    Owner found;
    if (ReadOwner(owner, found) && IsOurs(found)) {
        unlink(owner.c_str());
    }
}
