#include "install-lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include "file-op.h"
#include "log.h"
#include "regular_file.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

const char kComponent[] = "launcher_debug";

// A waiting launcher tries again this often: the wait is rare, and a try is
// one system call.
const milliseconds kRetryInterval{50};

enum TryResult { kTaken, kBusy, kFailed };

TryResult TryLock(int fd)
{
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            return kBusy;
        }
        if (errno != EINTR) {
            return kFailed;
        }
    }
    return kTaken;
}

long Millis(steady_clock::duration span)
{
    return static_cast<long>(std::chrono::duration_cast<milliseconds>(span).count());
}

}  // namespace

const char InstallLock::kFileName[] = "install.lock";
const milliseconds InstallLock::kWaitBound = std::chrono::minutes(10);

InstallLock::InstallLock(const ustring& folder, milliseconds bound)
    : folder(folder), path(folder + "/" + kFileName), bound(bound)
{
}

InstallLock::~InstallLock() { Release(); }

InstallLock::Result InstallLock::Acquire()
{
    if (held >= 0) {
        return kHeld;
    }
    int fd = OpenLockFile();
    if (fd < 0) {
        return kUnusable;
    }
    Result result = WaitForHolder(fd);
    if (result == kHeld) {
        held = fd;
    } else {
        close(fd);
    }
    return result;
}

// Closing the descriptor drops the lock.
void InstallLock::Release()
{
    if (held >= 0) {
        close(held);
        held = -1;
    }
}

// Only a regular file, opened without blocking, so a FIFO or a device at the
// name cannot hang the launcher; no link is followed, so nothing is created
// outside the folder; close-on-exec, so the client that is started while
// the lock is held does not keep it.
int InstallLock::OpenLockFile()
{
    if (folder.empty() || FSMKDir(folder, true) != 0) {
        VLOG(4, kComponent, __LINE__,
             "(%5d:%5d) [WARNING] install-lock(%d): no per-user folder '%s'\n", folder.c_str());
        return -1;
    }
    int fd = OpenRegularFile(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW, 0600);
    if (fd < 0 && (errno == EISDIR || errno == EINVAL)) {
        VLOG(4, kComponent, __LINE__,
             "(%5d:%5d) [WARNING] install-lock(%d): '%s' is not a regular file\n", path.c_str());
    } else if (fd < 0) {
        int error = errno;
        VLOG(4, kComponent, __LINE__,
             "(%5d:%5d) [WARNING] install-lock(%d): cannot open '%s': %s (%d)\n", path.c_str(),
             strerror(error), error);
    }
    return fd;
}

InstallLock::Result InstallLock::WaitForHolder(int fd)
{
    TryResult state = TryLock(fd);
    if (state == kBusy) {
        VLOG(5, kComponent, __LINE__,
             "(%5d:%5d) [NOTE] install-lock(%d): '%s' is held by another launcher, waiting up "
             "to %ld ms\n",
             path.c_str(), static_cast<long>(bound.count()));
        const steady_clock::time_point start = steady_clock::now();
        const steady_clock::time_point deadline = start + bound;
        for (auto now = start; state == kBusy && now < deadline; now = steady_clock::now()) {
            std::this_thread::sleep_for(std::min<steady_clock::duration>(kRetryInterval, deadline - now));
            state = TryLock(fd);
        }
        if (state == kTaken) {
            VLOG(5, kComponent, __LINE__,
                 "(%5d:%5d) [NOTE] install-lock(%d): the other launcher is done after %ld ms\n",
                 Millis(steady_clock::now() - start));
        }
    }
    if (state == kFailed) {
        int error = errno;
        VLOG(4, kComponent, __LINE__, "(%5d:%5d) [WARNING] install-lock(%d): flock '%s': %s (%d)\n",
             path.c_str(), strerror(error), error);
        return kUnusable;
    }
    return state == kTaken ? kHeld : kTimedOut;
}
